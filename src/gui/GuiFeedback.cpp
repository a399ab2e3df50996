#include "gui/GuiFeedback.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace glimtex::gui {

namespace {

// The box stands over the window the user is working in.
void Prepare(QMessageBox& box, const QString& title, const QString& text) {
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("MessageBox"));
}

}  // namespace

void GuiFeedback::Beep() { QApplication::beep(); }

void GuiFeedback::ShowNotice(const QString& title, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    Prepare(box, title, text);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool GuiFeedback::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    Prepare(box, title, text);
    QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("YesButton"));
    no->setObjectName(QStringLiteral("NoButton"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace glimtex::gui
