#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>

#include "app/ConfirmationBoardState.h"
#include "app/MainWindowState.h"
#include "app/OutputWindowState.h"
#include "app/Program.h"
#include "core/Feedback.h"
#include "html/HtmlGenerator.h"
#include "support/CollectionSeed.h"
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
    const QString& Collected() { return program->Core().Collected().Text(); }
    QString Seed(const QString& text) { return SeedCollection(program->Core(), text); }

    // The fragment a fresh generator builds from the settings as they are now.
    QString FragmentNow() {
        HtmlGenerator generator;
        EXPECT_TRUE(generator.Build(Settings()));
        return generator.Fragment();
    }

    // Types a text and runs "ソースの作成" or "ドッキング", then "完了"; returns the
    // fragment this run should have produced.
    QString RunAndConfirm(const QString& text, bool create) {
        Main().Form().SetText(text);
        if (create) {
            Main().CreateSource();
        } else {
            Main().Dock();
        }
        QString fragment = FragmentNow();
        EXPECT_NE(program->Find<ConfirmationBoardState>(), nullptr);
        if (program->Find<ConfirmationBoardState>())
            program->Find<ConfirmationBoardState>()->Confirm();
        return fragment;
    }
};

}  // namespace glimtex::testing
