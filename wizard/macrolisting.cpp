#include "macrolisting.h"

#include "converterprogram.h"
#include "uitext.h"

MacroListing::MacroListing(QObject *parent) : QObject(parent) {}

MacroListing::~MacroListing()
{
    stop();
}

void MacroListing::start(const QStringList &arguments)
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

// A listing given up reports nothing more.
void MacroListing::stop()
{
    if (!process)
        return;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
    }
    process->deleteLater();
    process = nullptr;
}

void MacroListing::onFinished(QProcess *finished)
{
    const QString output = QString::fromLocal8Bit(finished->readAllStandardOutput());
    process = nullptr;
    finished->deleteLater();
    if (finished->exitStatus() == QProcess::NormalExit && finished->exitCode() == 0)
        emit listed(buildMacrosFromListing(output));
    else
        emit failed(output.trimmed().section(QLatin1Char('\n'), -1).trimmed());
}

void MacroListing::onError(QProcess *failedProcess, QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    process = nullptr;
    failedProcess->deleteLater();
    emit failed(uiText("Please ensure %1 is set on the path.").arg(converterProgramName()));
}
