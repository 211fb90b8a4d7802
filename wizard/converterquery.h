#ifndef KORRIN_WIZARD_CONVERTERQUERY_H
#define KORRIN_WIZARD_CONVERTERQUERY_H

#include <QObject>
#include <QProcess>
#include <QStringList>

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

signals:
    void answered(const QString &output);
    // reason: Korrin's last line, or why it could not be started.
    void failed(const QString &reason);

private:
    void onFinished(QProcess *process);
    void onError(QProcess *process, QProcess::ProcessError error);

    QProcess *process = nullptr;
};

#endif
