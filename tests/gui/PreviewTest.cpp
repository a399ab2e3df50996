// The preview "プレビュー" and the output window's "表示": the line as a browser shows
// it, checked against Qt's own reading of the generator's fragment, and the windows
// driven as a person drives them.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "../html/GeneratorTestSettings.h"
#include "GuiFixture.h"
#include "app/MainWindowState.h"
#include "core/StyleNames.h"
#include "gui/FragmentDocument.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"
#include "gui/PreviewView.h"
#include "html/HtmlGenerator.h"
#include "html/ShownCharacters.h"

namespace glimtex::testing {
namespace {

// How one character looks.
struct Look {
    QString character;
    QColor color;
    qreal points = 12;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int alignment = 0;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& l, std::ostream* os) {
    *os << l.character.toStdString() << " " << l.color.name().toStdString() << " " << l.points
        << "pt w" << l.weight << (l.italic ? " i" : "") << (l.underline ? " u" : "")
        << (l.strike ? " s" : "") << " va" << l.alignment;
}

// Every character of the document in order, table cells included.
std::vector<Look> LooksOf(const QTextDocument& document) {
    std::vector<Look> looks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            Look look;
            look.color = f.foreground().color();
            look.points = f.fontPointSize();
            look.weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : 400;
            look.italic = f.fontItalic();
            look.underline = f.fontUnderline();
            look.strike = f.fontStrikeOut();
            look.alignment = f.verticalAlignment();
            for (QChar c : fragment.text()) {
                look.character = c;
                looks.push_back(look);
            }
        }
    }
    return looks;
}

FragmentModel ModelOf(const DecorationSettings& s) {
    FragmentModel model;
    HtmlGenerator generator;
    generator.RecordInto(&model);
    EXPECT_TRUE(generator.Build(s));
    return model;
}

std::vector<Look> Preview(const FragmentModel& model) {
    QTextDocument document;
    gui::FillDocument(document, std::span(&model, 1));
    return LooksOf(document);
}

// What the browser model says of each character, in the document's terms.
std::vector<Look> Expected(const FragmentModel& model) {
    std::vector<Look> looks;
    for (const ShownCharacter& c : ShowAsBrowser(model)) {
        Look look;
        look.character = model.text.at(c.start);
        look.color = QColor(c.color[0], c.color[1], c.color[2]);
        look.points = gui::PixelsToPoints(c.pixelSize);
        look.weight = c.bold ? QFont::Bold : 400;
        look.italic = c.italic;
        look.underline = c.underline;
        look.strike = c.strike;
        look.alignment = c.position == ShownPosition::Super ? QTextCharFormat::AlignSuperScript
                         : c.position == ShownPosition::Sub ? QTextCharFormat::AlignSubScript
                                                            : QTextCharFormat::AlignNormal;
        looks.push_back(look);
    }
    return looks;
}

DecorationSettings Case(const char* text, const char* shape, int16_t size) {
    DecorationSettings s = PlainSettings(QString::fromUtf8(text));
    StyleNames::StoreShape(s, QString::fromUtf8(shape));
    s.size = size;
    return s;
}

// The browser model itself is checked against Chromium; the preview must draw it.
TEST(PreviewDocument, DrawsEachCharacterAsTheBrowserModelSays) {
    std::vector<DecorationSettings> cases;
    cases.push_back(Case("Test", "標準", 0));
    for (const char* shape : {"右下がり", "左下がり", "レンズ", "スクラップ"}) {
        for (int size : {1, 3, 7, 12})
            cases.push_back(Case("GlimtexLine", shape, static_cast<int16_t>(size)));
    }
    cases.push_back(Case("Negative", "右下がり", -1));
    DecorationSettings gradation = Case("Gradation", "レンズ", 4);
    gradation.colorStyle = ColorStyle::Gradation;
    gradation.colors = {ColorTriple{0, 0, 255}, ColorTriple{255, 200, 0}};
    cases.push_back(gradation);
    DecorationSettings styled = Case("abc", "右下がり", 6);
    styled.emphasis = Emphasis{true, true, true, true};
    styled.face = QStringLiteral("Arial");
    styled.colors[0] = {200, 0, 0};
    styled.background = Background::Color;
    styled.backgroundColor = {255, 255, 0};
    styled.link = LinkStyle::Address;
    styled.linkAddress = QStringLiteral("index.html");
    cases.push_back(styled);
    DecorationSettings sub = Case("H2O", "標準", 2);
    sub.position = Position::Subscript;
    cases.push_back(sub);
    for (DecorationSettings& s : cases) {
        for (FragmentFormat format : {FragmentFormat::Html, FragmentFormat::Legacy}) {
            s.format = format;
            const FragmentModel model = ModelOf(s);
            EXPECT_EQ(Preview(model), Expected(model)) << Fragment(s);
        }
    }
}

TEST(PreviewDocument, BackgroundShowsOnlyWhereABrowserShowsIt) {
    DecorationSettings s = Case("link", "標準", 0);
    StyleNames::StoreColorStyle(s, QString());  // no color tag: the link's own blue
    s.link = LinkStyle::Address;
    s.background = Background::Color;
    s.backgroundColor = {0, 0, 128};
    QTextDocument document;
    FragmentModel model = ModelOf(s);
    gui::FillDocument(document, std::span(&model, 1));
    const std::vector<Look> looks = LooksOf(document);
    ASSERT_EQ(looks.size(), 4u);
    EXPECT_EQ(looks[0].color, gui::kLinkColor);
    EXPECT_TRUE(looks[0].underline);
    ASSERT_EQ(document.rootFrame()->childFrames().size(), 1);
    EXPECT_EQ(document.rootFrame()->childFrames()[0]->frameFormat().background().color(),
              QColor(0, 0, 128));

    // The old bytes leave the text in front of an empty table.
    s.format = FragmentFormat::Legacy;
    model = ModelOf(s);
    gui::FillDocument(document, std::span(&model, 1));
    EXPECT_TRUE(document.rootFrame()->childFrames().isEmpty());

    s.format = FragmentFormat::Html;
    s.background = Background::Picture;
    s.backgroundPicture = QStringLiteral("wall.gif");
    model = ModelOf(s);
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
        DeliverPostedCalls();
    }
    void Type(const QString& text) {
        auto* edit = Find<QLineEdit>(*main, "EditBox");
        edit->selectAll();
        QTest::keyClicks(edit, text);
        DeliverPostedCalls();
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
    EXPECT_EQ(program->Settings().size, 0);
    EXPECT_TRUE(program->Core().Collected().Text().isEmpty());
    EXPECT_EQ(views->Board(), nullptr);
    EXPECT_EQ(views->Output(), nullptr);

    // Colours set through the mixer's slot reach it too.
    program->MainWindow().Form().StoreColor(0, {0, 128, 0});
    DeliverPostedCalls();
    EXPECT_EQ(LooksOf(*Shown())[0].color, QColor(0, 128, 0));
}

TEST_F(PreviewWindowTest, ARefusedLineIsRedWithWhatToDoUnderIt) {
    Menu("Preview_Tool");
    program->MainWindow().Form().SetShapeText(QStringLiteral("レンズ"));
    DeliverPostedCalls();
    EXPECT_EQ(Shown()->toPlainText(),
              QStringLiteral("ソースの作成ができません\n"
                             "「形状」を使うには「基本文字サイズ」を 1 以上にしてください"));
    EXPECT_EQ(LooksOf(*Shown()).front().color, QColor(0xCC, 0, 0));
    EXPECT_EQ(LooksOf(*Shown()).back().color, gui::kPageText);
    EXPECT_TRUE(boxes.seen.isEmpty());  // no message box
}

TEST_F(PreviewWindowTest, ClosesWithItsCloseBoxAndWithTheMainWindow) {
    Menu("Preview_Tool");
    views->Preview()->close();
    EXPECT_EQ(views->Preview(), nullptr);
    EXPECT_EQ(program->Find<PreviewState>(), nullptr);
    Menu("Preview_Tool");
    ASSERT_NE(views->Preview(), nullptr);
    main->close();
    EXPECT_EQ(program->Find<PreviewState>(), nullptr);
}

TEST_F(PreviewWindowTest, TheOutputWindowShowsEachRunOnItsViewTab) {
    auto runAndConfirm = [&](const char* text, const char* command) {
        Type(QString::fromUtf8(text));
        Menu(command);
        ASSERT_NE(views->Board(), nullptr);
        QTest::keyClick(views->Board(), Qt::Key_Return);
        DeliverPostedCalls();
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

TEST_F(PreviewWindowTest, TheFormatMenuChoosesTheBytesAndThePreviewWarnsOfTheOldOnes) {
    Menu("Preview_Tool");
    auto* sizeCombo = Find<QComboBox>(*main, "MojiSizeCombo");
    sizeCombo->setCurrentText(QStringLiteral("4"));
    Type(QStringLiteral("ab"));
    auto* note = Find<QLabel>(*views->Preview(), "LeakNote");
    EXPECT_FALSE(note->isVisible());

    auto* legacy = Find<QAction>(*main, "LegacyFormat_Set");
    auto* html = Find<QAction>(*main, "HtmlFormat_Set");
    EXPECT_TRUE(html->isChecked());
    Menu("LegacyFormat_Set");
    EXPECT_TRUE(legacy->isChecked());
    EXPECT_FALSE(html->isChecked());
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), gui::kLeakNote);

    Menu("CodeCreate_Run");
    QTest::keyClick(views->Board(), Qt::Key_Return);
    DeliverPostedCalls();
    auto* box = Find<QPlainTextEdit>(*views->Output(), "HTMLStringBox");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("<Font Color=#000000><Font Size=4>ab</Font>"));

    Menu("HtmlFormat_Set");
    EXPECT_FALSE(note->isVisible());
    Menu("CodeCreate_Run");
    QTest::keyClick(views->Board(), Qt::Key_Return);
    DeliverPostedCalls();
    EXPECT_EQ(box->toPlainText(),
              QStringLiteral("<Font Color=#000000><Font Size=4>ab</Font></Font>"));
}

}  // namespace
}  // namespace glimtex::testing
