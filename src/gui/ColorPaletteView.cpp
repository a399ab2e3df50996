#include "gui/ColorPaletteView.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/ColorNames.h"
#include "app/Program.h"
#include "gui/AccessibleNames.h"
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
    // Tab visits them in index order, column by column.
    QWidget* previous = nullptr;
    for (int i = 0; i < ColorPaletteState::kRows; ++i) {
        const QRect place = ColorPaletteState::SwatchPlace(i);
        const ColorTriple& rgb = state.Rows()[static_cast<size_t>(i)];
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(QStringLiteral("ColorCodeBox_%1").arg(i));
        swatch->setGeometry(
            TwipRect(kSwatchesInset + place.x(), place.y(), place.width(), place.height()));
        swatch->setFocusPolicy(Qt::StrongFocus);
        swatch->SetColor(state.SwatchColor(i));
        swatch->setToolTip(QStringLiteral("RGB(%1, %2, %3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]));
        Describe(*swatch, SpokenColor(rgb), ColorPaletteText::kSwatchPurpose);
        connect(swatch, &ColorSwatch::clicked, this, [this, i] {
            if (state_) state_->Pick(i);
        });
        if (previous) setTabOrder(previous, swatch);
        previous = swatch;
        swatches_[static_cast<size_t>(i)] = swatch;
    }
}

void ColorPaletteView::keyPressEvent(QKeyEvent* event) {
    const auto focused = std::find(swatches_.begin(), swatches_.end(), focusWidget());
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_Left:
            step = -ColorPaletteState::kSwatchesPerColumn;
            break;
        case Qt::Key_Right:
            step = ColorPaletteState::kSwatchesPerColumn;
            break;
        default:
            break;
    }
    if (step == 0 || focused == swatches_.end()) {
        StateDialog::keyPressEvent(event);
        return;
    }
    // At the edge of the palette the focus stays where it is.
    const auto next = (focused - swatches_.begin()) + step;
    if (next >= 0 && next < ColorPaletteState::kRows) {
        swatches_[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace glimtex::gui
