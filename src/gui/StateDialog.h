#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

namespace glimtex::gui {

// A dialog that draws a window state. Accepting (Enter on the default button) and
// rejecting (Esc, "キャンセル", the close box) ask the state, which closes its window
// through the program when it decides to; the view then goes with it. A dialog whose
// state is already gone closes as any dialog does.
class StateDialog : public QDialog {
    Q_OBJECT
  public:
    StateDialog(QObject& state, Qt::WindowFlags flags, QWidget* parent = nullptr)
        : QDialog(parent, flags), state_(&state) {}

  public slots:
    void accept() override {
        if (!state_) {
            QDialog::accept();
        } else if (accept_) {
            accept_();
        }
    }
    void reject() override {
        if (!state_) {
            QDialog::reject();
        } else if (reject_) {
            reject_();
        }
    }

  protected:
    // What accepting and rejecting ask of the state; without an action the dialog
    // stays as it is while its state lives.
    void OnAccept(std::function<void()> action) { accept_ = std::move(action); }
    void OnReject(std::function<void()> action) { reject_ = std::move(action); }

  private:
    QPointer<QObject> state_;
    std::function<void()> accept_;
    std::function<void()> reject_;
};

}  // namespace glimtex::gui
