#pragma once

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "MessageBoxAnswerer.h"
#include "app/Program.h"
#include "engine/Startup.h"
#include "gui/GuiFeedback.h"
#include "gui/SystemClipboard.h"
#include "gui/Views.h"
#include "macro/TextFile.h"
#include "support/WaitUntil.h"

namespace glimtex::testing {

// The main window and the preview draw the program's state, the output window hears
// of a run and the board comes on screen once per turn of the event loop (so that a
// macro's many changes are drawn once): each posts a call to itself. Delivers the
// calls posted so far, as the end of the turn would.
inline void DeliverPostedCalls() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }

// Types text the way an input method delivers Japanese: a committed string.
inline void TypeThroughInputMethod(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Picks an entry from a combo box's list with the mouse.
inline void Pick(QComboBox* combo, const QString& entry) {
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    DeliverPostedCalls();  // the window the combo box is on draws the pick
}

// Whether a combo box shows the whole of its text from the first character: the caret
// stands before it and the text fits inside the two pixels a line edit keeps each side.
inline ::testing::AssertionResult ShowsWholeText(const QComboBox* combo) {
    const QLineEdit* edit = combo->lineEdit();
    const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 4;
    if (edit->cursorPosition() == 0 && needed <= edit->width()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << combo->objectName().toStdString() << " shows \"" << edit->text().toStdString()
           << "\" in " << edit->width() << " of " << needed << " pixels, the caret at "
           << edit->cursorPosition();
}

// The windowed program over a temporary program folder, with the real message
// boxes (answered by the test) and the real clipboard.
class GuiFixture : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    // The user's settings (where the main window was left) in a folder of the test's
    // own, never the person's.
    QTemporaryDir settingsDir;
    GuiFixture() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    gui::GuiFeedback feedback;
    gui::SystemClipboard clipboard;
    MessageBoxAnswerer boxes;
    std::unique_ptr<Program> program;
    std::unique_ptr<gui::Views> views;

    // Writes the start-up macro (UTF-8 lines, stored as the program stores them)
    // and runs the start-up as the title window's load does.
    void Start(const QStringList& defaultMacro = {}) {
        ASSERT_TRUE(TextFile::WriteLines(dir.filePath(QStringLiteral("Default")), defaultMacro));
        program = std::make_unique<Program>(dir.path(), feedback, clipboard);
        views = std::make_unique<gui::Views>(*program);
        Startup(program->Core()).Run();
    }

    void TearDown() override {
        views.reset();
        program.reset();
        // Windows retired during the test go now, not in the next test.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    gui::MainWindowView& ShowMain() {
        gui::MainWindowView& main = views->ShowMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));  // brought to the front
        return main;
    }

    template <typename T>
    static T* Find(QWidget& window, const QString& name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    template <typename T>
    static T* Find(QWidget& window, const char* name) {
        return Find<T>(window, QString::fromLatin1(name));
    }
};

}  // namespace glimtex::testing
