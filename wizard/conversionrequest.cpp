#include "conversionrequest.h"

#include "uitext.h"

namespace {

void addOptionIfGiven(QStringList &arguments, const QString &option, const QString &value)
{
    if (!value.isEmpty())
        arguments << option << value;
}

QString summaryEntry(const char *heading, const QString &value)
{
    return uiText(heading) + value + QStringLiteral("\n\n");
}

QString macroSummary(const QList<MacroValue> &values)
{
    QString summary = uiText("\nBuild Macros:\n");
    for (const MacroValue &macro : values)
        summary += macro.name + QLatin1Char('=') + macro.value + QLatin1Char('\n');
    return summary;
}

} // namespace

QStringList converterArguments(const ConversionRequest &request)
{
    QStringList arguments{request.project, request.folder};
    if (request.replicateSourceTree)
        arguments << QStringLiteral("-rp");
    arguments << QStringLiteral("-pn") << request.name;
    addOptionIfGiven(arguments, QStringLiteral("-mp"), request.messagePersonality);
    addOptionIfGiven(arguments, QStringLiteral("-ap"), request.analyserPersonality);
    addOptionIfGiven(arguments, QStringLiteral("-cp"), request.compilerPersonality);
    addOptionIfGiven(arguments, QStringLiteral("-ext"), request.extensions);
    for (const MacroValue &macro : request.macroValues)
        arguments << QStringLiteral("-var") << macro.name + QLatin1Char('=') + macro.value;
    if (request.writeCompilationDatabases)
        arguments << QStringLiteral("-cdb");
    return arguments;
}

QStringList macroListingArguments(const ConversionRequest &request)
{
    QStringList arguments{request.project, request.folder, QStringLiteral("-macros")};
    addOptionIfGiven(arguments, QStringLiteral("-ext"), request.extensions);
    return arguments;
}

QString conversionSummary(const ConversionRequest &request)
{
    return summaryEntry("TI Code Composer Project:\n", request.project)
        + summaryEntry("Corvel / Corvel++ Project Directory:\n", request.folder)
        + summaryEntry("Corvel / Corvel++ Project Name:\n", request.name)
        + summaryEntry("Message Personality:\n", request.messagePersonality)
        + summaryEntry("Tamplate Analyser Personality:\n", request.analyserPersonality)
        + summaryEntry("Compiler Personality:\n", request.compilerPersonality)
        + uiText("File Extensions:\n") + request.extensions + QLatin1Char('\n')
        + macroSummary(request.macroValues)
        + uiText("\nCompilation Databases:\n") + (request.writeCompilationDatabases ? uiText("Yes") : uiText("No"))
        + QLatin1Char('\n');
}
