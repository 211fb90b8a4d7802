#ifndef KORRIN_WIZARD_CONVERSIONREQUEST_H
#define KORRIN_WIZARD_CONVERSIONREQUEST_H

#include <QString>
#include <QStringList>

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
};

// Korrin's command line after the program name. Texts travel unchanged, one
// argument each; optional values are left out when empty.
QStringList converterArguments(const ConversionRequest &request);

// The plain-text overview shown on the details page before a run.
QString conversionSummary(const ConversionRequest &request);

#endif
