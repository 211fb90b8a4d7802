#ifndef KORRIN_WIZARD_OUTPUTFOLLOWER_H
#define KORRIN_WIZARD_OUTPUTFOLLOWER_H

#include <QFile>
#include <QObject>
#include <QTemporaryFile>
#include <QTimer>

class QProcess;

// Follows a process's standard output in batches. Korrin flushes every
// line, and taking each line as it comes costs the window a wake-up per
// line, as much as the conversion costs Korrin; so the output goes into a
// temporary file, and what is new there is announced a few times a second.
class OutputFollower : public QObject
{
    Q_OBJECT

public:
    explicit OutputFollower(QObject *parent = nullptr);

    // Sends process's standard output to a new file, to be followed once it
    // starts; false when no such file can be made.
    bool follow(QProcess *process);
    // Whether the output of the process last given goes into the file.
    bool following() const { return reader.isOpen(); }
    // The output written since the last call.
    QByteArray takeNew();
    // Stops announcing; what is left can still be taken.
    void stop();

signals:
    void outputWaiting();

private:
    void onTimeout();

    QTemporaryFile *outputFile = nullptr;
    QFile reader;
    QTimer batchTimer;
};

#endif
