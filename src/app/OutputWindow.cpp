#include "app/OutputWindow.h"

#include "app/Program.h"

namespace glimtex {

OutputWindowState::OutputWindowState(Program& program)
    : program_(program), text_(QStringLiteral("HTMLソースはここに表現されます。\r\n")) {}

void OutputWindowState::SetText(const QString& text) { text_ = text; }

void OutputWindowState::ShowCollection(const QString& collected) {
    text_ = collected;
    if (refreshPending_) return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(this, &OutputWindowState::DeliverTextChanged, Qt::QueuedConnection);
}

void OutputWindowState::DeliverTextChanged() {
    refreshPending_ = false;
    emit textChanged();
}

void OutputWindowState::ClipboardButton_Click() {
    if (!program_.UserFeedback().AskYesNo(
            kNoticeTitle, QStringLiteral("本当にクリップボードにコピーしてもいいですか？"))) {
        return;
    }
    program_.SystemClipboard().SetText(text_);
}

void OutputWindowState::CancelButton_Click() {
    if (program_.Output() == this) program_.CloseOutput();
}

}  // namespace glimtex
