#include "gui/EditableCombo.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>

namespace glimtex::gui {

EditableCombo::EditableCombo(QWidget* parent, const QString& name) : QComboBox(parent) {
    setObjectName(name);
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] { lineEdit()->setCursorPosition(0); });
}

void EditableCombo::showPopup() {
    // The widest entry as the list draws it, its frame, and the scroll bar, which a
    // list longer than it shows at once takes from the entries' room.
    QAbstractItemView* list = view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems()) width += list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(width);
    QComboBox::showPopup();
}

}  // namespace glimtex::gui
