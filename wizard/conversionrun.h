#ifndef KORRIN_WIZARD_CONVERSIONRUN_H
#define KORRIN_WIZARD_CONVERSIONRUN_H

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>

class OutputFollower;

// One conversion by Korrin: the process, its output followed in batches, a
// stop the user asked for, and how it ended. The process of the last run
// stays until the next starts; one still running when the object goes is
// killed, and reports nothing.
class ConversionRun : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Converted,        // Korrin ended with status 0
        Failed,           // Korrin ended and said why on its last line
        Stopped,          // the user stopped it
        EndedAbnormally,  // something else ended it
        NotStarted,       // no Korrin could be started
    };

    explicit ConversionRun(QObject *parent = nullptr);
    ~ConversionRun() override;

    // arguments: Korrin's command line after the program name.
    void start(const QStringList &arguments);
    bool isRunning() const;
    // Kills Korrin, as the user asked.
    void stop();

signals:
    void output(const QByteArray &text);
    void ended(ConversionRun::Outcome outcome);

private:
    void readOutput();
    void onFinished();
    void onError(QProcess::ProcessError error);

    QProcess *process = nullptr;
    OutputFollower *follower;
    bool stopAsked = false;
};

#endif
