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

// The values the user gave to build macros, by name with letter case aside
// as Korrin compares them. In "settings.txt" each is an entry "Build Macro:"
// with the value line "NAME=VALUE", which readers of the personality entries
// alone pass over.
class MacroValues
{
public:
    static const QString settingsKey;

    QString valueOf(const QString &name) const;
    // An empty value forgets the name.
    void set(const QString &name, const QString &value);

    void readSettingsEntry(const SettingsEntry &entry);
    QList<SettingsEntry> settingsEntries() const;

private:
    QMap<QString, MacroValue> byName; // by upper-cased name
};

#endif
