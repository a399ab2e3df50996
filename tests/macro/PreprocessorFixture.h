#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "macro/Preprocessor.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"
#include "support/RecordingFeedback.h"

namespace glimtex::testing {

// A program folder of its own in a temporary directory, with Include/ and Macro/,
// an emptied Define.df and MacroList.df, and a preprocessor working in it.
class PreprocessorFixture : public ::testing::Test {
  protected:
    PreprocessorFixture() {
        QDir dir(temp_.path());
        dir.mkdir(QStringLiteral("Include"));
        dir.mkdir(QStringLiteral("Macro"));
        WorkingFiles::EmptyDefineTable(folder_);
        WorkingFiles::EmptyMacroList(folder_);
    }

    QString PathOf(const QString& name) const { return QDir(temp_.path()).filePath(name); }

    static QByteArray Bytes(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines) {
            bytes += TextFile::Encode(line) + "\r\n";
        }
        return bytes;
    }

    void WriteRaw(const QString& name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    void Write(const QString& name, const QStringList& lines) const {
        WriteRaw(name, Bytes(lines));
    }
    void Work(const QStringList& lines) const { Write(QStringLiteral("Buf.df"), lines); }

    QByteArray ReadRaw(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Lines(const QString& name) const {
        return TextFile::ReadLines(PathOf(name)).value_or(QStringList{QStringLiteral("<missing>")});
    }
    // The work file without the empty line every pass leaves at its end.
    QStringList WorkLines() const {
        QStringList lines = Lines(QStringLiteral("Buf.df"));
        if (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }

    void Pass() { preprocessor_.Preprocess(QStringLiteral("Buf.df")); }
    bool Loop() { return preprocessor_.RunPassLoop(); }

    // Runs the whole loop on the lines and gives back what is left to execute.
    QStringList Expand(const QStringList& lines) {
        Work(lines);
        EXPECT_TRUE(Loop());
        return WorkLines();
    }

    QTemporaryDir temp_;
    ProgramFolder folder_{temp_.path()};
    RecordingFeedback feedback_;
    Preprocessor preprocessor_{folder_, feedback_};
};

}  // namespace glimtex::testing
