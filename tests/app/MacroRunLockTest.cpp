// One macro run at a time per program folder, and no run on a folder whose working
// files are links: the start-up and an applied macro own the folder from the first
// copy to the last statement, another process waits a bounded time, and a run that
// crashed holds nothing.

#include "engine/MacroRunLock.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "app/Program.h"
#include "engine/Startup.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"
#include "support/OutsideFile.h"
#include "support/RecordingFeedback.h"

namespace glimtex {
namespace {

using namespace std::chrono_literals;

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

// Whether some run (this process's or another's) holds the folder, asked as another
// process would: through a descriptor of its own.
bool FolderTaken(const QString& folder) {
    const QByteArray name = QFile::encodeName(QDir(folder).filePath(MacroRunLock::kFileName));
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0666);
    if (fd < 0) return false;
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return taken;
}

// Checks, at every beep, whether the folder is held at that moment.
class LockWatchingFeedback : public RecordingFeedback {
  public:
    explicit LockWatchingFeedback(QString folder) : folder_(std::move(folder)) {}
    void Beep() override {
        RecordingFeedback::Beep();
        heldAtEveryBeep = heldAtEveryBeep && FolderTaken(folder_);
    }
    bool heldAtEveryBeep = true;

  private:
    QString folder_;
};

class MacroRunLockTest : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    ProgramFolder Folder() const { return ProgramFolder(dir_.path()); }

    QTemporaryDir dir_;
    NoClipboard clipboard_;
};

TEST_F(MacroRunLockTest, AnotherHolderMakesItWaitThenGiveUp) {
    const QByteArray name = QFile::encodeName(PathOf(MacroRunLock::kFileName));
    const int other = ::open(name.constData(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    {
        const MacroRunLock lock(Folder(), 50ms);
        EXPECT_EQ(lock.Status(), MacroRunLock::State::Busy);
    }
    ::close(other);
    const MacroRunLock lock(Folder(), 50ms);
    EXPECT_TRUE(lock.Held());
}

TEST_F(MacroRunLockTest, IsHeldForItsScopeAndCountsWithinTheProcess) {
    {
        const MacroRunLock outer(Folder());
        ASSERT_TRUE(outer.Held());
        {
            const MacroRunLock inner(Folder(), 0ms);
            EXPECT_TRUE(inner.Held());
        }
        EXPECT_TRUE(FolderTaken(dir_.path()));
    }
    EXPECT_FALSE(FolderTaken(dir_.path()));
}

TEST_F(MacroRunLockTest, ARunThatWasKilledHoldsNothing) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const MacroRunLock lock(Folder());
        ::raise(SIGKILL);  // dies holding it
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(QFile::exists(PathOf(MacroRunLock::kFileName)));
    const MacroRunLock lock(Folder(), 0ms);
    EXPECT_TRUE(lock.Held());
}

TEST_F(MacroRunLockTest, ALockFileThatIsALinkIsNotOpened) {
    const testing::OutsideFile outside;
    ASSERT_TRUE(QFile::link(outside.Path(), PathOf(MacroRunLock::kFileName)));
    const MacroRunLock lock(Folder(), 0ms);
    EXPECT_EQ(lock.Status(), MacroRunLock::State::Unsafe);
    outside.ExpectUnchanged();
}

TEST_F(MacroRunLockTest, TheStartupOwnsTheFolderWhileItRuns) {
    ASSERT_TRUE(TextFile::WriteLines(PathOf("Default"), {"Select.MojiSize = big"}));
    LockWatchingFeedback feedback(dir_.path());
    Program program(dir_.path(), feedback, clipboard_);
    Startup startup(program.Core());
    startup.Run();
    EXPECT_EQ(startup.Outcome(), StartupOutcome::Done);
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.heldAtEveryBeep);
    EXPECT_FALSE(FolderTaken(dir_.path()));
}

TEST_F(MacroRunLockTest, AnAppliedMacroOwnsTheFolderWhileItRuns) {
    const QString macro = PathOf("Macro/m");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Macro"));
    ASSERT_TRUE(TextFile::WriteLines(macro, {"Select.MojiSize = big"}));
    LockWatchingFeedback feedback(dir_.path());
    Program program(dir_.path(), feedback, clipboard_);
    EXPECT_TRUE(ApplyMacro(program.Core(), macro));
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.heldAtEveryBeep);
}

TEST_F(MacroRunLockTest, AWorkingFileThatIsALinkStopsTheStartupWithANotice) {
    for (const QString& name : WorkingFiles::kAll) {
        const testing::OutsideFile outside;
        ASSERT_TRUE(TextFile::WriteLines(PathOf("Default"), {"#DEFINE _X __text"}));
        ASSERT_TRUE(QFile::link(outside.Path(), PathOf(name)));
        RecordingFeedback feedback;
        Program program(dir_.path(), feedback, clipboard_);
        Startup startup(program.Core());
        startup.Run();
        EXPECT_EQ(startup.Outcome(), StartupOutcome::WorkingFileUnsafe) << name.toStdString();
        ASSERT_EQ(feedback.notices.size(), 1);
        EXPECT_EQ(feedback.notices[0].title, kNoticeTitle);
        EXPECT_EQ(feedback.notices[0].text, kUnsafeWorkingFileMessage + name);
        EXPECT_FALSE(ApplyMacro(program.Core(), PathOf("Default")));
        outside.ExpectUnchanged();
        ASSERT_TRUE(QFile::remove(PathOf(name)));
    }
}

TEST_F(MacroRunLockTest, AMacroOverTheBoundIsRefusedBeforeAnythingIsCopied) {
    QFile big(PathOf("big"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64{3} << 30));
    big.close();
    ASSERT_TRUE(TextFile::WriteLines(PathOf("Buf.df"), {"before"}));
    RecordingFeedback feedback;
    Program program(dir_.path(), feedback, clipboard_);
    EXPECT_FALSE(ApplyMacro(program.Core(), PathOf("big")));
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, kMacroTooLargeMessage + PathOf("big"));
    EXPECT_EQ(TextFile::ReadLines(PathOf("Buf.df")), QStringList{"before"});
}

}  // namespace
}  // namespace glimtex
