#include "gui/MacroPickerView.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/MacroPickerState.h"
#include "gui/AccessibleNames.h"
#include "gui/EditableCombo.h"
#include "gui/Look.h"
#include "gui/Twips.h"
#include "gui/WidgetSync.h"

namespace glimtex::gui {

MacroPickerView::MacroPickerView(MacroPickerState& state, QWidget* parent)
    : StateDialog(
          state,
          Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
          parent),
      state_(&state) {
    OnAccept([this] { state_->Confirm(); });
    // Esc, "キャンセル" and the close box all close the window.
    OnReject([this] { state_->Cancel(); });
    SetUpWindow(*this, QStringLiteral("MacroForm"), MacroPickerText::kCaption);
    // A sizable tool window whose controls keep their places. The list box is wide
    // enough for the bundled macros' titles, such as "背景色つきのリンクボタン".
    resize(TwipSize(4095, 2100));

    combo_ = new EditableCombo(this, QStringLiteral("MacroListCombo"));
    combo_->setGeometry(TwipRect(0, 120, 2835, 315));
    combo_->setFont(UiFont(9.75));
    // Screen readers take a combo box's name from its label; the window has no room
    // for one above the list, so the label is there for them alone.
    auto* label = new QLabel(MacroPickerText::kListName, this);
    label->setObjectName(QStringLiteral("MacroList_Label"));
    label->hide();
    LabelFor(*label, *combo_, MacroPickerText::kListPurpose);
    connect(combo_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (state_) state_->SetComboText(text);
    });
    connect(combo_, &QComboBox::activated, this, [this](int index) {
        if (state_) state_->PickListEntry(index);
    });

    textPrint_ = new QPlainTextEdit(this);
    textPrint_->setObjectName(QStringLiteral("TextPrint"));
    textPrint_->setGeometry(TwipRect(0, 480, 2835, 1575));
    textPrint_->setReadOnly(true);
    SetButtonFaceBase(*textPrint_);
    Describe(*textPrint_, MacroPickerText::kDescriptionName);

    auto* ok = new QPushButton(MacroPickerText::kOkButton, this);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setGeometry(TwipRect(2940, 120, 1095, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &MacroPickerView::accept);
    auto* cancel = new QPushButton(MacroPickerText::kCancelButton, this);
    cancel->setObjectName(QStringLiteral("Cancel_Button"));
    cancel->setGeometry(TwipRect(2940, 600, 1095, 375));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &MacroPickerView::reject);

    connect(&state, &MacroPickerState::changed, this, &MacroPickerView::Refresh);
    Refresh();
    combo_->setFocus();
}

void MacroPickerView::Refresh() {
    if (!state_) return;
    Sync(combo_, state_->Combo());
    QString description = state_->Description();
    if (textPrint_->toPlainText() !=
        description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) {
        textPrint_->setPlainText(description);
    }
}

}  // namespace glimtex::gui
