#include "batchresults.h"

#include "projectlocation.h"
#include "uitext.h"

namespace {

const QLatin1String projectStart("Converting Project - ");
const QLatin1String projectCompleted("Corvel/Corvel++ Project Completed!");
const QLatin1String batchEnd("Projects Converted - ");

// Korrin's own lines start with "Creating ", the details under them with
// spaces; what else starts a line says why the project failed.
bool isFailureLine(const QString &line)
{
    return !line.isEmpty() && !line.front().isSpace() && !line.startsWith(QLatin1String("Creating "));
}
constexpr qsizetype listedFailures = 5;

} // namespace

void BatchResults::clear()
{
    *this = BatchResults();
}

void BatchResults::note(const QString &line)
{
    if (line.startsWith(projectStart)) {
        ++projectsSeen;
        notCompleted.append({line.mid(projectStart.size()), QString()});
        inProject = true;
    } else if (!inProject) {
        return;
    } else if (line == projectCompleted) {
        notCompleted.removeLast();
        inProject = false;
    } else if (line.startsWith(batchEnd)) {
        inProject = false;
    } else if (isFailureLine(line)) {
        notCompleted.last().reason = line;
    }
}

QList<FailedProject> BatchResults::failed() const
{
    return notCompleted;
}

QString batchReport(const BatchResults &results, const QString &folder)
{
    QString report = uiText("Converted %1 of %2 projects.").arg(results.converted()).arg(results.projects());
    const QList<FailedProject> failed = results.failed();
    if (failed.isEmpty())
        return report;
    report += QLatin1Char('\n') + uiText("Not converted:");
    for (const FailedProject &project : failed.mid(0, listedFailures))
        report += QLatin1Char('\n') + placeBelow(folder, project.location) + QStringLiteral(": ") + project.reason;
    if (failed.size() > listedFailures)
        report += QLatin1Char('\n') + uiText("and %1 more").arg(failed.size() - listedFailures);
    return report;
}
