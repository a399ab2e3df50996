// The BBCode stage: every fragment of the BBCode format, rendered to HTML as a forum
// would (@bbob/html with its HTML5 preset, one Node.js run for all), loaded into
// headless Chromium; each character must show the text and color the preview gives.
#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>

#include "browser/CheckerTools.h"
#include "browser/ChromiumPage.h"
#include "browser/FragmentSamples.h"
#include "html/ShownCharacters.h"

namespace glimtex::testing {
namespace {

class BbcodeStage : public ::testing::Test {
  protected:
    static QString Missing() {
        if (ChromiumProgram().isEmpty()) return QStringLiteral("Chromium is not installed");
        if (NodeProgram().isEmpty() || !HasNodePackages({QStringLiteral("@bbob/html"),
                                                         QStringLiteral("@bbob/preset-html5")})) {
            return QStringLiteral(
                "Node.js or the BBCode renderer (npm ci in tests/tools) is missing");
        }
        return {};
    }

    static void SetUpTestSuite() {
        if (!Missing().isEmpty()) return;
        samples_ = GatherSamples({FragmentFormat::Bbcode});
        QJsonArray texts;
        for (const FragmentSample& sample : samples_) texts.append(sample.html);
        const QJsonArray pages =
            RunNodeScript(QStringLiteral("bbcode-to-html.js"), QJsonDocument(texts), &why_).array();
        if (pages.size() != texts.size()) {
            if (why_.isEmpty()) why_ = QStringLiteral("the renderer gave fewer pages");
            return;
        }
        std::vector<PageFrame> frames;
        for (qsizetype k = 0; k < pages.size(); ++k) {
            frames.push_back({QStringLiteral("f%1").arg(k), pages[k].toString()});
        }
        const QJsonArray styles = StylesInChromium(frames, &why_);
        for (const auto& frame : styles) {
            characters_.push_back(frame.toObject().value(QStringLiteral("characters")).toArray());
        }
        if (why_.isEmpty() && characters_.size() != samples_.size()) {
            why_ = QStringLiteral("Chromium reported fewer frames");
        }
    }

    void SetUp() override {
        if (const QString missing = Missing(); !missing.isEmpty()) {
            GTEST_SKIP() << missing.toStdString() << ": the BBCode stage is skipped";
        }
        ASSERT_TRUE(why_.isEmpty()) << why_.toStdString();
        ASSERT_GE(samples_.size(), 50u);
    }

    static inline std::vector<FragmentSample> samples_;
    static inline std::vector<QJsonArray> characters_;
    static inline QString why_;
};

TEST_F(BbcodeStage, EveryCharacterHasTheColorThePreviewGives) {
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        const FragmentModel& model = samples_[k].model;
        QStringList expected;
        for (const ShownCharacter& c : ShowAsBrowser(model)) {
            const QString text = model.text.mid(c.start, c.length);
            if (text.trimmed().isEmpty()) continue;
            expected << QStringLiteral("%1 rgb(%2, %3, %4)")
                            .arg(text)
                            .arg(c.color[0])
                            .arg(c.color[1])
                            .arg(c.color[2]);
        }
        QStringList shown;
        for (const auto& c : characters_[k]) {
            const QJsonObject character = c.toObject();
            shown << character.value(QStringLiteral("text")).toString() + u' ' +
                         character.value(QStringLiteral("colour")).toString();
        }
        EXPECT_EQ(expected.join(u'\n').toStdString(), shown.join(u'\n').toStdString())
            << samples_[k].name.toStdString() << "\n"
            << samples_[k].html.toStdString();
    }
}

// A "[" the user typed is text, and so is whatever follows it.
TEST_F(BbcodeStage, BracketsOfTheTextShowAsTyped) {
    int bracketed = 0;
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        QString typed;
        for (const QChar c : samples_[k].model.text) {
            if (!c.isSpace()) typed += c;
        }
        QString shown;
        for (const auto& c : characters_[k]) {
            shown += c.toObject().value(QStringLiteral("text")).toString();
        }
        EXPECT_EQ(shown.toStdString(), typed.toStdString())
            << samples_[k].name.toStdString() << "\n"
            << samples_[k].html.toStdString();
        if (typed.contains(u'[')) ++bracketed;
    }
    EXPECT_GE(bracketed, 1);
}

}  // namespace
}  // namespace glimtex::testing
