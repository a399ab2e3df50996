#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "core/DecorationSettings.h"
#include "core/StyleTexts.h"

namespace glimtex {

class Program;

// The colour slots that the colour mixer edits and ColorEditTarget names: 0 and 1 the
// text colours ColorData(0) and ColorData(1), 2 the background colour BackColorData.
inline constexpr int16_t kBackColorSlot = 2;

// An editable combo box: the text it shows and its list.
struct ComboBoxState {
    QString text;
    QStringList items;
};

// A colour swatch or strip rectangle: a packed colour (0x00BBGGRR), or nothing for
// the system button-face colour.
using PaintedColor = std::optional<uint32_t>;

struct SwatchState {
    bool visible = true;
    PaintedColor color = 0;  // black at start
};

// One preview letter of the shape panel: font size in points, top in twips.
struct PreviewLetter {
    int fontSize = 28;
    int top = 1200;
    bool operator==(const PreviewLetter&) const = default;
};

// Everything the main window shows, as plain data. The widgets draw this and
// nothing else.
struct MainWindowControls {
    QString EditBox = QStringLiteral("Test");
    ComboBoxState MojiSizeCombo{QStringLiteral("0"), {}};
    ComboBoxState FontSelectCombo{StyleText::kNoFace, {}};
    std::array<bool, 3> OptionGroup{true, false, false};
    std::array<bool, 4> SpGroup_Check{};
    ComboBoxState ColorStyleCombo{StyleText::kSingleColour, {}};
    std::array<SwatchState, 2> ColorBox{};
    bool ChangeButtonVisible = true;
    // The 101 rectangles of the gradation strip, left to right; rectangle 100 lies
    // beyond the right edge. Each is a colour, or the button face when erased.
    std::array<PaintedColor, 101> ColorMap{};
    ComboBoxState MojiShapeCombo{StyleText::kStandard, {}};
    std::array<PreviewLetter, 7> TestLabel{};
    ComboBoxState BackStyleCombo{StyleText::kNone, {}};
    SwatchState BackColorBox{};
    bool BackPictureVisible = true;  // BackPicture_Label and BackPictureEdit
    QString BackPictureEdit;
    ComboBoxState LinkStyleCombo{StyleText::kNone, {}};
    bool LinkDataVisible = true;  // LinkData_Label and LinkDataEdit
    QString LinkDataEdit;
    std::array<bool, 6> CodeFrameVisible{true, true, true, true, true, true};
    int16_t FrontWindowFlag = 0;
};

// The main window's state and behaviour without any widget: load, panels, the
// style selectors, capture and reset, and the run commands.
class MainWindowState : public QObject {
    Q_OBJECT
  public:
    MainWindowState(Program& program, DecorationSettings& settings);

    const MainWindowControls& Controls() const { return c_; }
    // The index of the one visible panel, or -1 when not exactly one is visible.
    int VisiblePanel() const;
    // The check mark of "常に手前にする".
    bool FrontWindowChecked() const { return c_.FrontWindowFlag == 1; }

    // Load steps, in order; run once by Program when the window is first touched.
    void Load();

    // Panels and menus.
    void HideCodeFrames();
    void CommandButton_Click(int index);
    void FrontWindow_Set_Click();  // toggles FrontWindowFlag and the check mark
    // The radio group "出力形式" of "設定(&S)" and the statement Set.OutputFormat: the
    // kind of HTML the next runs write.
    void ChooseOutputFormat(FragmentFormat format);
    FragmentFormat OutputFormat() const { return s_.OutputFormat; }

    // What the user (or a macro) does to the controls.
    void SetEditText(const QString& text);  // runs the change handler: MainString follows
    void SetMojiSizeText(const QString& text);
    void SetFontText(const QString& text);
    void AddFontEntry(const QString& text);
    void SetColorStyleText(const QString& text);  // text only, no selector
    void SetShapeText(const QString& text);
    void SetBackStyleText(const QString& text);
    void SetLinkStyleText(const QString& text);
    void SetBackPictureText(const QString& text);
    void SetLinkDataText(const QString& text);
    void SetSpGroupCheck(int index, bool checked);
    void SetColorBoxColor(int index, PaintedColor color);
    void SetBackColorBoxColor(PaintedColor color);

    // The style selectors and their click handlers.
    void SelectBackStyle();
    void ActiveColorStyle();
    void SelectLinkStyle();
    void SelectMojiShape();
    void ColorMapEdit();
    void ChangeButton_Click();
    void OptionGroup_Click(int index);

    // Stores a colour into a slot (0, 1 or kBackColorSlot) and paints the slot's
    // swatch; any other slot stores and paints nothing. Then the strip is repainted,
    // whichever slot it was, by RepaintColorMap.
    void StoreColor(int slot, const ColorTriple& rgb);
    // The strip after a colour change: in "単色" the first swatch's colour throughout,
    // in any other colour style the gradation (ColorMapEdit).
    void RepaintColorMap();

    // The swatch clicks open the colour mixer on the swatch's colour: ColorBox(0),
    // ColorBox(1) only while it is visible (colour style "グラデーション"), and
    // BackColorBox. An open mixer is retargeted without loading it again.
    void ColorBox_Click(int index);
    void BackColorBox_Click();

    // The window closes: the colour palette closes, then the colour mixer. The board,
    // the output window and the macro picker stay open.
    void Form_Unload();

    // Capture and reset. DataCreate returns false, capturing nothing, when the size
    // text is not a whole 16-bit number after rounding.
    bool DataCreate();
    // The capture itself, into any settings record: the preview captures into a copy.
    // False, writing nothing, when the size text cannot be captured.
    bool CaptureInto(DecorationSettings& s) const;
    void NewDataCreate();
    // Capture for a generation: when the size text cannot be captured, the notice
    // kSizeTextMessage is shown and false returned.
    bool CaptureForRun();

    // The run commands "ソースの作成" and "ドッキング".
    void CodeCreate_Run_Click();
    void CodePlus_Run_Click();

  signals:
    void changed();

  private:
    // Groups the changes of one operation so that changed() is emitted once, when
    // the outermost operation ends.
    class ChangeBatch {
      public:
        explicit ChangeBatch(MainWindowState& w) : w_(w) { ++w_.batchDepth_; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        MainWindowState& w_;
    };

    void PaintColorBoxFromSettings(int index);
    void OpenColorMixer(int16_t slot, const ColorTriple& rgb);

    Program& program_;
    DecorationSettings& s_;
    MainWindowControls c_;
    int batchDepth_ = 0;
};

// The notice text when the size text cannot be captured.
extern const QString kSizeTextMessage;

// The size text as a 16-bit number: blanks around it are ignored and a fraction is
// rounded to the nearest integer, halves to the even neighbour. Nothing when the
// text is not a number or lies outside -32768..32767 after rounding.
std::optional<int16_t> ConvertSizeText(const QString& text);

}  // namespace glimtex
