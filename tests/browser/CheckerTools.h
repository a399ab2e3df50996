#pragma once

#include <QJsonDocument>
#include <QString>
#include <QStringList>

namespace glimtex::testing {

// The checkers that tests/tools holds once ./test.sh has run "npm ci" there, and the
// programs that run them. Each is empty when it is missing.
QString NodeProgram();
QString JavaProgram();
// The Nu HTML checker's jar.
QString NuCheckerJar();
// True when every one of the npm packages is installed in tests/tools.
bool HasNodePackages(const QStringList& packages);

// Runs tests/tools/<script> under Node.js with the JSON input on its standard input and
// returns the JSON it writes; null, with the reason in why, when it fails.
QJsonDocument RunNodeScript(const QString& script, const QJsonDocument& input, QString* why);

}  // namespace glimtex::testing
