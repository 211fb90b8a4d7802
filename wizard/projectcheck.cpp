#include "projectcheck.h"

#include <QDir>
#include <QFileInfo>

#include "converterquery.h"
#include "projectlocation.h"
#include "uitext.h"

namespace {

constexpr qsizetype namedProjects = 3;

bool isSamePlace(const QString &one, const QString &other)
{
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity caseOfNames = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity caseOfNames = Qt::CaseSensitive;
#endif
    return projectKey(one).compare(projectKey(other), caseOfNames) == 0;
}

// "a, b, c and N more" of the first few names.
QString someOf(const QStringList &names)
{
    QString listed = names.mid(0, namedProjects).join(QStringLiteral(", "));
    if (names.size() > namedProjects)
        listed += uiText(" and %1 more").arg(names.size() - namedProjects);
    return listed;
}

// A folder of .pjt files is no project, but one of them may be what was meant.
QString pjtFilesHint(const QString &location)
{
    const QDir folder(QDir::fromNativeSeparators(location));
    if (!QFileInfo(folder.path()).isDir())
        return QString();
    const QStringList pjtFiles = folder.entryList({QStringLiteral("*.pjt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (pjtFiles.isEmpty())
        return QString();
    return QLatin1Char('\n') + uiText("It holds %1: choose one of them.").arg(someOf(pjtFiles));
}

} // namespace

ProjectCheck::ProjectCheck(QObject *parent)
    : QObject(parent), projectsQuery(new ConverterQuery(this)), nameQuery(new ConverterQuery(this))
{
    connect(projectsQuery, &ConverterQuery::answered, this, &ProjectCheck::takeProjects);
    connect(projectsQuery, &ConverterQuery::failed, this, &ProjectCheck::refuse);
    connect(nameQuery, &ConverterQuery::answered, this, &ProjectCheck::takeName);
    connect(nameQuery, &ConverterQuery::failed, this, &ProjectCheck::refuse);
    for (ConverterQuery *query : {projectsQuery, nameQuery})
        connect(query, &ConverterQuery::notStarted, this, &ProjectCheck::giveUp);
}

void ProjectCheck::check(const QString &location)
{
    forget();
    checked = location;
    if (location.isEmpty() || !QFileInfo::exists(location))
        return;
    current = Verdict::Checking;
    emit verdictChanged();
    projectsQuery->start({location, QStringLiteral("-projects")});
}

void ProjectCheck::forget()
{
    projectsQuery->stop();
    nameQuery->stop();
    checked.clear();
    projects.clear();
    shownHint.clear();
    if (current != Verdict::Unchecked) {
        current = Verdict::Unchecked;
        emit verdictChanged();
    }
}

void ProjectCheck::settle()
{
    projectsQuery->wait();
    nameQuery->wait(); // asked once the projects are answered
}

void ProjectCheck::takeProjects(const QString &output)
{
    const QStringList lines = answerLines(output);
    if (lines.size() == 1 && isSamePlace(lines.first(), checked)) {
        nameQuery->start({checked, QStringLiteral("-name")});
        return;
    }
    projects = lines;
    QStringList below;
    for (const QString &project : projects)
        below << placeBelow(checked, project);
    const char *holds = projects.size() == 1
        ? "Holds 1 project below it: %2. It is converted below the destination folder; choose it to convert it alone."
        : "Holds %1 projects below it: %2. Each is converted below the destination folder; choose one to convert it alone.";
    settleOn(Verdict::FolderOfProjects, uiText(holds).arg(projects.size()).arg(someOf(below)));
}

void ProjectCheck::takeName(const QString &output)
{
    const QString name = answerLines(output).value(0);
    if (!name.isEmpty())
        emit nameProposed(name);
    settleOn(Verdict::Project, QString());
}

void ProjectCheck::refuse(const QString &reason)
{
    settleOn(Verdict::NoProject, reason + pjtFilesHint(checked));
}

void ProjectCheck::giveUp(const QString &reason)
{
    settleOn(Verdict::NoAnswer, reason);
}

void ProjectCheck::settleOn(Verdict verdict, const QString &hint)
{
    current = verdict;
    shownHint = hint;
    emit verdictChanged();
}
