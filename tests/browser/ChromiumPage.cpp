#include "browser/ChromiumPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace glimtex::testing {

namespace {

// The text of a double-quoted attribute value.
QString AttributeText(QString text) {
    text.replace(u'&', QStringLiteral("&amp;"));
    text.replace(u'"', QStringLiteral("&quot;"));
    return text;
}

QString FrameDocument(const QString& fragment) {
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>"
               "<div id=\"fragment\">%1</div><p id=\"after\">after the fragment</p>"
               "</body></html>")
        .arg(fragment);
}

QString Page(const std::vector<PageFrame>& frames, const QString& script) {
    QString page = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>"
        "<pre id=\"result\"></pre>\n");
    for (const PageFrame& frame : frames) {
        page += QStringLiteral(
                    "<iframe id=\"%1\" width=\"1200\" height=\"200\" srcdoc=\"%2\">"
                    "</iframe>\n")
                    .arg(AttributeText(frame.id), AttributeText(FrameDocument(frame.fragment)));
    }
    page += QStringLiteral("<script>") + script + QStringLiteral("</script></body></html>\n");
    return page;
}

}  // namespace

QString ChromiumProgram() {
    if (QFileInfo(QStringLiteral("/usr/bin/chromium")).isExecutable()) {
        return QStringLiteral("/usr/bin/chromium");
    }
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

QJsonArray StylesInChromium(const std::vector<PageFrame>& frames, QString* why) {
    QFile scriptFile(QStringLiteral(GLIMTEX_TEST_SOURCE_DIR "/browser/ReadStyles.js"));
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot read ReadStyles.js");
        return {};
    }
    QTemporaryDir dir;
    const QString pagePath = dir.filePath(QStringLiteral("page.html"));
    QFile page(pagePath);
    if (!dir.isValid() || !page.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("cannot write the page");
        return {};
    }
    page.write(Page(frames, QString::fromUtf8(scriptFile.readAll())).toUtf8());
    page.close();

    // As root and without a network: no sandbox, and nothing that calls out.
    const QStringList arguments{
        QStringLiteral("--headless"),
        QStringLiteral("--no-sandbox"),
        QStringLiteral("--disable-gpu"),
        QStringLiteral("--disable-quic"),
        QStringLiteral("--no-first-run"),
        QStringLiteral("--disable-background-networking"),
        QStringLiteral("--disable-component-update"),
        QStringLiteral("--disable-sync"),
        QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")),
        QStringLiteral("--virtual-time-budget=20000"),
        QStringLiteral("--dump-dom"),
        QUrl::fromLocalFile(pagePath).toString()};
    QProcess chromium;
    chromium.start(ChromiumProgram(), arguments);
    if (!chromium.waitForFinished(120000)) {
        chromium.kill();
        chromium.waitForFinished();
        *why = QStringLiteral("Chromium did not finish within 120 s");
        return {};
    }
    const QString dom = QString::fromUtf8(chromium.readAllStandardOutput());
    static const QRegularExpression result(
        QStringLiteral("<pre id=\"result\">([A-Za-z0-9+/=]+)</pre>"));
    const QRegularExpressionMatch match = result.match(dom);
    if (!match.hasMatch()) {
        *why = QStringLiteral("Chromium reported nothing (exit %1): %2")
                   .arg(chromium.exitCode())
                   .arg(QString::fromUtf8(chromium.readAllStandardError()).left(2000));
        return {};
    }
    const QJsonDocument json =
        QJsonDocument::fromJson(QByteArray::fromBase64(match.captured(1).toLatin1()));
    if (!json.isArray()) *why = QStringLiteral("Chromium's report is no JSON array");
    return json.array();
}

}  // namespace glimtex::testing
