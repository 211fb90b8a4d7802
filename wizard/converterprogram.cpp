#include "converterprogram.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString bareName = QStringLiteral("Korrin");

} // namespace

// Windows' program search looks in the wizard's own folder before the search
// path; elsewhere a Korrin in that folder is named in full to get the same.
QString converterProgram()
{
#ifndef Q_OS_WIN
    const QString beside = QStandardPaths::findExecutable(bareName, {QCoreApplication::applicationDirPath()});
    if (!beside.isEmpty())
        return beside;
#endif
    return bareName;
}

QString converterProgramName()
{
#ifdef Q_OS_WIN
    return bareName + QStringLiteral(".exe");
#else
    return bareName;
#endif
}

void endProcess(QProcess *process)
{
    if (!process)
        return;
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
    }
}
