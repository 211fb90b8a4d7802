#include "conversionrun.h"

#include "converterprogram.h"
#include "outputfollower.h"

ConversionRun::ConversionRun(QObject *parent) : QObject(parent), follower(new OutputFollower(this))
{
    connect(follower, &OutputFollower::outputWaiting, this, &ConversionRun::readOutput);
}

ConversionRun::~ConversionRun()
{
    endProcess(process);
}

void ConversionRun::start(const QStringList &arguments)
{
    if (process)
        process->deleteLater();
    stopAsked = false;
    process = new QProcess(this);
    process->setProgram(converterProgram());
    process->setArguments(arguments);
    process->setStandardErrorFile(QProcess::nullDevice());
    follower->follow(process); // else the output is read as it comes
    connect(process, &QProcess::readyReadStandardOutput, this, &ConversionRun::readOutput);
    connect(process, &QProcess::finished, this, &ConversionRun::onFinished);
    connect(process, &QProcess::errorOccurred, this, &ConversionRun::onError);
    process->start();
}

bool ConversionRun::isRunning() const
{
    return process && process->state() != QProcess::NotRunning;
}

void ConversionRun::stop()
{
    stopAsked = true;
    process->kill();
}

void ConversionRun::readOutput()
{
    emit output(follower->following() ? follower->takeNew() : process->readAllStandardOutput());
}

// A run that Korrin did not end itself leaves a half-written project.
void ConversionRun::onFinished()
{
    follower->stop();
    readOutput();
    if (process->exitStatus() == QProcess::NormalExit)
        emit ended(process->exitCode() == 0 ? Outcome::Converted : Outcome::Failed);
    else
        emit ended(stopAsked ? Outcome::Stopped : Outcome::EndedAbnormally);
}

void ConversionRun::onError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    follower->stop();
    emit ended(Outcome::NotStarted);
}
