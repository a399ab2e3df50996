#include "gui/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace glimtex::gui {

void SystemClipboard::SetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

}  // namespace glimtex::gui
