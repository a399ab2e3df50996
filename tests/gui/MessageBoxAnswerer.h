#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QStringList>

namespace glimtex::testing {

// Answers the message boxes the program raises, in order, by clicking the button
// with the given caption, as a person at the screen would; remembers what each box
// said. A box nobody planned an answer for is closed with its escape button and
// counted, so a test never waits for a person.
//
// It watches every widget that is shown: when a message box comes on screen it takes
// the next planned answer and posts the click, which the box's own event loop then
// delivers, so the box is answered from inside its exec() as a person would.
class MessageBoxAnswerer : public QObject {
  public:
    struct Seen {
        QString title;
        QString text;
        QStringList buttons;
    };
    QList<Seen> seen;
    int unexpected = 0;

    MessageBoxAnswerer() { QApplication::instance()->installEventFilter(this); }
    ~MessageBoxAnswerer() override { QApplication::instance()->removeEventFilter(this); }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Plans the answer to the next box that has no answer yet.
    void Answer(const QString& caption) { answers_.append(caption); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) Answer(*box);
        }
        return false;
    }

  private:
    void Answer(QMessageBox& box) {
        Seen entry{box.windowTitle(), box.text(), {}};
        QAbstractButton* chosen = nullptr;
        const QString caption = answers_.isEmpty() ? QString() : answers_.takeFirst();
        for (QAbstractButton* button : box.buttons()) {
            entry.buttons << button->text();
            if (button->text() == caption) chosen = button;
        }
        seen.append(entry);
        if (!chosen) {
            ++unexpected;
            chosen = box.escapeButton() ? box.escapeButton() : box.buttons().value(0);
        }
        if (!chosen) return;
        // Posted: the box is only now being shown, and its event loop starts after.
        QMetaObject::invokeMethod(chosen, &QAbstractButton::click, Qt::QueuedConnection);
    }

    QStringList answers_;
};

}  // namespace glimtex::testing
