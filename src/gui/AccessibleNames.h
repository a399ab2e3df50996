#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace glimtex::gui {

// What a screen reader says of a control: its name, which is the label a sighted
// user reads beside it, and, where that helps, what it holds or does. An editable
// combo box gets the same for the text field inside it, which is what takes the keys.
void Describe(QWidget& control, const QString& name, const QString& description = {});

// Makes the label the one read for the field: its access key, if it has one, moves
// the focus there, and the field gets the label's text (without "&") as its name.
void LabelFor(QLabel& label, QWidget& field, const QString& description = {});

}  // namespace glimtex::gui
