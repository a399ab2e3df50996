#pragma once

#include <QPlainTextEdit>

namespace glimtex::gui {

// The output window's source box: plain text only. What is pasted into it is taken
// as the clipboard's text and nothing else, read first and inserted only if the box
// is still there afterwards: fetching the clipboard on X11 turns the event loop,
// in which the window can be closed.
class SourceBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace glimtex::gui
