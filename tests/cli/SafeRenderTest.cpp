// glimtex-render on a program folder that others can write to, on several runs at
// once and on inputs that never end: nothing outside the folder changes, no run
// prints another's HTML, and every case ends quickly with a clear signal.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <memory>

#include "macro/TextFile.h"
#include "support/OutsideFile.h"
#include "support/WaitUntil.h"

namespace glimtex {
namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString ErrText() const { return QString::fromUtf8(err); }
};

// Whether the process sits in a read of its standard input, with what was written
// to it read already: the system call it waits in, as Linux shows it.
bool BlockedReadingInput(qint64 pid) {
    QFile call(QStringLiteral("/proc/%1/syscall").arg(pid));
    if (!call.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> fields = call.readAll().split(' ');
    return fields.size() > 1 && fields[0].toLong() == SYS_read && fields[1] == "0x0";
}

class SafeRenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_.isValid() && work_.isValid() && scratch_.isValid());
        ASSERT_TRUE(QDir(program_.path()).mkdir(QStringLiteral("Include")));
        WriteProgramFile(QStringLiteral("Default"), {QStringLiteral("Select.SpGroup = 0")});
        WriteProgramFile(
            QStringLiteral("Include/part"),
            {QStringLiteral("Set.MainString = \"_TEXT\""), QStringLiteral("Object.CreateData")});
    }

    void WriteProgramFile(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(TextFile::WriteLines(program_.filePath(name), lines));
    }
    // A macro outside the program folder that defines a text and includes a part
    // that prints it.
    QString WriteMacro(const QString& text, const QString& name = QStringLiteral("macro.txt")) {
        QString path = work_.filePath(name);
        EXPECT_TRUE(TextFile::WriteLines(path, {QStringLiteral("#DEFINE _TEXT __") + text,
                                                QStringLiteral("#INCLUDE \"part\"")}));
        return path;
    }
    static QByteArray Expected(const QString& text) {
        return QStringLiteral("<B><Font Color=#000000>%1</Font></B>\n").arg(text).toUtf8();
    }

    // A renderer started on the program folder, with the system's temporary folder
    // pointed at a folder of its own.
    std::unique_ptr<QProcess> Start(const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(work_.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), scratch_.path());
        process->setProcessEnvironment(environment);
        process->start(Executable(),
                       QStringList{QStringLiteral("--program-dir"), program_.path()} + arguments);
        return process;
    }
    static Result Finish(QProcess& process) {
        Result result;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "glimtex-render did not finish";
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
    Result Render(const QStringList& arguments, const QString& stdinFile = QString()) {
        auto process = std::make_unique<QProcess>();
        if (!stdinFile.isEmpty()) {
            process = std::make_unique<QProcess>();
            process->setStandardInputFile(stdinFile);
            process->setWorkingDirectory(work_.path());
            process->start(
                Executable(),
                QStringList{QStringLiteral("--program-dir"), program_.path()} + arguments);
        } else {
            process = Start(arguments);
            process->closeWriteChannel();
        }
        return Finish(*process);
    }
    static QString Executable() {
        return qEnvironmentVariable("GLIMTEX_RENDER_EXE", QStringLiteral(GLIMTEX_RENDER_EXE));
    }
    bool ScratchIsEmpty() const {
        return QDir(scratch_.path())
            .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir program_;
    QTemporaryDir work_;
    QTemporaryDir scratch_;
};

TEST_F(SafeRenderTest, AWorkingFileLinkedOutsideStopsTheRunAndTheOutsideFileIsKept) {
    for (const char* name : {"Buf.df", "Define.df", "MacroList.df", "Include.df"}) {
        const testing::OutsideFile outside;
        const QString link = program_.filePath(QLatin1String(name));
        ASSERT_TRUE(QFile::link(outside.Path(), link));
        const Result r = Render({WriteMacro(QStringLiteral("x"))});
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_TRUE(r.out.isEmpty()) << name;
        EXPECT_EQ(r.err.count('\n'), 1) << r.ErrText().toStdString();
        EXPECT_TRUE(r.ErrText().contains(QLatin1String(name))) << r.ErrText().toStdString();
        outside.ExpectUnchanged();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        ASSERT_TRUE(QFile::remove(link));
    }
}

TEST_F(SafeRenderTest, LinksPlantedUnderTemporaryNamesLeaveTheOutsideFileAlone) {
    const testing::OutsideFile outside;
    for (const char* name : {"Buf.df.new", "Include.df.new", "Define.df.new", "MacroList.df.new"}) {
        ASSERT_TRUE(QFile::link(outside.Path(), program_.filePath(QLatin1String(name))));
    }
    for (int run = 0; run < 2; ++run) {
        const Result r = Render({WriteMacro(QStringLiteral("x"))});
        EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
        EXPECT_EQ(r.out, Expected(QStringLiteral("x")));
    }
    outside.ExpectUnchanged();
}

TEST_F(SafeRenderTest, RunsAtOnceOnOneFolderEachPrintTheirOwnMacro) {
    constexpr int kRuns = 20;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.push_back(Start(
            {WriteMacro(QStringLiteral("run%1").arg(i), QStringLiteral("macro%1.txt").arg(i))}));
        runs.back()->closeWriteChannel();
    }
    for (int i = 0; i < kRuns; ++i) {
        const Result r = Finish(*runs[static_cast<size_t>(i)]);
        EXPECT_EQ(r.exitCode, 0) << i << ": " << r.ErrText().toStdString();
        EXPECT_EQ(r.out, Expected(QStringLiteral("run%1").arg(i)));
        EXPECT_TRUE(r.err.isEmpty()) << i << ": " << r.ErrText().toStdString();
    }
}

TEST_F(SafeRenderTest, EndlessStandardInputStopsAtTheBoundAsTooLarge) {
    const Result r = Render({QStringLiteral("-")}, QStringLiteral("/dev/zero"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("too large (larger than 2 MiB)")))
        << r.ErrText().toStdString();
    EXPECT_FALSE(QFile::exists(program_.filePath(QStringLiteral("Buf.df"))));
}

TEST_F(SafeRenderTest, AMacroThatIsADeviceOrAFifoIsNotAPlainFile) {
    const QString fifo = work_.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& macro : {QStringLiteral("/dev/zero"), fifo}) {
        const Result r = Render({macro});
        EXPECT_EQ(r.exitCode, 2) << macro.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1);
        EXPECT_TRUE(r.ErrText().contains(QStringLiteral("not a plain file")))
            << r.ErrText().toStdString();
    }
}

TEST_F(SafeRenderTest, AMacroOverTheBoundIsRefusedAsTooLargeBeforeAnythingIsCopied) {
    // Three gibibytes that take no room on the disk.
    const QString big = work_.filePath(QStringLiteral("big.txt"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{3} << 30));
    file.close();
    const Result r = Render({big});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("too large"))) << r.ErrText().toStdString();
    EXPECT_FALSE(QFile::exists(program_.filePath(QStringLiteral("Buf.df"))));
}

TEST_F(SafeRenderTest, AnIncludeOverTheBoundStopsTheMacroAsTooLarge) {
    QFile file(program_.filePath(QStringLiteral("Include/big")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{3} << 30));
    file.close();
    const QString macro = work_.filePath(QStringLiteral("big.txt"));
    ASSERT_TRUE(TextFile::WriteLines(macro, {QStringLiteral("#INCLUDE \"big\"")}));
    const Result r = Render({macro});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("\n"));
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("大きすぎます"))) << r.ErrText().toStdString();
}

TEST_F(SafeRenderTest, AMacroThatIsAHardLinkToAWorkingFileIsRefusedAndKept) {
    const QString macro = WriteMacro(QStringLiteral("mine"));
    const QByteArray before = TextFile::ReadBytes(macro).value_or(QByteArray());
    ASSERT_EQ(::link(QFile::encodeName(macro).constData(),
                     QFile::encodeName(program_.filePath(QStringLiteral("Define.df"))).constData()),
              0);
    const Result r = Render({macro});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("working file"))) << r.ErrText().toStdString();
    QFile kept(macro);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
}

TEST_F(SafeRenderTest, NoScratchFolderIsLeftBehindEvenByAKilledRun) {
    EXPECT_EQ(Render({}).exitCode, 0);
    auto fromInput =
        Start({QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")});
    fromInput->write("Set.MainString = \"u\"\nObject.CreateData\n");
    fromInput->closeWriteChannel();
    EXPECT_EQ(Finish(*fromInput).exitCode, 0);
    // A run killed while it waits for its macro on standard input.
    auto waiting =
        Start({QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")});
    ASSERT_TRUE(waiting->waitForStarted());
    waiting->write("Set.MainString = \"u\"\n");
    waiting->waitForBytesWritten();
    ASSERT_TRUE(testing::WaitUntil([&] { return BlockedReadingInput(waiting->processId()); }));
    waiting->kill();
    waiting->waitForFinished();
    EXPECT_TRUE(ScratchIsEmpty());
}

}  // namespace
}  // namespace glimtex
