#include "gui/ColorPaletteView.h"

#include "app/ColorPaletteState.h"
#include "app/Program.h"
#include "gui/ColorSwatch.h"
#include "gui/Look.h"
#include "gui/Twips.h"

namespace glimtex::gui {

ColorPaletteView::ColorPaletteView(Program& program, ColorPaletteState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), program_(program), state_(&state) {
    OnReject([this] { program_.Close<ColorPaletteState>(); });
    SetUpFixedWindow(*this, QStringLiteral("ColorCodeForm"), ColorPaletteText::kCaption, 1950,
                     1485);
    // Later swatches are drawn over their neighbours, which they overlap by a pixel;
    // the keyboard visits them in index order.
    QWidget* previous = nullptr;
    for (int i = 0; i < ColorPaletteState::kRows; ++i) {
        const QRect place = ColorPaletteState::SwatchPlace(i);
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(QStringLiteral("ColorCodeBox_%1").arg(i));
        swatch->setGeometry(TwipRect(place.x(), place.y(), place.width(), place.height()));
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
