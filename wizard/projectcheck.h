#ifndef KORRIN_WIZARD_PROJECTCHECK_H
#define KORRIN_WIZARD_PROJECTCHECK_H

#include <QObject>
#include <QString>
#include <QStringList>

class ConverterQuery;

// What Korrin makes of a project location, asked without blocking the
// window: one project, with the name Korrin gives it; a folder of many
// projects; or no project, with Korrin's reason and, for a folder, the
// projects in it a user may have meant. Korrin "-projects" names a project
// alone by the location itself, and the projects of a folder by theirs.
class ProjectCheck : public QObject
{
    Q_OBJECT

public:
    enum class Verdict {
        Unchecked,
        Checking,
        Project,
        FolderOfProjects,
        NoProject,
        NoAnswer, // no Korrin could be started: the conversion says so
    };

    explicit ProjectCheck(QObject *parent = nullptr);

    // An empty location, or one that does not exist, is left unchecked.
    void check(const QString &location);
    // Forgets the verdict, for a location typed since.
    void forget();
    // Waits for Korrin's answers to a check under way.
    void settle();

    QString location() const { return checked; }
    Verdict verdict() const { return current; }
    // Of a folder of many projects.
    int projectsBelow() const { return int(projects.size()); }
    // Why the location is no project, or what a folder of many holds.
    QString hint() const { return shownHint; }

signals:
    void nameProposed(const QString &name);
    void verdictChanged();

private:
    void takeProjects(const QString &output);
    void takeName(const QString &output);
    void refuse(const QString &reason);
    void giveUp(const QString &reason);
    void settleOn(Verdict verdict, const QString &hint);

    ConverterQuery *projectsQuery;
    ConverterQuery *nameQuery;
    QString checked;
    Verdict current = Verdict::Unchecked;
    QStringList projects;
    QString shownHint;
};

#endif
