// The main window driven as a person drives it: typing, panel buttons, the combo
// lists, the menus, and what is drawn.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include "GuiFixture.h"
#include "app/MainWindowState.h"
#include "gui/MainWindowView.h"
#include "gui/TitleView.h"
#include "gui/Twips.h"
#include "gui/WindowSystemLimits.h"

namespace glimtex::testing {
namespace {

QColor PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

QList<int> VisiblePanels(QWidget& main) {
    QList<int> visible;
    for (int i = 0; i < 6; ++i) {
        auto* frame = main.findChild<QGroupBox*>(QStringLiteral("CodeFrame_%1").arg(i));
        if (frame && frame->isVisible()) visible << i;
    }
    return visible;
}

// The entry of a combo box's list that takes the most room in its font.
QString LongestEntry(const QComboBox* combo) {
    QString longest;
    for (int i = 0; i < combo->count(); ++i) {
        const QString entry = combo->itemText(i);
        if (combo->fontMetrics().horizontalAdvance(entry) >
            combo->fontMetrics().horizontalAdvance(longest)) {
            longest = entry;
        }
    }
    return longest;
}

using MainWindowTest = GuiFixture;

TEST_F(MainWindowTest, TypedTextIsTheMainStringAtOnce) {
    Start();
    auto& main = ShowMain();
    auto* edit = Find<QLineEdit>(main, "EditBox");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Hello"));
    EXPECT_EQ(program->Settings().text, QStringLiteral("Hello"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("X"));
    TypeThroughInputMethod(edit, QStringLiteral("語"));
    DeliverPostedCalls();
    // The refresh never moves the caret the user is typing at.
    EXPECT_EQ(edit->text(), QStringLiteral("HellX語o"));
    EXPECT_EQ(edit->cursorPosition(), 6);
    EXPECT_EQ(program->Settings().text, QStringLiteral("HellX語o"));
}

TEST_F(MainWindowTest, PanelButtonsShowExactlyOnePanel) {
    Start();
    auto& main = ShowMain();
    EXPECT_EQ(VisiblePanels(main), QList<int>{0});
    for (int i : {4, 4, 2, 5}) {
        QTest::mouseClick(Find<QPushButton>(main, QStringLiteral("CommandButton_%1").arg(i)),
                          Qt::LeftButton);
        DeliverPostedCalls();
        EXPECT_EQ(VisiblePanels(main), QList<int>{i});
    }
}

TEST_F(MainWindowTest, FixedSizeFromTwips) {
    Start();
    auto& main = ShowMain();
    // 6630 x 4560 twips of client area below the menu bar: 442 x 304 pixels at 96 dpi.
    EXPECT_EQ(main.centralWidget()->size(), gui::TwipSize(6630, 4560));
    if (main.logicalDpiX() == 96) {
        EXPECT_EQ(main.centralWidget()->size(), QSize(442, 304));
    }
    const QSize before = main.size();
    main.resize(before.width() + 200, before.height() + 150);
    EXPECT_EQ(main.size(), before);
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(MainWindowTest, OpensWhereTheTitleWindowWasThenWhereItWasLeft) {
    Start();
    gui::TitleView title(QStringLiteral("0000"));
    title.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
    gui::MainWindowView* main = &views->ShowMainWindow(&title);
    EXPECT_LE((main->frameGeometry().center() - title.frameGeometry().center()).manhattanLength(),
              1);
    title.close();
    const QRect screen = title.screen()->availableGeometry();

    const QPoint left = screen.topLeft() + QPoint(20, 30);
    main->move(left);
    main->close();
    // The next run, in a program of its own.
    views.reset();
    program.reset();
    Start();
    main = &ShowMain();
    EXPECT_EQ(main->pos(), left);
}

TEST_F(MainWindowTest, AlwaysOnTopTogglesCheckMarkAndWindowFlag) {
    Start();
    auto& main = ShowMain();
    auto* item = Find<QAction>(main, "FrontWindow_Set");
    const QPoint where = main.pos();
    item->trigger();
    DeliverPostedCalls();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.pos(), where);
    item->trigger();
    DeliverPostedCalls();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main.isVisible());
}

TEST_F(MainWindowTest, OnWaylandAlwaysOnTopIsDisabledAndItsTooltipSaysWhy) {
    Start();
    auto& main = ShowMain();
    auto* item = Find<QAction>(main, "FrontWindow_Set");
    EXPECT_TRUE(item->isEnabled());
    main.FitToWindowSystem(QStringLiteral("wayland"));
    EXPECT_FALSE(item->isEnabled());

    // Resting the pointer on the item in "設定(&S)" shows why.
    auto* menu = Find<QMenu>(main, "SetMenu");
    menu->popup(main.mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QPoint at = menu->actionGeometry(item).center();
    QHelpEvent rest(QEvent::ToolTip, at, menu->mapToGlobal(at));
    QApplication::sendEvent(menu, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), gui::KeepOnTopUnavailableReason(QStringLiteral("wayland")));
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("Wayland では")));
    menu->close();
    // Qt's other Wayland plugins too; X11, also through XWayland, can.
    EXPECT_FALSE(gui::KeepOnTopUnavailableReason(QStringLiteral("wayland-egl")).isEmpty());
    EXPECT_TRUE(gui::KeepOnTopUnavailableReason(QStringLiteral("xcb")).isEmpty());
}

TEST_F(MainWindowTest, StartupMacroSettingsShowWhenTheMainWindowFirstShows) {
    Start({QStringLiteral("Set.MainString = \"起動の文字\""), QStringLiteral("Select.MojiSize = 4"),
           QStringLiteral("Select.SpGroup = 2"),
           QStringLiteral("Set.ColorStyle = \"グラデーション\""),
           QStringLiteral("Set.ColorData = 0,0,0,0"), QStringLiteral("Set.ColorData = 1,255,128,0"),
           QStringLiteral("Add.FontData = \"IPAゴシック\"")});
    ASSERT_TRUE(program->MainWindowLoaded());
    auto& main = ShowMain();
    EXPECT_EQ(Find<QLineEdit>(main, "EditBox")->text(), QStringLiteral("起動の文字"));
    EXPECT_EQ(Find<QComboBox>(main, "MojiSizeCombo")->currentText(), QStringLiteral("4"));
    EXPECT_TRUE(Find<QCheckBox>(main, "SpGroup_Check_2")->isChecked());
    EXPECT_EQ(Find<QComboBox>(main, "ColorStyleCombo")->currentText(),
              QStringLiteral("グラデーション"));
    auto* fonts = Find<QComboBox>(main, "FontSelectCombo");
    EXPECT_EQ(fonts->count(), 2);
    EXPECT_EQ(fonts->itemText(1), QStringLiteral("IPAゴシック"));

    // The swatches and the strip as drawn: black to orange, the last visible
    // hundredth 98/100 of the way, (250, 125, 0).
    QTest::mouseClick(Find<QPushButton>(main, "CommandButton_2"), Qt::LeftButton);
    DeliverPostedCalls();
    auto* second = Find<QWidget>(main, "ColorBox_1");
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(PixelOf(second, second->rect().center()), QColor(255, 128, 0));
    EXPECT_EQ(PixelOf(Find<QWidget>(main, "ColorBox_0"), QPoint(8, 8)), QColor(0, 0, 0));
    auto* strip = Find<QWidget>(main, "ColorMap");
    EXPECT_EQ(PixelOf(strip, QPoint(0, strip->height() / 2)), QColor(0, 0, 0));
    EXPECT_EQ(PixelOf(strip, QPoint(strip->width() - 1, strip->height() / 2)), QColor(250, 125, 0));
}

TEST_F(MainWindowTest, PickingAStyleRunsItsSelector) {
    Start();
    auto& main = ShowMain();
    QTest::mouseClick(Find<QPushButton>(main, "CommandButton_3"), Qt::LeftButton);
    Pick(Find<QComboBox>(main, "MojiShapeCombo"), QStringLiteral("スクラップ"));
    for (int i = 0; i < 7; ++i) {
        auto* letter = main.findChild<QWidget*>(QStringLiteral("TestLabel_%1").arg(i));
        ASSERT_NE(letter, nullptr);
        EXPECT_EQ(letter->font().pointSize(), i % 2 ? 22 : 28) << i;
        EXPECT_EQ(letter->y(), gui::TwipsToPixels(i % 2 ? 1350 : 1200)) << i;
    }

    // Typing a style runs nothing; picking one does.
    QTest::mouseClick(Find<QPushButton>(main, "CommandButton_4"), Qt::LeftButton);
    auto* back = Find<QComboBox>(main, "BackStyleCombo");
    back->lineEdit()->selectAll();
    TypeThroughInputMethod(back->lineEdit(), QStringLiteral("画"));
    DeliverPostedCalls();
    EXPECT_FALSE(Find<QWidget>(main, "BackPictureEdit")->isVisible());
    Pick(back, QStringLiteral("画像"));
    EXPECT_TRUE(Find<QWidget>(main, "BackPictureEdit")->isVisible());
    EXPECT_FALSE(Find<QWidget>(main, "BackColorBox")->isVisible());
    Pick(back, QStringLiteral("単色"));
    EXPECT_TRUE(Find<QWidget>(main, "BackColorBox")->isVisible());
    EXPECT_FALSE(Find<QWidget>(main, "BackPictureEdit")->isVisible());
}

TEST_F(MainWindowTest, EveryComboShowsItsLongestEntryWhole) {
    Start({QStringLiteral("Add.FontData = \"ＭＳ Ｐゴシック\""),
           QStringLiteral("Add.FontData = \"Times New Roman\"")});
    auto& main = ShowMain();
    const std::pair<int, const char*> combos[] = {{0, "MojiSizeCombo"},   {0, "FontSelectCombo"},
                                                  {2, "ColorStyleCombo"}, {3, "MojiShapeCombo"},
                                                  {4, "BackStyleCombo"},  {5, "LinkStyleCombo"}};
    for (const auto& [panel, name] : combos) {
        QTest::mouseClick(Find<QPushButton>(main, QStringLiteral("CommandButton_%1").arg(panel)),
                          Qt::LeftButton);
        DeliverPostedCalls();
        auto* combo = Find<QComboBox>(main, name);
        Pick(combo, LongestEntry(combo));
        EXPECT_TRUE(ShowsWholeText(combo));
    }
    // Text set from the program is shown from its start too.
    for (const char* style : {"単色", "グラデーション"}) {
        program->MainWindow().Form().SetColorStyleText(QString::fromUtf8(style));
        DeliverPostedCalls();
    }
    EXPECT_TRUE(ShowsWholeText(Find<QComboBox>(main, "ColorStyleCombo")));
}

TEST_F(MainWindowTest, ResetFromTheFileMenu) {
    Start({QStringLiteral("Set.MainString = \"消える\""),
           QStringLiteral("Set.ColorStyle = \"グラデーション\"")});
    auto& main = ShowMain();
    Find<QAction>(main, "NewData_File")->trigger();
    DeliverPostedCalls();
    EXPECT_EQ(Find<QLineEdit>(main, "EditBox")->text(), QString());
    EXPECT_EQ(Find<QComboBox>(main, "ColorStyleCombo")->currentText(), QStringLiteral("単色"));
    EXPECT_FALSE(Find<QWidget>(main, "ColorBox_1")->isVisibleTo(&main));
}

}  // namespace
}  // namespace glimtex::testing
