// The preview "プレビュー" and the output window's "表示": the line as a browser shows
// it, checked against Qt's own reading of the generator's fragment, and the windows
// driven as a person drives them.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "../html/GeneratorTestSettings.h"
#include "GuiFixture.h"
#include "app/MainWindowState.h"
#include "gui/FragmentDocument.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"
#include "gui/PreviewView.h"
#include "html/HtmlGenerator.h"

namespace glimtex::testing {
namespace {

// How one character looks.
struct Look {
    QString character;
    QColor colour;
    int level = 3;  // HTML font size 1..7 (0 below 1)
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int alignment = 0;
    QString face;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& l, std::ostream* os) {
    *os << l.character.toStdString() << " " << l.colour.name().toStdString() << " size " << l.level
        << " w" << l.weight << (l.italic ? " i" : "") << (l.underline ? " u" : "")
        << (l.strike ? " s" : "") << " va" << l.alignment << " " << l.face.toStdString();
}

// Every character of the document in order, table cells included. The level comes
// from the reader that built it: Qt's HTML reader keeps the size as an adjustment
// from 3, the preview as points from the browsers' table.
std::vector<Look> LooksOf(const QTextDocument& document, bool fromHtmlReader) {
    std::vector<Look> looks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            Look look;
            look.colour = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                                      : QColor(Qt::black);
            if (fromHtmlReader) {
                look.level =
                    f.hasProperty(QTextFormat::FontSizeAdjustment)
                        ? std::clamp(f.intProperty(QTextFormat::FontSizeAdjustment) + 3, 1, 7)
                        : 3;
            } else {
                look.level = -1;
                for (int level = 0; level <= 7; ++level) {
                    if (qFuzzyCompare(f.fontPointSize(), gui::LegacyPointSize(level)))
                        look.level = level;
                }
            }
            look.weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : 400;
            look.italic = f.fontItalic();
            look.underline = f.fontUnderline();
            look.strike = f.fontStrikeOut();
            look.alignment = f.verticalAlignment();
            look.face = f.fontFamilies().toStringList().value(0);
            for (QChar c : fragment.text()) {
                look.character = c;
                looks.push_back(look);
            }
        }
    }
    return looks;
}

std::vector<Look> Preview(const DecorationSettings& s) {
    FragmentModel model;
    HtmlGenerator generator;
    generator.RecordInto(&model);
    EXPECT_TRUE(generator.Build(s));
    QTextDocument document;
    gui::FillDocument(document, std::span(&model, 1));
    std::vector<Look> looks = LooksOf(document, false);
    // The preview lists the page's faces after the chosen one; the reader has none.
    for (Look& look : looks) {
        if (look.face == gui::PageFont().families().value(0)) look.face.clear();
    }
    return looks;
}

std::vector<Look> ReadByQt(const DecorationSettings& s) {
    QTextDocument document;
    document.setHtml(QString::fromStdString(Fragment(s)));
    return LooksOf(document, true);
}

DecorationSettings Case(const char* text, const char* shape, int16_t size) {
    DecorationSettings s = PlainSettings(QString::fromUtf8(text));
    s.StringShape = QString::fromUtf8(shape);
    s.MojiSize = size;
    return s;
}

TEST(PreviewDocument, ShowsWhatQtsHtmlReaderReadsFromTheFragment) {
    std::vector<DecorationSettings> cases;
    cases.push_back(Case("Test", "標準", 0));
    cases.push_back(Case("見出しの文字", "標準", 5));
    for (const char* shape : {"右下がり", "左下がり", "レンズ", "スクラップ"}) {
        for (int size : {3, 5, 7, 12})
            cases.push_back(Case("GlimtexLine", shape, static_cast<int16_t>(size)));
    }
    cases.push_back(Case("Negative", "右下がり", -1));  // "-1", "-2": relative sizes
    DecorationSettings gradation = Case("Gradation", "レンズ", 4);
    gradation.ColorStyle = QStringLiteral("グラデーション");
    gradation.ColorData = {ColorTriple{0, 0, 255}, ColorTriple{255, 200, 0}};
    cases.push_back(gradation);
    DecorationSettings styled = Case("abc", "右下がり", 6);
    styled.SpGroup = {1, 1, 1, 1};
    styled.FontFace = QStringLiteral("Arial");
    styled.ColorData[0] = {200, 0, 0};
    styled.BackStyle = QStringLiteral("単色");
    styled.BackColorData = {255, 255, 0};
    styled.LinkStyle = QStringLiteral("リンク設定");
    styled.LinkData = QStringLiteral("index.html");
    cases.push_back(styled);
    DecorationSettings sup = Case("x2", "レンズ", 5);
    sup.MojiStyle = 1;
    cases.push_back(sup);
    DecorationSettings sub = Case("H2O", "標準", 2);
    sub.MojiStyle = 2;
    sub.SpGroup = {0, 0, 1, 0};
    cases.push_back(sub);

    for (const DecorationSettings& s : cases) {
        EXPECT_EQ(Preview(s), ReadByQt(s)) << Fragment(s);
    }
}

TEST(PreviewDocument, SmallIsOneSizeBelowWhatSurroundsIt) {
    // Qt's reader makes every "<SMALL>" size 2; a browser makes it one step smaller
    // than the text around it, which the preview follows.
    const std::vector<Look> looks = Preview(Case("abcd", "スクラップ", 2));
    ASSERT_EQ(looks.size(), 4u);
    EXPECT_EQ(looks[0].level, 2);
    EXPECT_EQ(looks[1].level, 1);
    EXPECT_EQ(Preview(Case("ab", "スクラップ", 1))[1].level, 0);
}

TEST(PreviewDocument, SizesMapAsBrowsersReadThem) {
    EXPECT_EQ(gui::LegacyFontLevel(0), 1);
    EXPECT_EQ(gui::LegacyFontLevel(9), 7);
    EXPECT_EQ(gui::LegacyFontLevel(-1), 2);  // relative to 3
    EXPECT_EQ(gui::LegacyFontLevel(-7), 1);
    EXPECT_DOUBLE_EQ(gui::LegacyPointSize(3), 12.0);  // 16 pixels
    EXPECT_DOUBLE_EQ(gui::LegacyPointSize(7), 36.0);  // 48 pixels
}

TEST(PreviewDocument, BackgroundAndLinkLookAsInABrowser) {
    DecorationSettings s = Case("link", "標準", 0);
    s.ColorStyle = QString();  // no colour tag: the link's own blue
    s.LinkStyle = QStringLiteral("リンク設定");
    s.BackStyle = QStringLiteral("単色");
    s.BackColorData = {0, 0, 128};
    FragmentModel model;
    HtmlGenerator generator;
    generator.RecordInto(&model);
    ASSERT_TRUE(generator.Build(s));
    QTextDocument document;
    gui::FillDocument(document, std::span(&model, 1));
    const std::vector<Look> looks = LooksOf(document, false);
    ASSERT_EQ(looks.size(), 4u);
    EXPECT_EQ(looks[0].colour, gui::kLinkColour);
    EXPECT_TRUE(looks[0].underline);
    ASSERT_EQ(document.rootFrame()->childFrames().size(), 1);
    EXPECT_EQ(document.rootFrame()->childFrames()[0]->frameFormat().background().color(),
              QColor(0, 0, 128));

    s.BackStyle = QStringLiteral("画像");
    s.BackPicture = QStringLiteral("wall.gif");
    generator.Build(s);
    gui::FillDocument(document, std::span(&model, 1));
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("wall.gif")));
}

class PreviewWindowTest : public GuiFixture {
  protected:
    gui::MainWindowView* main = nullptr;

    void SetUp() override {
        Start();
        main = &ShowMain();
    }
    void Menu(const char* item) {
        Find<QAction>(*main, item)->trigger();
        Settle();
    }
    void Type(const QString& text) {
        auto* edit = Find<QLineEdit>(*main, "EditBox");
        edit->selectAll();
        QTest::keyClicks(edit, text);
        Settle();
    }
    QTextDocument* Shown() {
        auto* box = Find<QTextBrowser>(*views->Preview(), "PreviewBox");
        return box ? box->document() : nullptr;
    }
};

TEST_F(PreviewWindowTest, OpensFromTheMenuOnceAndFollowsTyping) {
    Menu("Preview_Tool");
    gui::PreviewView* preview = views->Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("プレビュー"));
    EXPECT_EQ(Shown()->toPlainText(), QStringLiteral("Test"));

    Menu("Preview_Tool");  // a second pick brings the same window up
    EXPECT_EQ(views->Preview(), preview);

    Type(QStringLiteral("Hello"));
    EXPECT_EQ(Shown()->toPlainText(), QStringLiteral("Hello"));
    // Nothing was captured or generated.
    EXPECT_EQ(program->Settings().MojiSize, 0);
    EXPECT_TRUE(program->Settings().HTMLString.isEmpty());
    EXPECT_EQ(views->Board(), nullptr);
    EXPECT_EQ(views->Output(), nullptr);

    // Colours set through the mixer's slot reach it too.
    program->MainWindow().StoreColor(0, {0, 128, 0});
    Settle();
    EXPECT_EQ(LooksOf(*Shown(), false)[0].colour, QColor(0, 128, 0));
}

TEST_F(PreviewWindowTest, ARefusedLineIsOneLineOfRedText) {
    Menu("Preview_Tool");
    program->MainWindow().SetShapeText(QStringLiteral("レンズ"));
    Settle();
    EXPECT_EQ(Shown()->toPlainText(), QStringLiteral("ソースの作成ができません"));
    EXPECT_EQ(LooksOf(*Shown(), false)[0].colour, QColor(0xCC, 0, 0));
    EXPECT_TRUE(boxes.seen.isEmpty());  // no message box
}

TEST_F(PreviewWindowTest, ClosesWithItsCloseBoxAndWithTheMainWindow) {
    Menu("Preview_Tool");
    views->Preview()->close();
    Settle();
    EXPECT_EQ(views->Preview(), nullptr);
    EXPECT_EQ(program->Preview(), nullptr);
    Menu("Preview_Tool");
    ASSERT_NE(views->Preview(), nullptr);
    main->close();
    Settle();
    EXPECT_EQ(program->Preview(), nullptr);
}

TEST_F(PreviewWindowTest, TheOutputWindowShowsEachRunOnItsViewTab) {
    auto runAndConfirm = [&](const char* text, const char* command) {
        Type(QString::fromUtf8(text));
        Menu(command);
        ASSERT_NE(views->Board(), nullptr);
        QTest::keyClick(views->Board(), Qt::Key_Return);
        Settle();
    };
    runAndConfirm("Test", "CodeCreate_Run");
    ASSERT_NE(views->Output(), nullptr);
    auto* tabs = Find<QTabWidget>(*views->Output(), "HTMLStringTabs");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("ソース"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("表示"));
    EXPECT_EQ(tabs->currentIndex(), 0);  // the source, as before
    auto* box = Find<QPlainTextEdit>(*views->Output(), "HTMLStringBox");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("<Font Color=#000000>Test</Font>"));

    tabs->setCurrentIndex(1);
    auto* view = Find<QTextBrowser>(*views->Output(), "HTMLStringViewBox");
    EXPECT_EQ(view->document()->toPlainText(), QStringLiteral("Test"));

    runAndConfirm("More", "CodePlus_Run");
    EXPECT_EQ(view->document()->toPlainText(), QStringLiteral("Test More"));
    runAndConfirm("New", "CodeCreate_Run");
    EXPECT_EQ(view->document()->toPlainText(), QStringLiteral("New"));
}

}  // namespace
}  // namespace glimtex::testing
