#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

#include "app/WindowKind.h"
#include "core/DecorationSettings.h"

namespace glimtex {

class Program;

// The colour sample palette "色見本": 35 fixed sample colours, each a swatch
// SwatchColor(i). A click loads the swatch's colour into the colour mixer's bars;
// the settings change only when the mixer's "設定" is pressed.
class ColorPaletteState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::ColorPalette;
    static constexpr int kRows = 35;
    // The swatches stand in columns of this many, index by index from the top left.
    static constexpr int kSwatchesPerColumn = 5;

    explicit ColorPaletteState(Program& program);

    // Load (run by Program when the palette is shown): fills the table with
    // AddRow, row by row, then paints every swatch with its row.
    void Load();

    // The table ColorCode: row i is R, G, B of swatch i.
    const std::array<ColorTriple, kRows>& Rows() const { return rows_; }
    int16_t RowCount() const { return count_; }
    // The fill of SwatchColor(i) as a packed colour (0x00BBGGRR).
    uint32_t SwatchColor(int index) const;
    // Where SwatchColor(i) stands, in twips: 7 columns of 5, 255 twips square, a
    // pitch of 240 so that neighbours overlap by 15 twips (one pixel).
    static QRect SwatchPlace(int index);

    // A click on swatch i: the mixer's RScroll, GScroll and BScroll take the row, in
    // that order, each raising its change handler only when its value changes.
    void Pick(int index);

  signals:
    void changed();

  private:
    void AddRow(int16_t r, int16_t g, int16_t b);

    Program& program_;
    std::array<ColorTriple, kRows> rows_{};
    int16_t count_ = 0;
    std::array<uint32_t, kRows> boxes_{};
};

namespace ColorPaletteText {
inline const QString kCaption = QStringLiteral("色見本");
// What pressing a swatch does, for screen readers.
inline const QString kSwatchPurpose = QStringLiteral("色情報に読み込みます");
}  // namespace ColorPaletteText

}  // namespace glimtex
