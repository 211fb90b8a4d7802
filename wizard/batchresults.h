#ifndef KORRIN_WIZARD_BATCHRESULTS_H
#define KORRIN_WIZARD_BATCHRESULTS_H

#include <QList>
#include <QString>

// A project of a folder of many that Korrin could not convert, with the
// reason it gave.
struct FailedProject
{
    QString location;
    QString reason;
};

// How each project of a run of many went, read from Korrin's output lines:
// "Converting Project - <location>" starts a project and "Corvel/Corvel++
// Project Completed!" ends it converted. A project that did not complete
// failed, for the reason its last line gives.
class BatchResults
{
public:
    void clear();
    void note(const QString &line);

    int projects() const { return int(projectsSeen); }
    int converted() const { return projects() - int(failed().size()); }
    QList<FailedProject> failed() const;

private:
    qsizetype projectsSeen = 0;
    QList<FailedProject> notCompleted;
    bool inProject = false; // the last of notCompleted is Korrin's current one
};

// "Converted N of M projects." with a line for each failed project, by its
// place below folder: the first few, then how many more.
QString batchReport(const BatchResults &results, const QString &folder);

#endif
