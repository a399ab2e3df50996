#pragma once

#include <QByteArray>
#include <QString>

#include "core/Version.h"

namespace glimtex {

class Engine;

// The build identifier shown on the title window: the program's version.
inline const QString kBuildIdentifier = kVersion;

// The notices of a start-up or a macro application that cannot go ahead.
extern const QString kDefaultMissingMessage;
// The notice when Default is a symbolic link to nothing.
extern const QString kDefaultDanglingMessage;
extern const QString kDefaultUnreadableMessage;
extern const QString kStartupFilesMessage;
extern const QString kPassLoopStoppedMessage;
// The notice when the macro itself is longer than a pass may write.
extern const QString kPassLoopTooLongMessage;
extern const QString kPassLoopFileTooLargeMessage;
extern const QString kMacroUnreadableMessage;  // followed by the file's path
extern const QString kApplyFilesMessage;
// A macro run that cannot own the program folder: another run kept it for the whole
// wait, or a working file is a link or not a plain file (followed by its name).
extern const QString kFolderBusyMessage;
extern const QString kUnsafeWorkingFileMessage;
extern const QString kDefaultTooLargeMessage;
extern const QString kMacroTooLargeMessage;  // followed by the file's path

// How far the start-up got.
enum class StartupOutcome {
    NotRun,
    Done,                 // Default was preprocessed and run
    DefaultMissing,       // no Default: the program goes on with its defaults
    DefaultUnreadable,    // Default cannot be read: likewise
    WorkFilesUnwritable,  // the working files cannot be written: likewise
    PassLoopStopped,      // the macro never settled: its statements were not run
    FolderBusy,           // another run kept the program folder: nothing was done
    WorkingFileUnsafe,    // a working file is a link or not a plain file: nothing was done
};

// The title window's load step: prepares the working files in the program folder,
// copies Default to Buf.df, preprocesses it to a fixed point and runs it, owning
// the folder (MacroRunLock) all the while. Problems are reported through the
// program's Feedback; it never stops the program.
class Startup {
  public:
    explicit Startup(Engine& engine);
    void Run();
    const QString& CodeLabel() const { return codeLabel_; }
    StartupOutcome Outcome() const { return outcome_; }

  private:
    StartupOutcome Prepare();

    Engine& engine_;
    QString codeLabel_;
    StartupOutcome outcome_ = StartupOutcome::NotRun;
};

// Applies a macro as the macro picker does: copy it to Buf.df, empty Define.df,
// the pass loop, then the statements, owning the program folder all the while.
// Returns false, after a notice, when the file cannot be read (missing, not a plain
// file, too large), the folder is busy or unsafe, or the working files cannot be
// written.
bool ApplyMacro(Engine& engine, const QString& macroPath);
// The same with the macro's bytes (code page 932) instead of a file.
bool ApplyMacroBytes(Engine& engine, const QByteArray& macro);

}  // namespace glimtex
