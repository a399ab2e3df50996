#include "gui/ColorPaletteView.h"

#include "app/ColorPaletteState.h"
#include "app/Program.h"
#include "gui/ColorSwatch.h"
#include "gui/Look.h"
#include "gui/Twips.h"

namespace glimtex::gui {

namespace {

// The swatches with their margins take 1950 x 1485 twips. The window is wider, so that
// a title bar with its icon and three buttons still has room for "色見本"; the
// swatches stand in its middle.
constexpr int kWidth = 2400;
constexpr int kHeight = 1485;
constexpr int kSwatchesInset = (kWidth - 1950) / 2;

}  // namespace

ColorPaletteView::ColorPaletteView(Program& program, ColorPaletteState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), program_(program), state_(&state) {
    OnReject([this] { program_.Close<ColorPaletteState>(); });
    SetUpFixedWindow(*this, QStringLiteral("ColorCodeForm"), ColorPaletteText::kCaption, kWidth,
                     kHeight);
    // Later swatches are drawn over their neighbours, which they overlap by a pixel;
    // the keyboard visits them in index order.
    QWidget* previous = nullptr;
    for (int i = 0; i < ColorPaletteState::kRows; ++i) {
        const QRect place = ColorPaletteState::SwatchPlace(i);
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(QStringLiteral("ColorCodeBox_%1").arg(i));
        swatch->setGeometry(
            TwipRect(kSwatchesInset + place.x(), place.y(), place.width(), place.height()));
        swatch->setFocusPolicy(Qt::StrongFocus);
        swatch->SetColor(state.SwatchColor(i));
        swatch->setToolTip(QStringLiteral("RGB(%1, %2, %3)")
                               .arg(state.Rows()[static_cast<size_t>(i)][0])
                               .arg(state.Rows()[static_cast<size_t>(i)][1])
                               .arg(state.Rows()[static_cast<size_t>(i)][2]));
        connect(swatch, &ColorSwatch::clicked, this, [this, i] {
            if (state_) state_->Pick(i);
        });
        if (previous) setTabOrder(previous, swatch);
        previous = swatch;
    }
}

}  // namespace glimtex::gui
