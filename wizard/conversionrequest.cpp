#include "conversionrequest.h"

#include <QDir>
#include <QFileInfo>

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

// The choices after the file extensions, each after an empty line.
QString choiceEntry(const char *heading, const QString &value)
{
    return QLatin1Char('\n') + uiText(heading) + value + QLatin1Char('\n');
}

QString yesOrNo(bool yes)
{
    return yes ? uiText("Yes") : uiText("No");
}

// The Corvel project file the conversion writes.
QString projectFilePath(const ConversionRequest &request)
{
    const QDir folder(QDir::fromNativeSeparators(request.folder));
    return QDir::toNativeSeparators(folder.filePath(request.name + QStringLiteral(".prj")));
}

// The project, and below it how many a folder of many holds.
QString projectSummary(const ConversionRequest &request)
{
    if (request.projectsBelow == 0)
        return request.project;
    const char *count = request.projectsBelow == 1 ? "1 project below it, converted below the destination folder"
                                                   : "%1 projects below it, each converted below the destination folder";
    return request.project + QLatin1Char('\n') + uiText(count).arg(request.projectsBelow);
}

// The name, and below it the project it replaces, if there is one; a
// folder of many projects names each after itself.
QString nameSummary(const ConversionRequest &request)
{
    if (request.projectsBelow > 0)
        return uiText("Each project's own");
    const QString projectFile = projectFilePath(request);
    if (!QFileInfo::exists(projectFile))
        return request.name;
    return request.name + QLatin1Char('\n') + uiText("%1 will be replaced").arg(projectFile);
}

// What an earlier conversion left that this one will not write again.
QString earlierFilesSummary(const QStringList &files)
{
    if (files.isEmpty())
        return QString();
    return choiceEntry("Left by an earlier conversion, not written by this one:\n", files.join(QLatin1Char('\n')));
}

QString macroSummary(const QList<MacroValue> &values)
{
    QStringList lines;
    for (const MacroValue &macro : values)
        lines << macro.name + QLatin1Char('=') + macro.value;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QStringList converterArguments(const ConversionRequest &request)
{
    QStringList arguments{request.project, request.folder};
    if (request.replicateSourceTree)
        arguments << QStringLiteral("-rp");
    addOptionIfGiven(arguments, QStringLiteral("-pn"), request.name); // none for a folder of projects
    addOptionIfGiven(arguments, QStringLiteral("-mp"), request.messagePersonality);
    addOptionIfGiven(arguments, QStringLiteral("-ap"), request.analyserPersonality);
    addOptionIfGiven(arguments, QStringLiteral("-cp"), request.compilerPersonality);
    addOptionIfGiven(arguments, QStringLiteral("-ext"), request.extensions);
    addOptionIfGiven(arguments, QStringLiteral("-ti"), request.tiFolder);
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
    addOptionIfGiven(arguments, QStringLiteral("-ti"), request.tiFolder);
    return arguments;
}

QString conversionTarget(const ConversionRequest &request)
{
    const QString target = request.projectsBelow > 0 ? request.folder : projectFilePath(request);
    return QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath());
}

QString conversionSummary(const ConversionRequest &request)
{
    return summaryEntry("TI Code Composer Project:\n", projectSummary(request))
        + summaryEntry("Corvel / Corvel++ Project Directory:\n", request.folder)
        + summaryEntry("Corvel / Corvel++ Project Name:\n", nameSummary(request))
        + summaryEntry("Message Personality:\n", request.messagePersonality)
        + summaryEntry("Tamplate Analyser Personality:\n", request.analyserPersonality)
        + summaryEntry("Compiler Personality:\n", request.compilerPersonality)
        + uiText("File Extensions:\n") + request.extensions + QLatin1Char('\n')
        + choiceEntry("Replicate Source Tree:\n", yesOrNo(request.replicateSourceTree))
        + choiceEntry("TI Folder:\n", request.tiFolder.isEmpty() ? uiText("Korrin's usual places") : request.tiFolder)
        + choiceEntry("Build Macros:\n", macroSummary(request.macroValues))
        + choiceEntry("Compilation Databases:\n", yesOrNo(request.writeCompilationDatabases))
        + earlierFilesSummary(request.earlierFiles);
}
