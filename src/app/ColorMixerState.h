#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "app/WindowKind.h"
#include "core/DecorationSettings.h"

namespace glimtex {

class Program;

// The colour mixer "色情報": three bars for red, green and blue, their value labels and
// a preview. It keeps no colour of its own: the colour is the three bar values.
// "設定" stores them into what it was opened on, a colour slot of the form or a stop of
// the gradation edited in "グラデーションの詳細"; "キャンセル" changes nothing.
class ColorMixerState : public QObject {
    Q_OBJECT
  public:
    // Bars 0, 1, 2 are RScroll, GScroll and BScroll; their labels RLabel, GLabel, BLabel.
    static constexpr int kBarCount = 3;
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 255;  // arrow and page steps are 1

    static constexpr WindowKind kKind = WindowKind::ColorMixer;

    explicit ColorMixerState(Program& program);

    // Load (run by Program on first touch): opens the colour palette, then paints the
    // preview.
    void Load();

    int BarValue(int bar) const;
    // The value label of a bar: its value in decimal, "0" at start.
    QString ValueLabel(int bar) const;
    // The preview RGB_ColorBox as a packed colour (0x00BBGGRR).
    uint32_t PreviewColor() const { return preview_; }

    // Moves a bar (the user's completed change, or code). When the value changes, the
    // bar's change handler runs: its label, then the preview. The value it already has
    // raises nothing. Values outside 0..255 are taken as the nearest end.
    void SetBar(int bar, int value);
    // The three bars in order R, G, B, each as SetBar.
    void SetBars(const ColorTriple& rgb);
    // Opens on a colour slot (0, 1 or kBackColorSlot): the bars take its colour and
    // "設定" stores into it.
    void Retarget(int slot, const ColorTriple& rgb);
    // Opens on a stop of the gradation being edited in "グラデーションの詳細", named by
    // the key that window gave it, so that the mixer stays on the same stop while the
    // stops are moved: the bars take its colour and "設定" stores into that stop there.
    void RetargetStop(int stopKey, const ColorTriple& rgb);
    // The slot "設定" stores into, or kNoSlot while the mixer edits a stop.
    static constexpr int kNoSlot = -1;
    int Target() const { return targetStop_ ? kNoSlot : target_; }
    // The key of the stop "設定" stores into, or nothing while the mixer edits a slot.
    std::optional<int> TargetStop() const { return targetStop_; }
    // Unload: the palette closes with the mixer.
    void Unload();

    // Paints the preview with the three bar values.
    void PaintPreview();

    // "設定": stores the bars into the edited slot, repaints its swatch and the strip,
    // and closes the mixer (and with it the palette). Into a stop, it stores only into
    // the list of "グラデーションの詳細", whose "OK" takes it to the form; when that
    // window has closed meanwhile, nothing is stored.
    void Confirm();
    // "キャンセル", and the close box: closes the mixer; nothing else changes.
    void Cancel();

  signals:
    // Any bar value, label or the preview changed.
    void changed();

  private:
    void BarChanged(int bar);

    Program& program_;
    int target_ = 0;
    std::optional<int> targetStop_;
    ColorTriple values_{};  // the bar values, always 0..255
    std::array<QString, kBarCount> labels_;
    uint32_t preview_ = 0;
};

// What the mixer window shows besides its state.
namespace ColorMixerText {
inline const QString kCaption = QStringLiteral("色情報");
inline const QString kOkButton = QStringLiteral("設定");
inline const QString kCancelButton = QStringLiteral("キャンセル");
// The letters before the bars, R_Label, G_Label and B_Label, and their packed text colours.
inline const std::array<QString, ColorMixerState::kBarCount> kBarLetters{
    QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
inline constexpr std::array<uint32_t, ColorMixerState::kBarCount> kBarLetterColors{
    0x0000FF, 0x008000, 0xFF0000};
// What a screen reader calls the bars and the preview.
inline const std::array<QString, ColorMixerState::kBarCount> kBarNames{
    QStringLiteral("赤"), QStringLiteral("緑"), QStringLiteral("青")};
inline const QString kBarPurpose = QStringLiteral("0から255まで");
inline const QString kPreviewName = QStringLiteral("設定する色");
}  // namespace ColorMixerText

}  // namespace glimtex
