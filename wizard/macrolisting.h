#ifndef KORRIN_WIZARD_MACROLISTING_H
#define KORRIN_WIZARD_MACROLISTING_H

#include <QObject>
#include <QProcess>
#include <QStringList>

#include "buildmacro.h"

// Asks Korrin for the build macros of a project ("-macros"), without
// blocking the window. A new listing stops the one before.
class MacroListing : public QObject
{
    Q_OBJECT

public:
    explicit MacroListing(QObject *parent = nullptr);
    ~MacroListing() override;

    // arguments: Korrin's command line after the program name.
    void start(const QStringList &arguments);
    void stop();

signals:
    void listed(const QList<BuildMacro> &macros);
    // reason: Korrin's last line, or why it could not be started.
    void failed(const QString &reason);

private:
    void onFinished(QProcess *process);
    void onError(QProcess *process, QProcess::ProcessError error);

    QProcess *process = nullptr;
};

#endif
