#ifndef KORRIN_WIZARD_CONVERTERPROGRAM_H
#define KORRIN_WIZARD_CONVERTERPROGRAM_H

#include <QString>

// The Korrin the wizard starts: the one beside the wizard, else the one the
// search path finds.
QString converterProgram();

// Korrin's name as this system calls the program, for messages to the user.
QString converterProgramName();

class QProcess;

// Ends a process still running, killing it and waiting for its end; it
// reports to nothing any more. Nothing for none.
void endProcess(QProcess *process);

#endif
