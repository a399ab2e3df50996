#include "gui/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace glimtex::gui {

void SystemClipboard::SetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

void SystemClipboard::SetTextAndHtml(const QString& text, const QString& html) {
    // The HTML says its encoding: on X11 some applications read text/html as Latin-1
    // unless told otherwise.
    const QString page = QStringLiteral("<meta charset=\"utf-8\">") + html;
    auto offer = [&] {
        auto* data = new QMimeData;
        data->setText(text);
        data->setHtml(page);
        return data;
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(offer(), QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setMimeData(offer(), QClipboard::Selection);
}

}  // namespace glimtex::gui
