#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace glimtex::testing {

// Answers the message boxes the program raises, in order, by clicking the button
// with the given caption, as a person at the screen would; remembers what each box
// said. A box nobody planned an answer for is closed with its escape button and
// counted, so a test never waits for a person.
class MessageBoxAnswerer : public QObject {
  public:
    struct Seen {
        QString title;
        QString text;
        QStringList buttons;
    };
    QList<Seen> seen;
    int unexpected = 0;

    MessageBoxAnswerer() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

    void Answer(const QString& caption) { answers_.append(caption); }

  private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        Seen entry{box->windowTitle(), box->text(), {}};
        QAbstractButton* chosen = nullptr;
        const QString caption = answers_.isEmpty() ? QString() : answers_.takeFirst();
        for (QAbstractButton* button : box->buttons()) {
            entry.buttons << button->text();
            if (button->text() == caption) chosen = button;
        }
        seen.append(entry);
        if (!chosen) {
            ++unexpected;
            chosen = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
        }
        if (chosen) chosen->click();
    }

    QTimer timer_;
    QStringList answers_;
};

}  // namespace glimtex::testing
