#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>

#include "app/ConfirmationBoard.h"
#include "app/MainWindowState.h"
#include "app/OutputWindow.h"
#include "app/Program.h"
#include "core/Feedback.h"
#include "html/HtmlGenerator.h"
#include "support/RecordingFeedback.h"

namespace glimtex::testing {

// A clipboard that keeps everything put on it.
class RecordingClipboard : public Clipboard {
  public:
    QStringList texts;
    void SetText(const QString& text) override { texts.append(text); }
};

// A program in a temporary folder whose messages and clipboard are recorded.
class ProgramFixture : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    RecordingFeedback feedback;
    RecordingClipboard clipboard;
    std::unique_ptr<Program> program = std::make_unique<Program>(dir.path(), feedback, clipboard);

    MainWindowState& Main() { return program->MainWindow(); }
    DecorationSettings& Settings() { return program->Settings(); }

    // The fragment a fresh generator builds from the settings as they are now.
    QString FragmentNow() {
        HtmlGenerator generator;
        EXPECT_TRUE(generator.Build(Settings()));
        return generator.MainHTML();
    }

    // Types a text and runs "ソースの作成" or "ドッキング", then "完了"; returns the
    // fragment this run should have produced.
    QString RunAndConfirm(const QString& text, bool create) {
        Main().SetEditText(text);
        if (create) {
            Main().CodeCreate_Run_Click();
        } else {
            Main().CodePlus_Run_Click();
        }
        QString fragment = FragmentNow();
        EXPECT_NE(program->Board(), nullptr);
        if (program->Board()) program->Board()->OK_Button_Click();
        return fragment;
    }
};

}  // namespace glimtex::testing
