#include "gui/WidgetSync.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/MainWindowState.h"

namespace glimtex::gui {

void Sync(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker block(edit);
    edit->setText(text);
    // A box narrower than its text shows the start of it, not the end.
    edit->setCursorPosition(0);
}

void Sync(QComboBox* combo, const ComboBoxState& state) {
    const QSignalBlocker block(combo);
    bool sameItems = combo->count() == state.items.size();
    for (int i = 0; sameItems && i < combo->count(); ++i) {
        sameItems = combo->itemText(i) == state.items[i];
    }
    if (!sameItems) {
        combo->clear();
        combo->addItems(state.items);
    }
    const bool sameText = combo->currentText() == state.text;
    if (!sameText) combo->setEditText(state.text);
    if ((!sameItems || !sameText) && combo->lineEdit()) combo->lineEdit()->setCursorPosition(0);
}

void SyncChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) return;
    const QSignalBlocker block(button);
    button->setChecked(checked);
}

void SyncChecked(QAction* action, bool checked) {
    if (action->isChecked() == checked) return;
    const QSignalBlocker block(action);
    action->setChecked(checked);
}

void SyncVisible(QWidget* widget, bool visible) {
    if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

}  // namespace glimtex::gui
