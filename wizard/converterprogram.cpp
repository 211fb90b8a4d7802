#include "converterprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString bareName = QStringLiteral("Korrin");

// An argument as the shell reads it back: as it is when it holds nothing
// the shell would take apart or expand, else quoted.
QString quotedArgument(const QString &argument)
{
#ifdef Q_OS_WIN
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+=.,:/\\@");
#else
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+=.,:/@%");
#endif
    if (!argument.isEmpty() && std::all_of(argument.cbegin(), argument.cend(), [](QChar c) { return plain.contains(c); }))
        return argument;
#ifdef Q_OS_WIN
    return QLatin1Char('"') + QString(argument).replace(QLatin1Char('"'), QStringLiteral("\\\"")) + QLatin1Char('"');
#else
    return QLatin1Char('\'') + QString(argument).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
#endif
}

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

QString commandLineText(const QStringList &arguments)
{
    QStringList words{quotedArgument(QDir::toNativeSeparators(converterProgram()))};
    for (const QString &argument : arguments)
        words << quotedArgument(argument);
    return words.join(QLatin1Char(' '));
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
