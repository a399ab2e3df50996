#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "core/DecorationSettings.h"
#include "core/Feedback.h"
#include "engine/FormControls.h"

namespace glimtex {

// The notice text when the size text cannot be captured.
extern const QString kSizeTextMessage;

// The size text as a 16-bit number: blanks around it are ignored and a fraction is
// rounded to the nearest integer, halves to the even neighbour. Nothing when the
// text is not a number or lies outside -32768..32767 after rounding.
std::optional<int16_t> ConvertSizeText(const QString& text);

// The decoration form: every input the user (or a macro) fills in before a run, the
// rules that tie the inputs together (a style shows its own inputs, the swatches and
// the strip follow the colours) and the capture of the inputs into the settings.
// The main window draws it; a macro fills it without any window.
class DecorationForm : public QObject {
    Q_OBJECT
  public:
    DecorationForm(DecorationSettings& settings, Feedback& feedback);

    const FormControls& Controls() const { return c_; }

    // Fills the lists, applies each style and sets the colours to black; run once,
    // when the form is first touched.
    void Load();

    // What the user (or a macro) types or picks.
    void SetText(const QString& text);  // the settings' text follows at once
    void SetSizeText(const QString& text);
    void SetFaceText(const QString& text);
    void AddFace(const QString& face);
    void SetColorStyleText(const QString& text);  // text only; ApplyColorStyle follows
    void SetShapeText(const QString& text);
    void SetBackgroundStyleText(const QString& text);
    void SetLinkStyleText(const QString& text);
    void SetBackgroundPictureText(const QString& text);
    void SetLinkAddressText(const QString& text);
    // Bold, italic, underline and strike-through, 0 to 3.
    void SetEmphasisChecked(int index, bool checked);
    // Normal, superscript, subscript, 0 to 2: the settings follow at once.
    void ChoosePosition(int index);
    void PaintSwatch(int index, PaintedColor color);
    void PaintBackgroundSwatch(PaintedColor color);

    // Each style shows the inputs it uses. A text outside the list falls back to the
    // list's first entry, which is then applied.
    void ApplyBackgroundStyle();
    void ApplyColorStyle();
    void ApplyLinkStyle();
    void ApplyShape();
    // Paints the strip with the gradation through every stop.
    void PaintGradationStrip();
    // "⇔": the two colours change places.
    void SwapColors();

    // Stores a colour into a slot (0, 1 or kBackColorSlot) and paints the slot's
    // swatch; any other slot stores and paints nothing. Then the strip is repainted,
    // whichever slot it was, by RepaintStrip.
    void StoreColor(int slot, const ColorTriple& rgb);
    // The strip after a color change: in the single color style the first swatch's
    // color throughout, in any other color style the gradation.
    void RepaintStrip();
    // The stops of a gradation after the second color. Adding a stop past
    // kMaxColorStops in all adds nothing and returns false; clearing leaves the two
    // colors.
    bool AddColorStop(const ColorTriple& rgb);
    void ClearColorStops();
    // Every stop at once, 2 to kMaxColorStops of them (false, changing nothing, for any
    // other count): the first two become the two colors.
    bool SetColorStops(const QList<ColorTriple>& stops);
    void SetGradientSpace(GradientSpace space);

    // The color a slot holds: the first or last color (0/1), or the background color.
    ColorTriple SlotColor(int slot) const;

    // Capture: false, capturing nothing, when the size text is not a whole 16-bit
    // number after rounding.
    bool Capture();
    // The capture itself, into any settings record: the preview captures into a copy.
    bool CaptureInto(DecorationSettings& s) const;
    // Capture for a generation: when the size text cannot be captured, the notice
    // kSizeTextMessage is shown and false returned.
    bool CaptureForRun();
    // Every input and colour back to its start, then a capture.
    void Reset();

  signals:
    void changed();

  private:
    // Groups the changes of one operation so that changed() is emitted once, when
    // the outermost operation ends.
    class ChangeBatch {
      public:
        explicit ChangeBatch(DecorationForm& form) : form_(form) { ++form_.batchDepth_; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        DecorationForm& form_;
    };

    void PaintSwatchFromSettings(int index);
    // Puts a text into one of the inputs, as typing does.
    void Put(QString& input, const QString& text);

    DecorationSettings& s_;
    Feedback& feedback_;
    FormControls c_;
    int batchDepth_ = 0;
};

}  // namespace glimtex
