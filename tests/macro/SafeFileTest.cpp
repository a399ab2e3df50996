// Working files in a folder that others can write to: a link or an odd file planted
// under a working file's name, or under a temporary name, never leads a write out of
// the folder; reads end quickly, whatever lies at the path.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "macro/SafeFile.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"
#include "support/OutsideFile.h"

namespace glimtex {
namespace {

class SafeFileTest : public ::testing::Test {
  protected:
    QString InFolder(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    QTemporaryDir folder_;
    testing::OutsideFile outside_;
};

TEST_F(SafeFileTest, AWorkingFileThatIsASymbolicLinkIsNeverWrittenThrough) {
    for (const QString& name : WorkingFiles::kAll) {
        const QString path = InFolder(name);
        ASSERT_TRUE(QFile::link(outside_.Path(), path));
        EXPECT_FALSE(TextFile::Truncate(path)) << name.toStdString();
        EXPECT_FALSE(TextFile::AppendText(path, "appended\r\n")) << name.toStdString();
        EXPECT_FALSE(TextFile::WriteText(path, "replaced\r\n")) << name.toStdString();
        EXPECT_FALSE(TextFile::ReadBytes(path).has_value()) << name.toStdString();
        outside_.ExpectUnchanged();
        EXPECT_EQ(SafeFile::Inspect(path), SafeFile::Status::Link);
        EXPECT_EQ(WorkingFiles::FirstUnsafe(ProgramFolder(folder_.path())), name);
        QFile::remove(path);
    }
}

TEST_F(SafeFileTest, AWorkingFileWithAnotherNameIsNeverAppendedToOrEmptied) {
    const QString path = InFolder(WorkingFiles::kDefineTable);
    ASSERT_EQ(
        ::link(QFile::encodeName(outside_.Path()).constData(), QFile::encodeName(path).constData()),
        0);
    EXPECT_FALSE(TextFile::Truncate(path));
    EXPECT_FALSE(TextFile::AppendText(path, "appended\r\n"));
    outside_.ExpectUnchanged();
    EXPECT_EQ(WorkingFiles::FirstUnsafe(ProgramFolder(folder_.path())), WorkingFiles::kDefineTable);
}

TEST_F(SafeFileTest, LinksPlantedUnderTemporaryNamesAreLeftAlone) {
    for (const QString& name : {QStringLiteral("Buf.df"), QStringLiteral("Include.df")}) {
        // The names the writer once used beside the file, and a few guesses.
        for (const char* suffix : {".new", ".tmp", "~", ".tmp0"}) {
            ASSERT_TRUE(QFile::link(outside_.Path(), InFolder(name + QLatin1String(suffix))));
        }
        ASSERT_TRUE(TextFile::WriteText(InFolder(name), "first\r\n"));
        ASSERT_TRUE(TextFile::WriteText(InFolder(name), "second\r\n"));
        EXPECT_EQ(TextFile::ReadLines(InFolder(name)), QStringList{"second"});
        outside_.ExpectUnchanged();
    }
    // Nothing but the two files and the planted links is left behind.
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::System).size(), 2 + 2 * 4);
}

TEST_F(SafeFileTest, ReplacingKeepsTheModeOfTheFileAndANewFileGetsTheUsualMode) {
    const QString path = InFolder(WorkingFiles::kWorkFile);
    ASSERT_TRUE(TextFile::WriteText(path, "one\r\n"));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(TextFile::WriteText(path, "two\r\n"));
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeFileTest, ADeviceIsNotAPlainFileAndIsNotRead) {
    EXPECT_EQ(TextFile::ReadUserFile(QStringLiteral("/dev/zero")).status,
              SafeFile::Status::NotRegular);
    EXPECT_EQ(SafeFile::Read(QStringLiteral("/dev/zero"), 100, SafeFile::Links::Refuse).status,
              SafeFile::Status::NotRegular);
}

TEST_F(SafeFileTest, AFifoIsNotAPlainFileAndReadingItDoesNotWaitForAWriter) {
    const QString fifo = InFolder(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(TextFile::ReadUserFile(fifo).status, SafeFile::Status::NotRegular);
    EXPECT_FALSE(TextFile::AppendText(fifo, "x"));
    EXPECT_FALSE(TextFile::Truncate(fifo));
}

TEST_F(SafeFileTest, AFileOverTheBoundIsRefusedBeforeItIsRead) {
    // Three gibibytes that take no room: reading them whole would take minutes.
    const QString big = InFolder(QStringLiteral("big"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{3} << 30));
    file.close();
    EXPECT_EQ(TextFile::ReadUserFile(big).status, SafeFile::Status::TooLarge);
    EXPECT_FALSE(TextFile::CopyFile(big, InFolder(WorkingFiles::kWorkFile)));
    EXPECT_FALSE(QFile::exists(InFolder(WorkingFiles::kWorkFile)));
}

TEST_F(SafeFileTest, AStreamStopsAtTheBound) {
    QFile zero(QStringLiteral("/dev/zero"));
    ASSERT_TRUE(zero.open(QIODevice::ReadOnly));
    EXPECT_EQ(SafeFile::ReadStream(zero.handle(), 4096).status, SafeFile::Status::TooLarge);
    QFile empty(QStringLiteral("/dev/null"));
    ASSERT_TRUE(empty.open(QIODevice::ReadOnly));
    const SafeFile::ReadResult nothing = SafeFile::ReadStream(empty.handle(), 4096);
    EXPECT_EQ(nothing.status, SafeFile::Status::Ok);
    EXPECT_TRUE(nothing.bytes.isEmpty());
}

TEST_F(SafeFileTest, AHardLinkToAWorkingFileIsThatWorkingFile) {
    const ProgramFolder folder(folder_.path());
    ASSERT_TRUE(TextFile::WriteText(InFolder(WorkingFiles::kMacroList), "x\r\n"));
    const QString other = QDir(outside_.Folder()).filePath(QStringLiteral("macro"));
    ASSERT_EQ(::link(QFile::encodeName(InFolder(WorkingFiles::kMacroList)).constData(),
                     QFile::encodeName(other).constData()),
              0);
    EXPECT_TRUE(WorkingFiles::IsAnyWorkingFile(folder, other));
    EXPECT_FALSE(WorkingFiles::IsAnyWorkingFile(folder, outside_.Path()));
}

}  // namespace
}  // namespace glimtex
