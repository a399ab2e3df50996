// "グラデーションの詳細", opened from the colour panel and driven with the mouse and
// the keyboard, its colours chosen in the mixer.
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "GuiFixture.h"
#include "app/MainWindowState.h"
#include "engine/ColorMapStrip.h"
#include "gui/ColorMixerView.h"
#include "gui/ColorPaletteView.h"
#include "gui/GradientDetailsView.h"
#include "gui/Look.h"
#include "gui/MainWindowView.h"

namespace glimtex::testing {
namespace {

constexpr ColorTriple kRed{255, 0, 0};
constexpr ColorTriple kBlue{0, 0, 255};

// What a row of the list shows: its number, then R, G and B.
QStringList Row(QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << list->topLevelItem(row)->text(column);
    }
    return texts;
}

QColor Middle(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->rect().center());
}

// The colour painted at the middle of rectangle k of a strip.
QColor StripRectangle(QWidget* strip, int k) {
    const double x = (k + 0.5) * strip->width() / 100.0;
    return strip->grab().toImage().pixelColor(static_cast<int>(x), strip->height() / 2);
}

using GradientDetailsTest = GuiFixture;

TEST_F(GradientDetailsTest, AddAStopColourItMoveItAndMixInOklab) {
    Start(
        {QStringLiteral("Set.ColorData = 0,255,0,0"), QStringLiteral("Set.ColorData = 1,0,0,255")});
    auto& main = ShowMain();
    QTest::mouseClick(Find<QPushButton>(main, "CommandButton_2"), Qt::LeftButton);
    DeliverPostedCalls();
    auto* details = Find<QPushButton>(main, "GradientDetailsButton");
    EXPECT_FALSE(details->isVisible());  // one colour: nothing to detail
    Pick(Find<QComboBox>(main, "ColorStyleCombo"), QStringLiteral("グラデーション"));
    ASSERT_TRUE(details->isVisible());
    EXPECT_EQ(details->toolTip(), QStringLiteral("グラデーションの詳細"));

    QTest::mouseClick(details, Qt::LeftButton);
    gui::GradientDetailsView* dialog = views->GradientDetails();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("グラデーションの詳細"));
    auto* list = Find<QTreeWidget>(*dialog, "StopList");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Row(list, 0), (QStringList{"1", "255", "0", "0"}));
    EXPECT_EQ(Row(list, 1), (QStringList{"2", "0", "0", "255"}));
    EXPECT_FALSE(Find<QPushButton>(*dialog, "RemoveStopButton")->isEnabled());

    // A stop after the first, halfway to the blue; Enter on it opens the mixer there.
    QTest::mouseClick(Find<QPushButton>(*dialog, "AddStopButton"), Qt::LeftButton);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_EQ(Row(list, 1), (QStringList{"2", "127", "0", "128"}));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_NE(views->ColorMixer(), nullptr);
    EXPECT_EQ(views->GradientDetails(), dialog);  // Enter did not press "OK"
    ASSERT_NE(views->ColorPalette(), nullptr);
    QTest::mouseClick(Find<QWidget>(*views->ColorPalette(), "ColorCodeBox_13"), Qt::LeftButton);
    auto* blueBar = Find<QScrollBar>(*views->ColorMixer(), "BScroll");
    QTest::mouseClick(blueBar, Qt::LeftButton, {},
                      QPoint(blueBar->width() - 3, blueBar->height() / 2));
    QTest::mouseClick(Find<QPushButton>(*views->ColorMixer(), "OK_Button"), Qt::LeftButton);
    EXPECT_EQ(views->ColorMixer(), nullptr);
    EXPECT_EQ(Row(list, 1), (QStringList{"2", "255", "200", "1"}));
    EXPECT_EQ(program->Settings().colors[1], kBlue);  // not yet in the form

    QTest::mouseClick(Find<QPushButton>(*dialog, "MoveDownButton"), Qt::LeftButton);
    EXPECT_EQ(Row(list, 2), (QStringList{"3", "255", "200", "1"}));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    EXPECT_FALSE(Find<QPushButton>(*dialog, "MoveDownButton")->isEnabled());
    auto* oklab = Find<QRadioButton>(*dialog, "OklabSpaceButton");
    EXPECT_EQ(oklab->text(), QStringLiteral("OKLab"));
    QTest::mouseClick(oklab, Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(*dialog, "OK_Button"), Qt::LeftButton);
    DeliverPostedCalls();  // the main window draws the new gradation
    EXPECT_EQ(views->GradientDetails(), nullptr);

    const DecorationSettings& settings = program->Settings();
    EXPECT_EQ(ColorStops(settings), (QList<ColorTriple>{kRed, kBlue, {255, 200, 1}}));
    EXPECT_EQ(settings.gradientSpace, GradientSpace::Oklab);
    auto* strip = Find<QWidget>(main, "ColorMap");
    const auto expected = GradationStripColors(settings);
    for (const size_t k : {1U, 40U, 75U, 99U}) {
        EXPECT_EQ(StripRectangle(strip, static_cast<int>(k)),
                  gui::FromPacked(PackColor(expected[k])))
            << k;
    }
    EXPECT_EQ(Middle(Find<QWidget>(main, "ColorBox_1")), QColor(0, 0, 255));
}

}  // namespace
}  // namespace glimtex::testing
