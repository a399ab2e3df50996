#pragma once

#include <QString>

class QAbstractButton;
class QAction;
class QComboBox;
class QLineEdit;
class QWidget;

namespace glimtex {
struct ComboBoxState;
}

namespace glimtex::gui {

// Bringing a widget in line with the state it shows. A widget is touched only when
// it differs, and with its signals blocked, so a view never feeds its own refresh
// back into the engine and a caret never jumps. Text set here is shown from its
// first character.
void Sync(QLineEdit* edit, const QString& text);
void Sync(QComboBox* combo, const ComboBoxState& state);
void SyncChecked(QAbstractButton* button, bool checked);
void SyncChecked(QAction* action, bool checked);
void SyncVisible(QWidget* widget, bool visible);

}  // namespace glimtex::gui
