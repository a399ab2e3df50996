#pragma once

#include <QObject>
#include <QString>

namespace glimtex {

class Program;

// The output window "HTMLソース": its text box and the clipboard copy.
class OutputWindowState : public QObject {
    Q_OBJECT
  public:
    explicit OutputWindowState(Program& program);

    const QString& HTMLStringBox() const { return text_; }
    // Replaces the box's text (a run, or the user's own edit).
    void SetText(const QString& text);

    // "クリップボード": asks, and on Yes puts the box's current text on the clipboard.
    void ClipboardButton_Click();
    // "キャンセル": closes the window.
    void CancelButton_Click();

  signals:
    void changed();

  private:
    Program& program_;
    QString text_;
};

}  // namespace glimtex
