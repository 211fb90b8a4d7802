#include "outputfollower.h"

#include <QDir>
#include <QProcess>

namespace {

constexpr int batchMilliseconds = 250;

} // namespace

OutputFollower::OutputFollower(QObject *parent) : QObject(parent)
{
    batchTimer.setInterval(batchMilliseconds);
    connect(&batchTimer, &QTimer::timeout, this, &OutputFollower::onTimeout);
}

bool OutputFollower::follow(QProcess *process)
{
    stop();
    reader.close();
    delete outputFile;
    outputFile = new QTemporaryFile(QDir::temp().filePath(QStringLiteral("korrin-output-XXXXXX.txt")), this);
    if (!outputFile->open())
        return false;
    reader.setFileName(outputFile->fileName());
    if (!reader.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    process->setStandardOutputFile(outputFile->fileName());
    connect(process, &QProcess::started, &batchTimer, qOverload<>(&QTimer::start));
    return true;
}

QByteArray OutputFollower::takeNew()
{
    return reader.readAll();
}

void OutputFollower::stop()
{
    batchTimer.stop();
}

void OutputFollower::onTimeout()
{
    if (reader.size() > reader.pos())
        emit outputWaiting();
}
