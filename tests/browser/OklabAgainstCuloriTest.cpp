// Gradations mixed in OKLab, character by character, against culori's interpolation
// in OKLab at the same places (character i of n at i/n of the way), one Node.js run
// for all: every component within 1 of culori's clamped and rounded sRGB.
#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>

#include "browser/CheckerTools.h"
#include "html/HtmlGenerator.h"
#include "support/SettingsCases.h"

namespace glimtex::testing {
namespace {

constexpr int kLengths[] = {1, 2, 7, 100};

QJsonArray JsonOf(const ColorTriple& c) { return {c[0], c[1], c[2]}; }

TEST(OklabAgainstCulori, EveryCharacterIsWithinOneOfCulori) {
    if (NodeProgram().isEmpty() || !HasNodePackages({QStringLiteral("culori")})) {
        GTEST_SKIP() << "Node.js or culori (npm ci in tests/tools) is missing: the OKLab "
                        "stage is skipped";
    }
    const std::vector<SettingsCase> cases =
        ReadSettingsCases(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/oklab-gradations.txt"));
    ASSERT_GE(cases.size(), 7u);
    struct Line {
        QString name;
        std::vector<CharacterMarks> characters;
    };
    std::vector<Line> lines;
    QJsonArray requests;
    for (const SettingsCase& c : cases) {
        for (const int n : kLengths) {
            DecorationSettings s = c.settings;
            s.text = QString(n, u'字');
            s.colorStyle = ColorStyle::Gradation;
            s.gradientSpace = GradientSpace::Oklab;
            FragmentModel model;
            HtmlGenerator generator;
            generator.RecordInto(&model);
            ASSERT_TRUE(generator.Build(s)) << c.name.toStdString();
            lines.push_back({QStringLiteral("%1, %2 characters").arg(c.name).arg(n),
                             std::move(model.characters)});
            QJsonArray stops;
            for (const ColorTriple& stop : ColorStops(s)) stops.append(JsonOf(stop));
            requests.append(
                QJsonObject{{QStringLiteral("stops"), stops}, {QStringLiteral("length"), n}});
        }
    }

    QString why;
    const QJsonArray culori =
        RunNodeScript(QStringLiteral("oklab-gradations.js"), QJsonDocument(requests), &why).array();
    ASSERT_EQ(culori.size(), static_cast<qsizetype>(lines.size())) << why.toStdString();
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const QJsonArray expected = culori[static_cast<qsizetype>(k)].toArray();
        ASSERT_EQ(expected.size(), static_cast<qsizetype>(lines[k].characters.size()));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ColorTriple& ours = lines[k].characters[static_cast<std::size_t>(i)].color;
            const QJsonArray theirs = expected[i].toArray();
            for (qsizetype j = 0; j < 3; ++j) {
                EXPECT_NEAR(ours[static_cast<std::size_t>(j)], theirs[j].toInt(), 1)
                    << lines[k].name.toStdString() << ", character " << i << ": ours "
                    << QJsonDocument(JsonOf(ours)).toJson(QJsonDocument::Compact).toStdString()
                    << ", culori's "
                    << QJsonDocument(theirs).toJson(QJsonDocument::Compact).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace glimtex::testing
