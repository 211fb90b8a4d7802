#ifndef KORRIN_WIZARD_MACROVALUES_H
#define KORRIN_WIZARD_MACROVALUES_H

#include <QList>
#include <QMap>
#include <QString>

#include "settingsfile.h"

struct MacroValue
{
    QString name;
    QString value;
};

// The values the user typed for build macros, per project (by the path
// projectKey gives), by name with letter case aside as Korrin compares them.
//
// In "settings.txt" the values of a project follow an entry
// "Build Macros of Project:" that holds the project's path, as entries
// "Project Build Macro:" with the value line "NAME=VALUE"; readers of the
// personality entries alone pass over both. The "Build Macro:" entries of
// earlier releases, tied to no project, are kept as they are but given to
// no project.
class MacroValues
{
public:
    static const QStringList settingsKeys;

    // Empty when nothing was typed.
    QString valueOf(const QString &project, const QString &name) const;
    // An empty value forgets the name.
    void set(const QString &project, const QString &name, const QString &value);

    // Takes the entries of settingsKeys in file order.
    void readSettingsEntry(const SettingsEntry &entry);
    QList<SettingsEntry> settingsEntries() const;

private:
    using ByName = QMap<QString, MacroValue>; // by upper-cased name

    QMap<QString, ByName> byProject;
    QList<SettingsEntry> untiedEntries;
    QString projectBeingRead;
};

#endif
