#include "gui/LockWaitWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Look.h"

namespace glimtex::gui {

LockWaitWindow::~LockWaitWindow() { delete window_; }

bool LockWaitWindow::StillWaiting(std::chrono::milliseconds waited) {
    if (waited >= kShowAfter && !window_) {
        cancelled_ = false;
        window_ = new QDialog(nullptr, kToolWindowFlags);
        SetUpWindow(*window_, QStringLiteral("LockWaitForm"), QStringLiteral("お待ちください"));
        auto* text = new QLabel(QStringLiteral("ほかのマクロの実行を待っています…"));
        text->setObjectName(QStringLiteral("LockWaitLabel"));
        auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
        cancel->setObjectName(QStringLiteral("LockWaitCancel"));
        QObject::connect(cancel, &QPushButton::clicked, window_, [this] { cancelled_ = true; });
        // Esc and the close box give up too.
        QObject::connect(window_, &QDialog::rejected, window_, [this] { cancelled_ = true; });
        auto* layout = new QVBoxLayout(window_);
        layout->addWidget(text);
        layout->addWidget(cancel, 0, Qt::AlignRight);
        window_->setModal(true);
        window_->show();
    }
    if (window_) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !cancelled_;
}

void LockWaitWindow::WaitEnded() {
    delete window_;
    cancelled_ = false;
}

}  // namespace glimtex::gui
