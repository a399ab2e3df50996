// The Nu checker stage: every fragment of the CSS format, in a minimal HTML5 page of
// its own, passes the Nu HTML checker (vnu, run once over all pages) with neither an
// error nor a warning, its inline styles and addresses included.
#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "browser/CheckerTools.h"
#include "browser/FragmentSamples.h"
#include "html/StyleMarkup.h"

namespace glimtex::testing {
namespace {

QString PageOf(const FragmentSample& sample) {
    QString title;
    CssMarkup::AppendEscaped(title, sample.name);
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"utf-8\">"
               "<title>%1</title></head><body><p>%2</p></body></html>\n")
        .arg(title, sample.html);
}

TEST(NuChecker, EveryCssFragmentIsValidHtml5) {
    if (JavaProgram().isEmpty() || NuCheckerJar().isEmpty()) {
        GTEST_SKIP() << "Java or the Nu checker (npm ci in tests/tools) is missing: the Nu "
                        "checker stage is skipped";
    }
    const std::vector<FragmentSample> samples = GatherSamples({FragmentFormat::Css});
    ASSERT_GE(samples.size(), 50u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList arguments{QStringLiteral("-jar"), NuCheckerJar(), QStringLiteral("--format"),
                          QStringLiteral("json"), QStringLiteral("--stdout")};
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const QString path = dir.filePath(QStringLiteral("page%1.html").arg(k));
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(PageOf(samples[k]).toUtf8());
        arguments << path;
    }

    QProcess java;
    java.start(JavaProgram(), arguments);
    ASSERT_TRUE(java.waitForFinished(600000)) << "the Nu checker did not finish";
    const QJsonDocument report = QJsonDocument::fromJson(java.readAllStandardOutput());
    ASSERT_TRUE(report.isObject()) << java.readAllStandardError().toStdString();
    // Every message counts, an information as much as an error.
    static const QRegularExpression pageNumber(QStringLiteral("page(\\d+)\\.html$"));
    for (const auto& m : report.object().value(QStringLiteral("messages")).toArray()) {
        const QJsonObject message = m.toObject();
        const QString url = message.value(QStringLiteral("url")).toString();
        const QRegularExpressionMatch match = pageNumber.match(url);
        const std::size_t k = match.hasMatch() ? match.captured(1).toULong() : samples.size();
        ADD_FAILURE() << (k < samples.size() ? samples[k].name.toStdString() : url.toStdString())
                      << ": " << message.value(QStringLiteral("type")).toString().toStdString()
                      << ' ' << message.value(QStringLiteral("subType")).toString().toStdString()
                      << ": " << message.value(QStringLiteral("message")).toString().toStdString()
                      << '\n'
                      << (k < samples.size() ? samples[k].html.toStdString() : std::string());
    }
    EXPECT_EQ(java.exitCode(), 0) << java.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace glimtex::testing
