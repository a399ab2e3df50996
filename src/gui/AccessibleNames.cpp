#include "gui/AccessibleNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace glimtex::gui {

void Describe(QWidget& control, const QString& name, const QString& description) {
    control.setAccessibleName(name);
    if (!description.isEmpty()) control.setAccessibleDescription(description);
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo && combo->lineEdit()) {
        Describe(*combo->lineEdit(), name, description);
    }
}

void LabelFor(QLabel& label, QWidget& field, const QString& description) {
    label.setBuddy(&field);
    QString name = label.text();
    name.remove(QLatin1Char('&'));
    Describe(field, name, description);
}

}  // namespace glimtex::gui
