#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace glimtex::testing {

// What a finished program said and how it ended (-1: it crashed or never ended).
struct ProcessRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Where and how a program runs: its working folder and environment.
struct ProcessPlace {
    QString workingDirectory;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// Runs a program to its end, with the input on its standard input; a program that
// has not ended after 30 s is killed and the test fails.
inline ProcessRun RunProcess(const QString& program, const QStringList& arguments,
                             const QByteArray& input = {}, const ProcessPlace& place = {}) {
    QProcess process;
    process.setProcessEnvironment(place.environment);
    if (!place.workingDirectory.isEmpty()) process.setWorkingDirectory(place.workingDirectory);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    ProcessRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace glimtex::testing
