#pragma once
// Running one of the command-line programs as a build script would: no display at all.

#include <QProcess>
#include <QString>
#include <QStringList>

struct HeadlessRun {
    int status = -1; // -1 when it did not finish in time or crashed
    QString out;
    QString errors;
};

inline HeadlessRun RunHeadless(const QString& program, const QStringList& arguments,
                               const QString& workingDir = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
