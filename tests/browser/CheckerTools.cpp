#include "browser/CheckerTools.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace glimtex::testing {

namespace {

const QString kTools = QStringLiteral(GLIMTEX_TEST_SOURCE_DIR "/tools");

}  // namespace

QString NodeProgram() { return QStandardPaths::findExecutable(QStringLiteral("node")); }

QString JavaProgram() { return QStandardPaths::findExecutable(QStringLiteral("java")); }

QString NuCheckerJar() {
    const QString jar = kTools + QStringLiteral("/node_modules/vnu-jar/build/dist/vnu.jar");
    return QFileInfo::exists(jar) ? jar : QString();
}

bool HasNodePackages(const QStringList& packages) {
    return std::ranges::all_of(packages, [](const QString& package) {
        return QFileInfo::exists(kTools + QStringLiteral("/node_modules/") + package +
                                 QStringLiteral("/package.json"));
    });
}

QJsonDocument RunNodeScript(const QString& script, const QJsonDocument& input, QString* why) {
    QProcess node;
    node.setWorkingDirectory(kTools);
    node.start(NodeProgram(), {kTools + u'/' + script});
    node.write(input.toJson(QJsonDocument::Compact));
    node.closeWriteChannel();
    if (!node.waitForFinished(120000)) {
        node.kill();
        node.waitForFinished();
        *why = script + QStringLiteral(" did not finish within 120 s");
        return {};
    }
    QJsonParseError error{};
    QJsonDocument output = QJsonDocument::fromJson(node.readAllStandardOutput(), &error);
    if (node.exitStatus() != QProcess::NormalExit || node.exitCode() != 0 || output.isNull()) {
        *why = QStringLiteral("%1 failed (exit %2): %3")
                   .arg(script)
                   .arg(node.exitCode())
                   .arg(QString::fromUtf8(node.readAllStandardError()).left(2000));
        return {};
    }
    return output;
}

}  // namespace glimtex::testing
