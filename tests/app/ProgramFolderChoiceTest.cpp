#include "engine/ProgramFolderChoice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace glimtex {
namespace {

class ProgramFolderChoiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        places_.executableDir = Path(QStringLiteral("bin"));
        places_.bundledDir = Path(QStringLiteral("share/glimtex"));
        places_.userDir = Path(QStringLiteral("data/glimtex"));
        ASSERT_TRUE(QDir().mkpath(places_.executableDir));
    }

    QString Path(const QString& name) const { return temp_.filePath(name); }
    static void Write(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir temp_;
    ProgramFolderPlaces places_;
};

TEST_F(ProgramFolderChoiceTest, GivenFolderWinsThenAnExecutableFolderWithDefault) {
    Write(places_.executableDir + QStringLiteral("/Default"), "");
    places_.given = Path(QStringLiteral("mine"));
    ProgramFolderChoice given(places_);
    EXPECT_EQ(given.Source(), ProgramFolderSource::Given);
    EXPECT_EQ(given.Path(), Path(QStringLiteral("mine")));
    EXPECT_TRUE(given.Prepare());
    EXPECT_FALSE(QFileInfo::exists(places_.userDir));

    places_.given.clear();
    EXPECT_EQ(ProgramFolderChoice(places_).Source(), ProgramFolderSource::Portable);
    EXPECT_EQ(ProgramFolderChoice(places_).Path(), places_.executableDir);
}

TEST_F(ProgramFolderChoiceTest, UserFolderGetsNestedBundledFilesButKeepsItsOwnOfTheSameName) {
    Write(places_.bundledDir + QStringLiteral("/Default"), "bundled default");
    Write(places_.bundledDir + QStringLiteral("/Include/Parts/Head"), "head");
    Write(places_.bundledDir + QStringLiteral("/Macro/Rainbow"), "bundled rainbow");
    Write(places_.bundledDir + QStringLiteral("/Buf.df"), "not bundled");
    // Made by the user before a newer install brought a macro of the same name.
    Write(places_.userDir + QStringLiteral("/Macro/Rainbow"), "own rainbow");

    ProgramFolderChoice choice(places_);
    EXPECT_EQ(choice.Source(), ProgramFolderSource::User);
    ASSERT_TRUE(choice.Prepare()) << choice.Error().toStdString();
    const QDir user(places_.userDir);
    EXPECT_EQ(Read(user.filePath(QStringLiteral("Default"))), QByteArray("bundled default"));
    EXPECT_EQ(Read(user.filePath(QStringLiteral("Include/Parts/Head"))), QByteArray("head"));
    EXPECT_EQ(Read(user.filePath(QStringLiteral("Macro/Rainbow"))), QByteArray("own rainbow"));
    EXPECT_FALSE(user.exists(QStringLiteral("Buf.df")));
    EXPECT_TRUE(choice.Description().contains(places_.bundledDir));
}

TEST_F(ProgramFolderChoiceTest, FolderThatCannotBeMadeIsNamedInBothMessages) {
    Write(Path(QStringLiteral("data")), "a file where the folder should go");
    ProgramFolderChoice choice(places_);
    EXPECT_FALSE(choice.Prepare());
    EXPECT_EQ(choice.Failure(), ProgramFolderChoice::Problem::CannotMake);
    EXPECT_TRUE(choice.Error().contains(places_.userDir));
    EXPECT_TRUE(choice.Notice().contains(places_.userDir));
}

// The record of bundled files is opened as a working file is: never through a link,
// never a FIFO, never read past its bound.
TEST_F(ProgramFolderChoiceTest, AnUnsafeRecordIsRefusedWithoutTouchingWhatItPointsTo) {
    Write(places_.bundledDir + QStringLiteral("/Macro/Rainbow"), "bundled rainbow");
    const QString record = places_.userDir + QStringLiteral("/.bundled");
    const QString outside = Path(QStringLiteral("outside.txt"));
    Write(outside, "someone else's file\n");
    ASSERT_TRUE(QDir().mkpath(places_.userDir));
    ASSERT_TRUE(QFile::link(outside, record));
    ProgramFolderChoice linked(places_);
    EXPECT_FALSE(linked.Prepare());
    EXPECT_EQ(linked.Failure(), ProgramFolderChoice::Problem::RecordUnsafe);
    EXPECT_TRUE(linked.Error().contains(QStringLiteral(".bundled")));
    EXPECT_EQ(Read(outside), QByteArray("someone else's file\n"));

    ASSERT_TRUE(QFile::remove(record));
    ASSERT_EQ(mkfifo(QFile::encodeName(record).constData(), 0600), 0);
    ProgramFolderChoice fifo(places_);  // would wait for a writer for ever if opened
    EXPECT_FALSE(fifo.Prepare());
    EXPECT_EQ(fifo.Failure(), ProgramFolderChoice::Problem::RecordUnsafe);

    ASSERT_TRUE(QFile::remove(record));
    QFile large(record);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(qint64{1} << 30));  // sparse: a gigabyte of nothing
    large.close();
    ProgramFolderChoice oversized(places_);
    EXPECT_FALSE(oversized.Prepare());
    EXPECT_EQ(oversized.Failure(), ProgramFolderChoice::Problem::RecordTooLarge);
    EXPECT_TRUE(oversized.Notice().contains(QStringLiteral("1 MiB")));
}

TEST_F(ProgramFolderChoiceTest, BundledFilesAreNotWrittenThroughALinkOfTheUsers) {
    Write(places_.bundledDir + QStringLiteral("/Macro/Rainbow"), "bundled rainbow");
    Write(places_.bundledDir + QStringLiteral("/Default"), "bundled default");
    const QString elsewhere = Path(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QDir().mkpath(places_.userDir));
    ASSERT_TRUE(QFile::link(elsewhere, places_.userDir + QStringLiteral("/Macro")));
    ASSERT_TRUE(
        QFile::link(Path(QStringLiteral("nowhere")), places_.userDir + QStringLiteral("/Default")));
    ProgramFolderChoice choice(places_);
    EXPECT_TRUE(choice.Prepare()) << choice.Error().toStdString();
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("nowhere"))));
    // A link in a file's place is the user's own file, as a file would be; the files
    // behind a linked folder are added once the link is gone.
    EXPECT_EQ(Read(places_.userDir + QStringLiteral("/.bundled")), QByteArray("Default\n"));
}

}  // namespace
}  // namespace glimtex
