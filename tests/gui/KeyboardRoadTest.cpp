// The main road from the keyboard alone, no mouse: every key goes where a person's key
// goes, to the open menu or else to the widget with the focus, and each Tab must land on
// the next control as they stand on the screen.
#include <QClipboard>
#include <QGuiApplication>
#include <functional>

#include "GuiFixture.h"
#include "app/MainWindowState.h"

namespace glimtex::testing {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

class KeyboardRoadTest : public GuiFixture {
  protected:
    // The control with the focus; the text field of a combo box counts as the box.
    static QString Focused() {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->objectName().isEmpty()) focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup ? popup : QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget takes the keys";
        QTest::keyClick(target, key, modifiers);
        DeliverPostedCalls();
    }
    // Replaces the text of the focused field, as Ctrl+A and typing do.
    static void Type(const char* text) {
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
        DeliverPostedCalls();
    }
    static AssertionResult Tab(const QString& name) {
        Key(Qt::Key_Tab);
        if (Focused() == name) return AssertionSuccess();
        return AssertionFailure() << "Tab reached " << Focused().toStdString() << ", not "
                                  << name.toStdString();
    }
    static bool HasKeys(QWidget* window) {
        return window && WaitUntil([window] {
                   QWidget* focus = QApplication::focusWidget();
                   return window->isActiveWindow() && focus && focus->window() == window;
               });
    }
    // Alt and the bar's letter, then End: that bar of the mixer at 255.
    static void Full(Qt::Key bar) {
        Key(bar, Qt::AltModifier);
        Key(Qt::Key_End);
    }
    // Alt+E goes back to the line; Tab to the panel's button, Space shows the panel,
    // and Tab goes on over the buttons after it into the panel.
    static AssertionResult OpenPanel(int panel) {
        Key(Qt::Key_E, Qt::AltModifier);
        if (Focused() != QStringLiteral("EditBox")) return AssertionFailure() << "Alt+E";
        for (int i = 0; i < 6; ++i) {
            if (AssertionResult reached = Tab(QStringLiteral("CommandButton_%1").arg(i));
                !reached) {
                return reached;
            }
            if (i == panel) Key(Qt::Key_Space);
        }
        return AssertionSuccess();
    }
    // The mixer has the keyboard; the keys set its bars, Enter is "設定", and the
    // keyboard is back on the swatch it was opened from.
    AssertionResult MixColor(const QString& swatch, const std::function<void()>& keys) {
        if (!HasKeys(views->ColorMixer())) return AssertionFailure() << "no mixer";
        keys();
        Key(Qt::Key_Return);
        if (HasKeys(views->MainWindow()) && Focused() == swatch) return AssertionSuccess();
        return AssertionFailure() << "after 設定 the focus is on " << Focused().toStdString();
    }
};

TEST_F(KeyboardRoadTest, FromTheLineToTheClipboard) {
    Start();
    ASSERT_TRUE(HasKeys(&ShowMain()));
    EXPECT_EQ(Focused(), QStringLiteral("EditBox"));
    Type("Keys");

    ASSERT_TRUE(OpenPanel(0));
    ASSERT_TRUE(Tab(QStringLiteral("MojiSizeCombo")));
    Type("5");
    ASSERT_TRUE(Tab(QStringLiteral("FontSelectCombo")));
    Type("Serif");
    ASSERT_TRUE(Tab(QStringLiteral("OptionGroup_0")));
    Key(Qt::Key_Down);  // 上付文字

    ASSERT_TRUE(OpenPanel(1));
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(Tab(QStringLiteral("SpGroup_Check_%1").arg(i)));
        Key(Qt::Key_Space);
    }

    // A gradation from red, picked in the palette, to blue, mixed with the bars; "…"
    // opens the details and Esc closes them; "←→" swaps the two colours.
    ASSERT_TRUE(OpenPanel(2));
    ASSERT_TRUE(Tab(QStringLiteral("ColorStyleCombo")));
    Key(Qt::Key_Down);  // グラデーション
    ASSERT_TRUE(Tab(QStringLiteral("ColorBox_0")));
    Key(Qt::Key_Space);
    const auto redFromThePalette = [this] {
        Key(Qt::Key_F6);
        ASSERT_TRUE(HasKeys(views->ColorPalette()));
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        EXPECT_EQ(Focused(), QStringLiteral("ColorCodeBox_2"));
        Key(Qt::Key_Return);
        Key(Qt::Key_F6);
        ASSERT_TRUE(HasKeys(views->ColorMixer()));
    };
    ASSERT_TRUE(MixColor(QStringLiteral("ColorBox_0"), redFromThePalette));
    ASSERT_TRUE(Tab(QStringLiteral("ColorBox_1")));
    Key(Qt::Key_Return);
    ASSERT_TRUE(MixColor(QStringLiteral("ColorBox_1"), [] { Full(Qt::Key_B); }));
    ASSERT_TRUE(Tab(QStringLiteral("GradientDetailsButton")));
    Key(Qt::Key_Space);
    ASSERT_TRUE(HasKeys(views->GradientDetails()));
    Key(Qt::Key_Escape);
    ASSERT_TRUE(HasKeys(views->MainWindow()));
    ASSERT_TRUE(Tab(QStringLiteral("ChangeButton")));
    Key(Qt::Key_Space);

    ASSERT_TRUE(OpenPanel(3));
    ASSERT_TRUE(Tab(QStringLiteral("MojiShapeCombo")));
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Down);  // レンズ

    ASSERT_TRUE(OpenPanel(4));
    ASSERT_TRUE(Tab(QStringLiteral("BackStyleCombo")));
    Key(Qt::Key_Down);  // 単色
    ASSERT_TRUE(Tab(QStringLiteral("BackColorBox")));
    Key(Qt::Key_Space);
    ASSERT_TRUE(MixColor(QStringLiteral("BackColorBox"), [] { Full(Qt::Key_G); }));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Down);  // 画像
    ASSERT_TRUE(Tab(QStringLiteral("BackPictureEdit")));
    Type("back.gif");

    ASSERT_TRUE(OpenPanel(5));
    ASSERT_TRUE(Tab(QStringLiteral("LinkStyleCombo")));
    Key(Qt::Key_Down);  // リンク設定
    ASSERT_TRUE(Tab(QStringLiteral("LinkDataEdit")));
    Type("https://example.com/");

    // "実行(&R)" → "ソースの作成": the board has every choice made above.
    Key(Qt::Key_R, Qt::AltModifier);
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([this] { return views->Board() != nullptr; }));
    ASSERT_TRUE(HasKeys(views->Board()));
    const DecorationSettings& s = program->Settings();
    EXPECT_EQ(s.text, QStringLiteral("Keys"));
    EXPECT_EQ(s.size, 5);
    EXPECT_EQ(s.face, QStringLiteral("Serif"));
    EXPECT_EQ(s.position, Position::Superscript);
    EXPECT_EQ(s.emphasis, (Emphasis{true, true, true, true}));
    EXPECT_EQ(s.colorStyle, ColorStyle::Gradation);
    EXPECT_EQ(s.colors, (std::array<ColorTriple, 2>{ColorTriple{0, 0, 255}, {255, 0, 0}}));
    EXPECT_EQ(s.shape, SizeShape::Lens);
    EXPECT_EQ(s.backgroundColor, (ColorTriple{0, 255, 0}));
    EXPECT_EQ(s.backgroundPicture, QStringLiteral("back.gif"));
    EXPECT_EQ(s.linkAddress, QStringLiteral("https://example.com/"));

    // Enter is "完了"; in the output window Tab reaches "クリップボード", Space presses it.
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([this] { return views->Output() != nullptr; }));
    ASSERT_TRUE(HasKeys(views->Output()));
    ASSERT_TRUE(Tab(QStringLiteral("HTMLStringBox")));
    ASSERT_TRUE(Tab(QStringLiteral("ClipboardButton")));
    boxes.Answer(QStringLiteral("はい"));
    Key(Qt::Key_Space);
    EXPECT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(boxes.unexpected, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), program->Core().Collected().Text());
}

}  // namespace
}  // namespace glimtex::testing
