#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace glimtex::testing {

// A file of the user's outside the program folder, private to its owner (mode 0600):
// what a link planted in the folder would lead a careless write to.
class OutsideFile {
  public:
    OutsideFile() {
        QFile file(Path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kContent);
        file.close();
        ::chmod(QFile::encodeName(Path()).constData(), 0600);
    }

    QString Folder() const { return dir_.path(); }
    QString Path() const { return QDir(dir_.path()).filePath(QStringLiteral("private.txt")); }

    // Its content and mode are as they were made.
    void ExpectUnchanged() const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), kContent);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
    }

    static inline const QByteArray kContent = "the user's own text\n";

  private:
    QTemporaryDir dir_;
};

}  // namespace glimtex::testing
