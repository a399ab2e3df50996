// The colour swatches, the mixer with its palette, and the macro picker, driven
// with the mouse and the keyboard.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "GuiFixture.h"
#include "gui/ColorMixerView.h"
#include "gui/ColorPaletteView.h"
#include "gui/ColorSwatch.h"
#include "gui/MacroPickerView.h"
#include "gui/MainWindowView.h"

namespace glimtex::testing {
namespace {

QColor Middle(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->rect().center());
}

class ColorToolsTest : public GuiFixture {
  protected:
    gui::MainWindowView* main = nullptr;
    void SetUp() override {
        Start();
        main = &ShowMain();
        QTest::mouseClick(Find<QPushButton>(*main, "CommandButton_2"), Qt::LeftButton);
        DeliverPostedCalls();  // the colour panel is drawn
    }
    // The mixer and the palette open, and follow a click, at once.
    static void ClickSwatch(QWidget& window, const QString& name) {
        QTest::mouseClick(Find<QWidget>(window, name), Qt::LeftButton);
    }
    QString Label(const char* name) { return Find<QLabel>(*views->ColorMixer(), name)->text(); }
};

TEST_F(ColorToolsTest, ASwatchOpensTheMixerWithItsPalette) {
    ClickSwatch(*main, QStringLiteral("ColorBox_0"));
    ASSERT_NE(views->ColorMixer(), nullptr);
    ASSERT_NE(views->ColorPalette(), nullptr);
    EXPECT_TRUE(views->ColorMixer()->isVisible());
    EXPECT_TRUE(views->ColorPalette()->isVisible());
    EXPECT_EQ(views->ColorMixer()->windowTitle(), QStringLiteral("色情報"));
    EXPECT_EQ(views->ColorPalette()->windowTitle(), QStringLiteral("色見本"));
    EXPECT_EQ(views->ColorPalette()->findChildren<gui::ColorSwatch*>().size(), 35);
}

TEST_F(ColorToolsTest, ThePaletteNeverStandsOverTheMixer) {
    // The main window stands in the middle of the screen: no room for both on its right.
    ClickSwatch(*main, QStringLiteral("ColorBox_0"));
    ASSERT_NE(views->ColorPalette(), nullptr);
    EXPECT_FALSE(
        views->ColorPalette()->frameGeometry().intersects(views->ColorMixer()->frameGeometry()));
}

TEST_F(ColorToolsTest, APaletteClickMovesTheBarsAndSetRepaintsTheSwatch) {
    ClickSwatch(*main, QStringLiteral("ColorBox_0"));
    ClickSwatch(*views->ColorPalette(), QStringLiteral("ColorCodeBox_13"));
    gui::ColorMixerView* mixer = views->ColorMixer();
    EXPECT_EQ(Find<QScrollBar>(*mixer, "RScroll")->value(), 255);
    EXPECT_EQ(Find<QScrollBar>(*mixer, "GScroll")->value(), 200);
    EXPECT_EQ(Find<QScrollBar>(*mixer, "BScroll")->value(), 0);
    EXPECT_EQ(Label("RLabel"), QStringLiteral("255"));
    EXPECT_EQ(Label("GLabel"), QStringLiteral("200"));
    EXPECT_EQ(Label("BLabel"), QStringLiteral("0"));
    EXPECT_EQ(Middle(Find<QWidget>(*mixer, "RGB_ColorBox")), QColor(255, 200, 0));
    // Nothing reaches the settings before "設定".
    EXPECT_EQ(program->Settings().colors[0], (ColorTriple{0, 0, 0}));

    // One click on the blue bar's right arrow, then Enter is "設定".
    auto* blue = Find<QScrollBar>(*mixer, "BScroll");
    QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(blue->width() - 3, blue->height() / 2));
    EXPECT_EQ(Label("BLabel"), QStringLiteral("1"));
    QTest::keyClick(mixer, Qt::Key_Return);
    DeliverPostedCalls();  // the main window draws the new colour
    EXPECT_EQ(views->ColorMixer(), nullptr);
    EXPECT_EQ(views->ColorPalette(), nullptr);
    EXPECT_EQ(program->Settings().colors[0], (ColorTriple{255, 200, 1}));
    EXPECT_EQ(Middle(Find<QWidget>(*main, "ColorBox_0")), QColor(255, 200, 1));
    auto* strip = Find<QWidget>(*main, "ColorMap");
    EXPECT_EQ(Middle(strip), QColor(255, 200, 1));
}

TEST_F(ColorToolsTest, CancelAndClosingTheMainWindowChangeNothing) {
    ClickSwatch(*main, QStringLiteral("ColorBox_0"));
    ClickSwatch(*views->ColorPalette(), QStringLiteral("ColorCodeBox_2"));
    QTest::keyClick(views->ColorMixer(), Qt::Key_Escape);
    DeliverPostedCalls();  // a main window redrawn here would show a change
    EXPECT_EQ(views->ColorMixer(), nullptr);
    EXPECT_EQ(views->ColorPalette(), nullptr);
    EXPECT_EQ(Middle(Find<QWidget>(*main, "ColorBox_0")), QColor(0, 0, 0));

    // The palette closed alone leaves the mixer working; the main window takes both.
    QTest::mouseClick(Find<QPushButton>(*main, "CommandButton_4"), Qt::LeftButton);
    Pick(Find<QComboBox>(*main, "BackStyleCombo"), QStringLiteral("単色"));
    ClickSwatch(*main, QStringLiteral("BackColorBox"));
    views->ColorPalette()->close();
    EXPECT_EQ(views->ColorPalette(), nullptr);
    ASSERT_NE(views->ColorMixer(), nullptr);
    main->close();
    EXPECT_EQ(views->ColorMixer(), nullptr);
    EXPECT_EQ(program->Settings().backgroundColor, (ColorTriple{0, 0, 0}));
}

class MacroPickerTest : public GuiFixture {
  protected:
    // Starts with the bundled start-up macro and the given bundled macros, in a folder
    // of the test's own.
    void StartWithBundled(const QStringList& macros) {
        QDir(dir.path()).mkpath(QStringLiteral("Macro"));
        for (const QString& name : QStringList{QStringLiteral("Default")} + macros) {
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(GLIMTEX_DATA_DIR "/") + name, dir.filePath(name)));
        }
        program = std::make_unique<Program>(dir.path(), feedback, clipboard);
        views = std::make_unique<gui::Views>(*program);
        Startup(program->Core()).Run();
    }
};

TEST_F(MacroPickerTest, PickReadAndApplyABundledMacro) {
    StartWithBundled({QStringLiteral("Macro/Rainbow")});
    auto& main = ShowMain();
    Find<QAction>(main, "Macro_Tool")->trigger();
    gui::MacroPickerView* picker = views->MacroPicker();
    ASSERT_NE(picker, nullptr);
    auto* combo = Find<QComboBox>(*picker, "MacroListCombo");
    EXPECT_EQ(combo->currentText(), QStringLiteral("NULL"));
    ASSERT_GE(combo->count(), 1);
    const int rainbow = combo->findText(QStringLiteral("虹色の見出し"));
    ASSERT_GE(rainbow, 0);
    Pick(combo, combo->itemText(rainbow));
    EXPECT_TRUE(Find<QPlainTextEdit>(*picker, "TextPrint")
                    ->toPlainText()
                    .startsWith(QStringLiteral("赤・橙・黄")));

    boxes.Answer(QStringLiteral("はい"));
    QTest::keyClick(picker, Qt::Key_Return);  // answered inside, as a person would
    DeliverPostedCalls();                     // the main window draws the macro's text
    ASSERT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(boxes.seen[0].title, QStringLiteral("マクロ適用"));
    EXPECT_EQ(boxes.seen[0].text, QStringLiteral("本当にこのマクロを適用してもいいですか？"));
    EXPECT_EQ(views->MacroPicker(), nullptr);
    EXPECT_EQ(Find<QLineEdit>(main, "EditBox")->text(), QStringLiteral("Glimtexへようこそ"));
    ASSERT_NE(views->Output(), nullptr);
    EXPECT_TRUE(views->Output()->isVisible());
}

TEST_F(MacroPickerTest, TheLongestTitleShowsWholeInTheListAndTheBox) {
    // Every bundled macro: more titles than the list shows at once, so it scrolls.
    QStringList macros;
    for (const QString& name :
         QDir(QStringLiteral(GLIMTEX_DATA_DIR "/Macro")).entryList(QDir::Files)) {
        macros << QStringLiteral("Macro/") + name;
    }
    StartWithBundled(macros);
    auto& main = ShowMain();
    Find<QAction>(main, "Macro_Tool")->trigger();
    ASSERT_NE(views->MacroPicker(), nullptr);
    auto* combo = Find<QComboBox>(*views->MacroPicker(), "MacroListCombo");
    const QString title = QStringLiteral("背景色つきのリンクボタン");
    ASSERT_GE(combo->findText(title), 0);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // The entries, beside the scroll bar, have the room the widest of them asks for.
    const int titleWidth = list->fontMetrics().horizontalAdvance(title);
    EXPECT_GE(list->sizeHintForColumn(0), titleWidth);
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
    combo->hidePopup();
    // Picked, it shows whole in the box too.
    Pick(combo, title);
    EXPECT_TRUE(ShowsWholeText(combo));
}

TEST_F(MacroPickerTest, NothingPickedIsANotice) {
    Start();
    auto& main = ShowMain();
    Find<QAction>(main, "Macro_Tool")->trigger();
    ASSERT_NE(views->MacroPicker(), nullptr);
    boxes.Answer(QStringLiteral("OK"));
    QTest::mouseClick(Find<QPushButton>(*views->MacroPicker(), "OK_Button"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(boxes.seen[0].text, QStringLiteral("何も設定されておりません"));
    ASSERT_NE(views->MacroPicker(), nullptr);
    QTest::keyClick(views->MacroPicker(), Qt::Key_Escape);
    EXPECT_EQ(views->MacroPicker(), nullptr);
}

}  // namespace
}  // namespace glimtex::testing
