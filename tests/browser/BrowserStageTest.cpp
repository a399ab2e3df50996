// The browser stage: generated fragments loaded into headless Chromium, each in a page
// of its own followed by a plain paragraph, and the browser's computed styles read
// back. The fragments are the settings of tests/data/browser-cases.txt and every
// bundled macro, each in the formats a browser reads: HTML, the old bytes and CSS.
#include <gtest/gtest.h>
#include <QJsonObject>
#include <QRegularExpression>
#include <map>

#include "browser/ChromiumPage.h"
#include "browser/FragmentSamples.h"
#include "html/ShownCharacters.h"

namespace glimtex::testing {
namespace {

QString Rgb(const ColorTriple& c) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(c[0]).arg(c[1]).arg(c[2]);
}

// One character as a line of text, so that a difference shows where it lies.
QString Describe(const QString& text, const QString& color, double size, bool bold, bool italic,
                 const QStringList& lines, const QString& position, const QString& background) {
    return QStringLiteral("%1 %2 %3px %4 %5 [%6] %7 behind:%8")
        .arg(text, color)
        .arg(size, 0, 'f', 2)
        .arg(bold ? QStringLiteral("bold") : QStringLiteral("normal"),
             italic ? QStringLiteral("italic") : QStringLiteral("upright"), lines.join(u' '),
             position, background);
}

std::vector<QString> FromModel(const FragmentModel& model) {
    std::vector<QString> out;
    for (const ShownCharacter& c : ShowAsBrowser(model)) {
        const QString text = model.text.mid(c.start, c.length);
        if (text.size() == 1 && text[0].isSpace()) continue;
        QStringList lines;
        if (c.strike) lines << QStringLiteral("line-through");
        if (c.underline) lines << QStringLiteral("underline");
        const QString position = c.position == ShownPosition::Super ? QStringLiteral("super")
                                 : c.position == ShownPosition::Sub ? QStringLiteral("sub")
                                                                    : QStringLiteral("baseline");
        out.push_back(Describe(text, Rgb(c.color), c.pixelSize, c.bold, c.italic, lines, position,
                               c.background ? Rgb(*c.background) : QStringLiteral("none")));
    }
    return out;
}

QString FromChromium(const QJsonObject& c) {
    QStringList lines;
    for (const auto& line : c.value(QStringLiteral("lines")).toArray()) lines << line.toString();
    const QJsonValue background = c.value(QStringLiteral("background"));
    // A background counts only where the character lies inside its box.
    const QString behind = background.isNull()                          ? QStringLiteral("none")
                           : c.value(QStringLiteral("behind")).toBool() ? background.toString()
                                                                        : QStringLiteral("beside");
    return Describe(c.value(QStringLiteral("text")).toString(),
                    c.value(QStringLiteral("colour")).toString(),
                    c.value(QStringLiteral("size")).toDouble(),
                    c.value(QStringLiteral("weight")).toString() == u"700",
                    c.value(QStringLiteral("italic")).toBool(), lines,
                    c.value(QStringLiteral("position")).toString(), behind);
}

std::vector<QString> FromChromium(const QJsonArray& characters) {
    std::vector<QString> out;
    for (const auto& c : characters) out.push_back(FromChromium(c.toObject()));
    return out;
}

// The characters one to a line, so that a failure shows which differ.
std::string Lines(const std::vector<QString>& characters) {
    return QStringList(characters.begin(), characters.end()).join(u'\n').toStdString();
}

// The paragraph after a fragment, face included.
QString AfterText(const QJsonObject& frame) {
    const QJsonObject after = frame.value(QStringLiteral("after")).toObject();
    return FromChromium(after) + u' ' + after.value(QStringLiteral("family")).toString();
}

class BrowserStage : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (ChromiumProgram().isEmpty()) return;
        samples_ =
            GatherSamples({FragmentFormat::Html, FragmentFormat::Legacy, FragmentFormat::Css});
        std::vector<PageFrame> frames{{QStringLiteral("reference"), QString()}};
        for (std::size_t k = 0; k < samples_.size(); ++k) {
            frames.push_back({QStringLiteral("f%1").arg(k), samples_[k].html});
        }
        const QJsonArray styles = StylesInChromium(frames, &why_);
        if (styles.size() != static_cast<qsizetype>(frames.size())) {
            if (why_.isEmpty()) why_ = QStringLiteral("Chromium reported fewer frames");
            return;
        }
        reference_ = styles.at(0).toObject();
        for (qsizetype k = 1; k < styles.size(); ++k) frames_.push_back(styles.at(k).toObject());
    }

    void SetUp() override {
        if (ChromiumProgram().isEmpty()) {
            GTEST_SKIP() << "Chromium is not installed (Debian's chromium): the browser stage "
                            "is skipped";
        }
        ASSERT_TRUE(why_.isEmpty()) << why_.toStdString();
        ASSERT_EQ(frames_.size(), samples_.size());
        ASSERT_GE(samples_.size(), 100u);
    }

    static inline std::vector<FragmentSample> samples_;
    static inline std::vector<QJsonObject> frames_;
    static inline QJsonObject reference_;
    static inline QString why_;
};

TEST_F(BrowserStage, TextAfterAFragmentIsStyledAsTextAfterNone) {
    const QString plain = AfterText(reference_);
    EXPECT_TRUE(
        plain.startsWith(QStringLiteral("a rgb(0, 0, 0) 16.00px normal upright [] "
                                        "baseline behind:none")))
        << plain.toStdString();
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        if (samples_[k].model.style.format == FragmentFormat::Legacy) continue;
        EXPECT_EQ(AfterText(frames_[k]), plain) << samples_[k].name.toStdString();
    }
}

TEST_F(BrowserStage, EveryCharacterLooksAsThePreviewSays) {
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        const std::vector<QString> model = FromModel(samples_[k].model);
        const std::vector<QString> browser =
            FromChromium(frames_[k].value(QStringLiteral("characters")).toArray());
        EXPECT_EQ(Lines(model), Lines(browser)) << samples_[k].name.toStdString() << "\n"
                                                << samples_[k].html.toStdString();
    }
}

TEST_F(BrowserStage, ABackgroundColorIsBehindEveryCharacter) {
    std::map<FragmentFormat, int> coloured;
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        const FragmentStyle& style = samples_[k].model.style;
        if (style.format == FragmentFormat::Legacy || style.background != Background::Color) {
            continue;
        }
        ++coloured[style.format];
        const QJsonArray characters = frames_[k].value(QStringLiteral("characters")).toArray();
        ASSERT_FALSE(characters.isEmpty());
        for (const auto& c : characters) {
            const QJsonObject character = c.toObject();
            EXPECT_EQ(character.value(QStringLiteral("background")).toString(),
                      Rgb(ColorAsBrowsersRead(style.backgroundColor)))
                << samples_[k].name.toStdString();
            EXPECT_TRUE(character.value(QStringLiteral("behind")).toBool())
                << samples_[k].name.toStdString();
        }
    }
    EXPECT_GE(coloured[FragmentFormat::Html], 4);
    EXPECT_GE(coloured[FragmentFormat::Css], 4);
}

// What the old bytes look like: the font tags they leave open go on into the
// paragraph after them, and nothing else does.
TEST_F(BrowserStage, TheOldBytesLeakWhatTheyLeaveOpen) {
    const QJsonObject plain = reference_.value(QStringLiteral("after")).toObject();
    int visible = 0;
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        if (samples_[k].model.style.format != FragmentFormat::Legacy) continue;
        const LeftOpen open = DecorationLeftOpen(samples_[k].model);
        QJsonObject expected = plain;
        if (open.color) expected[QStringLiteral("colour")] = Rgb(*open.color);
        if (open.pixelSize) expected[QStringLiteral("size")] = *open.pixelSize;
        const QJsonObject after = frames_[k].value(QStringLiteral("after")).toObject();
        EXPECT_EQ(FromChromium(after), FromChromium(expected)) << samples_[k].name.toStdString();
        const QString family = after.value(QStringLiteral("family")).toString();
        if (open.face) {
            // Chromium quotes the names of a face list that hold a blank.
            auto bare = [](QString names) {
                return names.remove(QRegularExpression(QStringLiteral("[\\s\"']")));
            };
            EXPECT_TRUE(bare(family).contains(bare(*open.face)))
                << samples_[k].name.toStdString() << ": " << family.toStdString();
        } else {
            EXPECT_EQ(family, plain.value(QStringLiteral("family")).toString());
        }
        if (FromChromium(after) != FromChromium(plain)) ++visible;
    }
    EXPECT_GE(visible, 20);
}

}  // namespace
}  // namespace glimtex::testing
