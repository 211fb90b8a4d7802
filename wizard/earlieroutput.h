#ifndef KORRIN_WIZARD_EARLIEROUTPUT_H
#define KORRIN_WIZARD_EARLIEROUTPUT_H

#include <QDateTime>
#include <QMap>
#include <QStringList>

#include "settingsfile.h"

// What earlier conversions wrote that a later one into the same place does
// not write again: the compilation databases and the files Korrin wrote
// beside them, by the conversion's Corvel project file (its destination
// folder, for a folder of many projects).
//
// In "settings.txt" an entry "Databases of Conversion:" holds that path,
// followed by an entry "Database File:" for each file.
class EarlierOutput
{
public:
    static const QStringList settingsKeys;

    // databases: those the run's output named. Beside each, the files
    // changed since the run started are the run's too.
    void record(const QString &conversion, const QStringList &databases, const QDateTime &runStart);
    // The files of an earlier conversion that are still there, which a run
    // without databases leaves as they are.
    QStringList leftBy(const QString &conversion) const;
    // Removes those files, and only those; the ones that could not be.
    QStringList remove(const QString &conversion);

    void readSettingsEntry(const SettingsEntry &entry);
    QList<SettingsEntry> settingsEntries() const;

private:
    QMap<QString, QStringList> filesOf;
    QString conversionBeingRead;
};

#endif
