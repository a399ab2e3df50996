#include "gui/ColorMixerView.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/ColorMixerState.h"
#include "gui/AccessibleNames.h"
#include "gui/ColorSwatch.h"
#include "gui/Look.h"
#include "gui/Twips.h"

namespace glimtex::gui {

ColorMixerView::ColorMixerView(ColorMixerState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), state_(&state) {
    OnAccept([this] { state_->Confirm(); });
    // Esc, "キャンセル" and the close box all close the window.
    OnReject([this] { state_->Cancel(); });
    SetUpFixedWindow(*this, QStringLiteral("ColorTool"), ColorMixerText::kCaption, 3990, 1965);

    static const char* const kNames[3] = {"R", "G", "B"};
    static const int kLetterTops[3] = {180, 560, 910};
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<size_t>(i);
        const QString name = QString::fromLatin1(kNames[i]);
        // The letter is the bar's access key: Alt+R, Alt+G, Alt+B.
        auto* letter = new QLabel(QLatin1Char('&') + ColorMixerText::kBarLetters[at], this);
        letter->setObjectName(name + QStringLiteral("_Label"));
        letter->setGeometry(TwipRect(240, kLetterTops[i], 255, 375));
        letter->setFont(UiFont(15.75));
        SetTextColor(*letter, FromPacked(ColorMixerText::kBarLetterColors[at]));

        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(name + QStringLiteral("Scroll"));
        bar->setGeometry(TwipRect(600, 240 + 360 * i, 2550, 255));
        bar->setRange(ColorMixerState::kMinimum, ColorMixerState::kMaximum);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::StrongFocus);
        // Only completed changes count: while the thumb is dragged the value, the
        // label and the preview stay as they were.
        bar->setTracking(false);
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int value) {
            if (state_) state_->SetBar(i, value);
        });
        letter->setBuddy(bar);
        Describe(*bar, ColorMixerText::kBarNames[at], ColorMixerText::kBarPurpose);
        bars_[at] = bar;

        auto* value = new QLabel(this);
        value->setObjectName(name + QStringLiteral("Label"));
        value->setGeometry(TwipRect(3240, 240 + 360 * i, 495, 255));
        value->setAlignment(Qt::AlignCenter);
        labels_[at] = value;
    }
    preview_ = new ColorSwatch(this);
    preview_->setObjectName(QStringLiteral("RGB_ColorBox"));
    preview_->setGeometry(TwipRect(240, 1440, 375, 375));
    preview_->SetPressable(false);
    Describe(*preview_, ColorMixerText::kPreviewName);

    auto* ok = new QPushButton(ColorMixerText::kOkButton, this);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setGeometry(TwipRect(1080, 1440, 975, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ColorMixerView::accept);
    auto* cancel = new QPushButton(ColorMixerText::kCancelButton, this);
    cancel->setObjectName(QStringLiteral("Cancel_Button"));
    cancel->setGeometry(TwipRect(2160, 1440, 975, 375));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ColorMixerView::reject);

    setTabOrder(bars_[0], bars_[1]);
    setTabOrder(bars_[1], bars_[2]);
    setTabOrder(bars_[2], ok);
    setTabOrder(ok, cancel);
    bars_[0]->setFocus();

    connect(&state, &ColorMixerState::changed, this, &ColorMixerView::Refresh);
    Refresh();
}

void ColorMixerView::Refresh() {
    if (!state_) return;
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<size_t>(i);
        if (bars_[at]->value() != state_->BarValue(i)) {
            const QSignalBlocker block(bars_[at]);
            bars_[at]->setValue(state_->BarValue(i));
        }
        labels_[at]->setText(state_->ValueLabel(i));
    }
    preview_->SetColor(state_->PreviewColor());
}

}  // namespace glimtex::gui
