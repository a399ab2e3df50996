#include "app/ProgramFixture.h"
#include "core/StyleNames.h"

namespace glimtex::testing {
namespace {

using MainWindowLoad = ProgramFixture;

TEST_F(MainWindowLoad, LoadsOnFirstTouchOnly) {
    EXPECT_FALSE(program->MainWindowLoaded());
    MainWindowState& first = Main();
    EXPECT_TRUE(program->MainWindowLoaded());
    EXPECT_EQ(&first, &Main());
    EXPECT_EQ(Main().Controls().MojiSizeCombo.items.size(), 8);  // not filled twice
}

TEST_F(MainWindowLoad, StartTextsAndLists) {
    const FormControls& c = Main().Controls();
    EXPECT_EQ(c.EditBox, QStringLiteral("Test"));
    EXPECT_EQ(c.MojiSizeCombo.text, QStringLiteral("0"));
    EXPECT_EQ(c.MojiSizeCombo.items, QStringList({"0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(c.FontSelectCombo.text, QStringLiteral("NULL"));
    EXPECT_EQ(c.FontSelectCombo.items, QStringList{QStringLiteral("NULL")});
    EXPECT_EQ(c.ColorStyleCombo.text, QStringLiteral("単色"));
    EXPECT_EQ(c.ColorStyleCombo.items,
              QStringList({QStringLiteral("単色"), QStringLiteral("グラデーション")}));
    EXPECT_EQ(c.BackStyleCombo.text, QStringLiteral("なし"));
    EXPECT_EQ(c.BackStyleCombo.items, QStringList({QStringLiteral("なし"), QStringLiteral("単色"),
                                                   QStringLiteral("画像")}));
    EXPECT_EQ(c.MojiShapeCombo.text, QStringLiteral("標準"));
    EXPECT_EQ(
        c.MojiShapeCombo.items,
        QStringList({QStringLiteral("標準"), QStringLiteral("右下がり"), QStringLiteral("左下がり"),
                     QStringLiteral("レンズ"), QStringLiteral("スクラップ")}));
    EXPECT_EQ(c.LinkStyleCombo.text, QStringLiteral("なし"));
    EXPECT_EQ(c.LinkStyleCombo.items,
              QStringList({QStringLiteral("なし"), QStringLiteral("リンク設定")}));
    EXPECT_EQ(c.OptionGroup, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(c.SpGroup_Check, (std::array<bool, 4>{}));
}

TEST_F(MainWindowLoad, OnlyPanelZeroVisibleAndNotOnTop) {
    EXPECT_EQ(Main().VisiblePanel(), 0);
    EXPECT_EQ(Main().PanelsVisible(),
              (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(Main().KeepsOnTop(), false);
    EXPECT_FALSE(Main().KeepsOnTop());
}

TEST_F(MainWindowLoad, SelectorsGiveTheSingleColorLook) {
    const FormControls& c = Main().Controls();
    EXPECT_FALSE(c.ColorBox[1].visible);
    EXPECT_EQ(c.ColorBox[1].color, std::nullopt);  // button face
    EXPECT_TRUE(c.ColorBox[0].visible);
    EXPECT_EQ(c.ColorBox[0].color, PaintedColor{0});
    EXPECT_FALSE(c.ChangeButtonVisible);
    for (const PaintedColor& rect : c.ColorMap) EXPECT_EQ(rect, PaintedColor{0});
    EXPECT_FALSE(c.BackColorBox.visible);
    EXPECT_FALSE(c.BackPictureVisible);
    EXPECT_FALSE(c.LinkDataVisible);
    for (const PreviewLetter& letter : c.TestLabel) EXPECT_EQ(letter, (PreviewLetter{28, 1200}));
}

TEST_F(MainWindowLoad, ResetsColorsButCapturesNothing) {
    Settings().colors[0] = {10, 20, 30};
    Settings().colors[1] = {40, 50, 60};
    Settings().backgroundColor = {70, 80, 90};
    Main();
    EXPECT_EQ(Settings().colors[0], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(Settings().colors[1], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{0, 0, 0}));
    // The text box shows "Test", but nothing was copied into the settings.
    EXPECT_TRUE(Settings().text.isEmpty());
    EXPECT_TRUE(StyleNames::Of(Settings().colorStyle, Settings().unknownColorStyle).isEmpty());
    EXPECT_TRUE(Settings().face.isEmpty());
}

using PanelsAndMenus = ProgramFixture;

TEST_F(PanelsAndMenus, PanelButtonShowsOnlyItsPanel) {
    Main().ShowPanel(4);
    EXPECT_EQ(Main().PanelsVisible(),
              (std::array<bool, 6>{false, false, false, false, true, false}));
    Main().ShowPanel(4);
    EXPECT_EQ(Main().VisiblePanel(), 4);
    Main().ShowPanel(5);
    EXPECT_EQ(Main().VisiblePanel(), 5);
}

TEST_F(PanelsAndMenus, PanelButtonOutOfRangeChangesNothing) {
    Main().ShowPanel(2);
    Main().ShowPanel(6);
    Main().ShowPanel(-1);
    EXPECT_EQ(Main().VisiblePanel(), 2);
}

TEST_F(PanelsAndMenus, PanelButtonCapturesNothing) {
    Main().Form().SetSizeText(QStringLiteral("5"));
    Main().ShowPanel(3);
    EXPECT_EQ(Settings().size, 0);
}

TEST_F(PanelsAndMenus, HideCodeFramesHidesAll) {
    Main().HidePanels();
    EXPECT_EQ(Main().VisiblePanel(), -1);
    EXPECT_EQ(Main().PanelsVisible(), (std::array<bool, 6>{}));
}

TEST_F(PanelsAndMenus, AlwaysOnTopToggledTwiceReturnsToNormal) {
    Main().ToggleKeepOnTop();
    EXPECT_EQ(Main().KeepsOnTop(), true);
    EXPECT_TRUE(Main().KeepsOnTop());
    Main().ToggleKeepOnTop();
    EXPECT_EQ(Main().KeepsOnTop(), false);
    EXPECT_FALSE(Main().KeepsOnTop());
}

TEST_F(PanelsAndMenus, EachOperationSignalsOneChange) {
    int changes = 0;
    QObject::connect(&Main(), &MainWindowState::changed, [&] { ++changes; });
    Main().ShowPanel(1);
    EXPECT_EQ(changes, 1);
    Main().Form().Reset();  // runs several selectors inside
    EXPECT_EQ(changes, 2);
    Main().Form().SetText(QStringLiteral("x"));
    EXPECT_EQ(changes, 3);
}

TEST_F(PanelsAndMenus, FontEntriesAreAppended) {
    Main().Form().AddFace(QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(Main().Controls().FontSelectCombo.items,
              QStringList({QStringLiteral("NULL"), QStringLiteral("ＭＳ ゴシック")}));
}

}  // namespace
}  // namespace glimtex::testing
