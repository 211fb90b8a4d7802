#ifndef KORRIN_WIZARD_CONVERTERQUERY_H
#define KORRIN_WIZARD_CONVERTERQUERY_H

#include <QObject>
#include <QProcess>
#include <QStringList>

// Korrin's answer a line each, without the CR of Korrin.exe's line ends;
// empty lines left out.
QStringList answerLines(const QString &output);

// Asks Korrin something that it answers on its standard output without
// writing anything ("-macros", "-name"), without blocking the window. A new
// question stops the one before.
class ConverterQuery : public QObject
{
    Q_OBJECT

public:
    explicit ConverterQuery(QObject *parent = nullptr);
    ~ConverterQuery() override;

    // arguments: Korrin's command line after the program name.
    void start(const QStringList &arguments);
    void stop();
    // Waits for the answer of a question under way, which is then given as
    // the event loop would give it.
    void wait();

signals:
    void answered(const QString &output);
    // reason: Korrin's last line.
    void failed(const QString &reason);
    // reason: why Korrin could not be started.
    void notStarted(const QString &reason);

private:
    void onFinished(QProcess *process);
    void onError(QProcess *process, QProcess::ProcessError error);

    QProcess *process = nullptr;
};

#endif
