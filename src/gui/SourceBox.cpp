#include "gui/SourceBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>

namespace glimtex::gui {

void SourceBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        if (isReadOnly()) return;
        const QPointer<SourceBox> self(this);
        const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
        if (self && !text.isEmpty()) insertPlainText(text);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool SourceBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void SourceBox::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText()) insertPlainText(source->text());
}

}  // namespace glimtex::gui
