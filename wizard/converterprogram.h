#ifndef KORRIN_WIZARD_CONVERTERPROGRAM_H
#define KORRIN_WIZARD_CONVERTERPROGRAM_H

#include <QString>
#include <QStringList>

// The Korrin the wizard starts: the one beside the wizard, else the one the
// search path finds.
QString converterProgram();

// Korrin's name as this system calls the program, for messages to the user.
QString converterProgramName();

// The command that starts Korrin with arguments, as this system's shell
// takes it, so that a user can run the same conversion there.
QString commandLineText(const QStringList &arguments);

class QProcess;

// Ends a process still running, killing it and waiting for its end; it
// reports to nothing any more. Nothing for none.
void endProcess(QProcess *process);

#endif
