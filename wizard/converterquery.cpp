#include "converterquery.h"

#include "converterprogram.h"
#include "uitext.h"

QStringList answerLines(const QString &output)
{
    QStringList lines;
    for (QString line : output.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1); // Korrin.exe ends its console lines with CR LF
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

ConverterQuery::ConverterQuery(QObject *parent) : QObject(parent) {}

ConverterQuery::~ConverterQuery()
{
    stop();
}

void ConverterQuery::start(const QStringList &arguments)
{
    stop();
    process = new QProcess(this);
    process->setProgram(converterProgram());
    process->setArguments(arguments);
    process->setStandardErrorFile(QProcess::nullDevice());
    QProcess *started = process;
    connect(started, &QProcess::finished, this, [this, started] { onFinished(started); });
    connect(started, &QProcess::errorOccurred, this, [this, started](QProcess::ProcessError error) { onError(started, error); });
    started->start();
}

void ConverterQuery::wait()
{
    constexpr int longestAnswerMilliseconds = 30000;
    if (process)
        process->waitForFinished(longestAnswerMilliseconds);
}

// A question given up reports nothing more.
void ConverterQuery::stop()
{
    if (!process)
        return;
    endProcess(process);
    process->deleteLater();
    process = nullptr;
}

void ConverterQuery::onFinished(QProcess *finished)
{
    const QString output = QString::fromLocal8Bit(finished->readAllStandardOutput());
    process = nullptr;
    finished->deleteLater();
    if (finished->exitStatus() == QProcess::NormalExit && finished->exitCode() == 0)
        emit answered(output);
    else
        emit failed(output.trimmed().section(QLatin1Char('\n'), -1).trimmed());
}

void ConverterQuery::onError(QProcess *failedProcess, QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    process = nullptr;
    failedProcess->deleteLater();
    emit notStarted(uiText("Please ensure %1 is set on the path.").arg(converterProgramName()));
}
