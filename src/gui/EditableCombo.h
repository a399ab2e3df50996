#pragma once

#include <QComboBox>

namespace glimtex::gui {

// An editable combo box of the program's windows: the user may type any text, and
// nothing is completed or inserted into the list behind their back. A pick from the
// list is shown from its first character, and the list opens as wide as its longest
// entry, wider than the box when it must.
class EditableCombo : public QComboBox {
    Q_OBJECT
  public:
    EditableCombo(QWidget* parent, const QString& name);

    void showPopup() override;
};

}  // namespace glimtex::gui
