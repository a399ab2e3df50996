#pragma once

#include <QObject>
#include <memory>

#include "core/DecorationSettings.h"
#include "core/Feedback.h"
#include "core/ProgramFolder.h"

namespace glimtex {

class MainWindowState;
class ConfirmationBoardState;
class OutputWindowState;

// The running program: the one settings record, the program folder, the ways to
// reach the user, and the windows, each of which exists at most once and is
// created (its load step run) the first time something touches it.
class Program : public QObject {
    Q_OBJECT
  public:
    Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard);
    ~Program() override;

    DecorationSettings& Settings() { return settings_; }
    const ProgramFolder& Folder() const { return folder_; }
    Feedback& UserFeedback() { return feedback_; }
    Clipboard& SystemClipboard() { return clipboard_; }

    // The main window, loaded on first touch (hidden until the view shows it).
    MainWindowState& MainWindow();
    bool MainWindowLoaded() const { return mainWindow_ != nullptr; }

    // The confirmation board: shown loads it and prints its summary once; showing it
    // while open only brings it to the front. Null when closed.
    ConfirmationBoardState& ShowBoard();
    ConfirmationBoardState* Board() { return board_.get(); }
    void CloseBoard();

    // The HTML output window. Null when closed.
    OutputWindowState& ShowOutput();
    OutputWindowState* Output() { return output_.get(); }
    void CloseOutput();

  signals:
    void boardShown();
    void boardClosed();
    void outputShown();
    void outputClosed();

  private:
    // A closed window may still be running the handler that closed it, so it is
    // deleted later, and with the program at the latest.
    void Retire(QObject* window);

    DecorationSettings settings_;
    ProgramFolder folder_;
    Feedback& feedback_;
    Clipboard& clipboard_;
    std::unique_ptr<MainWindowState> mainWindow_;
    std::unique_ptr<ConfirmationBoardState> board_;
    std::unique_ptr<OutputWindowState> output_;
};

}  // namespace glimtex
