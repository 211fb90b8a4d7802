#ifndef KORRIN_WIZARD_CONVERSIONREQUEST_H
#define KORRIN_WIZARD_CONVERSIONREQUEST_H

#include <QString>
#include <QStringList>

#include "macrovalues.h"

// What the user chose for one conversion, as typed into the wizard.
struct ConversionRequest
{
    QString project;
    QString folder;
    QString name;
    bool replicateSourceTree = false;
    QString messagePersonality;
    QString analyserPersonality;
    QString compilerPersonality;
    QString extensions;
    QString tiFolder; // empty: Korrin's usual places
    QList<MacroValue> macroValues; // only those the user typed
    bool writeCompilationDatabases = false;
    int projectsBelow = 0; // of a folder of many projects, as Korrin lists them; 0 for one project
    QStringList earlierFiles; // an earlier conversion's, which this one does not write again
};

// Korrin's command line after the program name. Texts travel unchanged, one
// argument each; optional values are left out when empty. The TI folder, the
// macro values and "-cdb" come last.
QStringList converterArguments(const ConversionRequest &request);

// Korrin's command line that lists the build macros of the project the
// conversion reads, with the values it finds.
QStringList macroListingArguments(const ConversionRequest &request);

// Where the conversion writes: its Corvel project file, or the destination
// folder of a folder of many projects.
QString conversionTarget(const ConversionRequest &request);

// The plain-text overview shown on the details page before a run.
QString conversionSummary(const ConversionRequest &request);

#endif
