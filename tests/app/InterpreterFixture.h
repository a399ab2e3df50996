#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "app/MainWindowState.h"
#include "app/Program.h"
#include "core/Feedback.h"
#include "engine/MacroInterpreter.h"
#include "macro/TextFile.h"
#include "support/CollectionSeed.h"
#include "support/RecordingFeedback.h"

namespace glimtex::testing {

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

// A program in a temporary folder whose work file holds the given statements.
class InterpreterTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    void Run(const QStringList& lines) {
        ASSERT_TRUE(TextFile::WriteLines(dir_.filePath(QStringLiteral("Buf.df")), lines));
        MacroInterpreter(program_.Core()).RunFile();
    }
    void Run(const QString& line) { Run(QStringList{line}); }

    MainWindowState& Window() { return program_.MainWindow(); }
    const FormControls& Controls() { return program_.MainWindow().Controls(); }
    DecorationSettings& Settings() { return program_.Settings(); }
    const QString& Collected() { return program_.Core().Collected().Text(); }
    QString Seed(const QString& text) { return SeedCollection(program_.Core(), text); }

    QTemporaryDir dir_;
    RecordingFeedback feedback_;
    NoClipboard clipboard_;
    Program program_{dir_.path(), feedback_, clipboard_};
};

}  // namespace glimtex::testing
