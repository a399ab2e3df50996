// The main road on screen: "ソースの作成", the board, "完了", the HTML in the output
// window, "クリップボード".
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "GuiFixture.h"
#include "app/OutputWindowState.h"
#include "gui/BoardView.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"
#include "html/BoardSummary.h"
#include "support/BoardLines.h"
#include "support/GoldenCases.h"

namespace glimtex::testing {
namespace {

class BoardAndOutputTest : public GuiFixture {
  protected:
    gui::MainWindowView* main = nullptr;

    void StartWith(const QStringList& macro = {}) {
        Start(macro);
        main = &ShowMain();
    }
    void Type(const QString& text) {
        auto* edit = Find<QLineEdit>(*main, "EditBox");
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Menu(const char* item) {
        Find<QAction>(*main, item)->trigger();
        DeliverPostedCalls();
    }
    // "ソースの作成" or "ドッキング": the board comes on screen.
    void Run(const char* command) {
        Find<QAction>(*main, command)->trigger();
        ASSERT_TRUE(WaitUntil([this] { return Board() && Board()->isVisible(); }));
    }
    gui::BoardView* Board() { return views->Board(); }
    gui::OutputView* Output() { return views->Output(); }
    QPlainTextEdit* OutputBox() { return Find<QPlainTextEdit>(*Output(), "HTMLStringBox"); }
    // Esc or Enter on the board; the output window, if there is one, has heard of
    // the run.
    void PressOnBoard(Qt::Key key) {
        ASSERT_NE(Board(), nullptr);
        QTest::keyClick(Board(), key);
        ASSERT_TRUE(WaitUntil([this] {
            return !program->Find<OutputWindowState>() ||
                   !program->Find<OutputWindowState>()->RefreshPending();
        }));
    }
};

TEST_F(BoardAndOutputTest, TheBoardPrintsTheSummaryOfAFreshStart) {
    StartWith();
    Run("CodeCreate_Run");
    ASSERT_NE(Board(), nullptr);
    EXPECT_TRUE(Board()->isVisible());
    EXPECT_EQ(Board()->windowTitle(), QStringLiteral("情報結果"));
    auto* picture = Find<gui::SummaryPicture>(*Board(), "DataBoard");
    for (const SummaryLine& line : picture->Lines()) EXPECT_FALSE(line.red);
    const QStringList printed = BoardLines(picture->Lines());
    GoldenCases golden(kBoardCasesPath);
    const QStringList expected =
        golden.ExpectLines(QStringLiteral("標準の設定"), QStringLiteral("board"), printed);
    EXPECT_EQ(printed, expected);
    // Every line fits in the picture area, one below the other.
    EXPECT_LE(picture->LineRect(static_cast<int>(expected.size()) - 1).bottom(), picture->height());
}

TEST_F(BoardAndOutputTest, TheMissingSizeLineIsRedAndTheRunIsRefused) {
    StartWith({QStringLiteral("Set.StringShape = \"右下がり\"")});
    Run("CodeCreate_Run");
    ASSERT_NE(Board(), nullptr);
    auto* picture = Find<gui::SummaryPicture>(*Board(), "DataBoard");
    const int last = static_cast<int>(picture->Lines().size()) - 1;
    EXPECT_EQ(picture->Lines().last().text, QStringLiteral("文字サイズの未設定によるエラー"));
    const QImage image = picture->grab().toImage();
    const QRect area = picture->LineRect(last);
    int red = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x < area.left() + 200; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
        }
    }
    EXPECT_GT(red, 20);

    boxes.Answer(QStringLiteral("OK"));
    QTest::mouseClick(Find<QPushButton>(*Board(), "OK_Button"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(boxes.seen[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(boxes.seen[0].text, QStringLiteral("ソースの作成ができません"));
    EXPECT_EQ(boxes.seen[0].buttons, QStringList{QStringLiteral("OK")});
    ASSERT_NE(Board(), nullptr);
    EXPECT_TRUE(Board()->isVisible());
    EXPECT_EQ(Output(), nullptr);
}

TEST_F(BoardAndOutputTest, EnterConfirmsAndEscCancels) {
    StartWith();
    Type(QStringLiteral("abc"));
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Escape);
    EXPECT_EQ(Board(), nullptr);
    EXPECT_EQ(Output(), nullptr);
    EXPECT_EQ(program->Core().Collected().Text(), QString());

    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    EXPECT_EQ(Board(), nullptr);
    ASSERT_NE(Output(), nullptr);
    EXPECT_TRUE(Output()->isVisible());
    EXPECT_EQ(OutputBox()->toPlainText(), program->Core().Collected().Text());
    EXPECT_TRUE(OutputBox()->toPlainText().contains(QStringLiteral("abc")));
}

TEST_F(BoardAndOutputTest, DockedFragmentsStandOnLinesOfTheirOwn) {
    StartWith();
    Type(QStringLiteral("first"));
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    const QString first = program->Core().Collected().Text();
    Type(QStringLiteral("second"));
    Run("CodePlus_Run");
    PressOnBoard(Qt::Key_Return);
    const QString both = program->Core().Collected().Text();
    ASSERT_TRUE(both.startsWith(first + QStringLiteral("\r\n")));
    const QStringList lines = OutputBox()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], both.mid(first.size() + 2));
    EXPECT_EQ(OutputBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(BoardAndOutputTest, TheClipboardGetsTheEditedTextOnYesOnly) {
    StartWith();
    Type(QStringLiteral("copy me"));
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    ASSERT_NE(Output(), nullptr);
    QClipboard* system = QGuiApplication::clipboard();
    system->setText(QStringLiteral("before"));

    QPlainTextEdit* box = OutputBox();
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("<!-- mine -->"));
    const QString edited = program->Core().Collected().Text() + QStringLiteral("\r\n<!-- mine -->");
    auto* copy = Find<QPushButton>(*Output(), "ClipboardButton");

    boxes.Answer(QStringLiteral("いいえ"));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(system->text(), QStringLiteral("before"));

    boxes.Answer(QStringLiteral("はい"));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(system->text(), edited);
    // A rich-text editor finds the same fragment as HTML, which says its encoding.
    const QMimeData* offered = system->mimeData();
    ASSERT_TRUE(offered->hasHtml());
    EXPECT_EQ(offered->html(), QStringLiteral("<meta charset=\"utf-8\">") + edited);
    EXPECT_EQ(offered->text(), edited);
    ASSERT_EQ(boxes.seen.size(), 2);
    EXPECT_EQ(boxes.seen[1].text, QStringLiteral("本当にクリップボードにコピーしてもいいですか？"));
    EXPECT_EQ(boxes.seen[1].buttons,
              (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    EXPECT_EQ(boxes.unexpected, 0);

    // "表示" goes on showing the generated fragments and says that the edit is not there.
    Find<QTabWidget>(*Output(), "HTMLStringTabs")->setCurrentIndex(1);
    auto* note = Find<QLabel>(*Output(), "EditedNote");
    EXPECT_TRUE(note->isVisibleTo(Output()));

    // A new run replaces the edit with the whole collection.
    Run("CodePlus_Run");
    PressOnBoard(Qt::Key_Return);
    EXPECT_FALSE(box->toPlainText().contains(QStringLiteral("mine")));
    EXPECT_FALSE(note->isVisibleTo(Output()));
}

TEST_F(BoardAndOutputTest, BbcodeChosenInTheMenuGoesToTheClipboardAsTextOnly) {
    StartWith();
    Find<QAction>(*main, "BbcodeFormat_Set")->trigger();
    Type(QStringLiteral("[forum]"));
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    ASSERT_NE(Output(), nullptr);
    EXPECT_EQ(OutputBox()->toPlainText(), QStringLiteral("[color=#000000][[b][/b]forum][/color]"));
    boxes.Answer(QStringLiteral("はい"));
    QTest::mouseClick(Find<QPushButton>(*Output(), "ClipboardButton"), Qt::LeftButton);
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(offered->text(), OutputBox()->toPlainText());
    EXPECT_FALSE(offered->hasHtml());
}

TEST_F(BoardAndOutputTest, ClosingTheMainWindowKeepsTheOutputWindow) {
    StartWith();
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    ASSERT_NE(Output(), nullptr);
    main->close();
    DeliverPostedCalls();  // the check for windows left
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(Output(), nullptr);
    EXPECT_TRUE(Output()->isVisible());
    QTest::mouseClick(Find<QPushButton>(*Output(), "CancelButton"), Qt::LeftButton);
    EXPECT_EQ(Output(), nullptr);
}

TEST_F(BoardAndOutputTest, PastingIntoTheSourceBoxTakesTheClipboardsPlainText) {
    StartWith();
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    ASSERT_NE(Output(), nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("<b>貼り付け</b>"));
    OutputBox()->selectAll();
    QTest::keyClick(OutputBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(OutputBox()->toPlainText(), QStringLiteral("<b>貼り付け</b>"));
}

// Esc closes a window without a close event: the program must still end with its
// last window.
TEST_F(BoardAndOutputTest, EscOnTheLastWindowEndsTheProgram) {
    StartWith();
    QSignalSpy gone(views.get(), &gui::Views::lastWindowGone);
    Run("CodeCreate_Run");
    PressOnBoard(Qt::Key_Return);
    ASSERT_NE(Output(), nullptr);
    Menu("End_File");  // "ファイル" → "終了"
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(gone.count(), 0);  // the output window is still there
    QTest::keyClick(Output(), Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return !gone.isEmpty(); }));
    EXPECT_EQ(Output(), nullptr);
    EXPECT_EQ(gone.count(), 1);
}

// However the last window leaves the screen (a message box answered, a window hidden
// while it is recreated and never shown again), the program ends with it.
TEST_F(BoardAndOutputTest, AnyWayTheLastWindowLeavesEndsTheProgram) {
    StartWith();
    QSignalSpy gone(views.get(), &gui::Views::lastWindowGone);
    main->hide();
    main->show();          // within one turn: still there
    DeliverPostedCalls();  // the check for windows left
    EXPECT_EQ(gone.count(), 0);
    main->hide();
    ASSERT_TRUE(WaitUntil([&] { return !gone.isEmpty(); }));
    EXPECT_EQ(gone.count(), 1);
}

}  // namespace
}  // namespace glimtex::testing
