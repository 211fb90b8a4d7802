#include "macrovalues.h"

const QString MacroValues::settingsKey = QStringLiteral("Build Macro:");

QString MacroValues::valueOf(const QString &name) const
{
    return byName.value(name.toUpper()).value;
}

void MacroValues::set(const QString &name, const QString &value)
{
    if (value.isEmpty())
        byName.remove(name.toUpper());
    else
        byName.insert(name.toUpper(), {name, value});
}

void MacroValues::readSettingsEntry(const SettingsEntry &entry)
{
    const qsizetype equals = entry.value.indexOf(QLatin1Char('='));
    if (entry.key == settingsKey && equals > 0)
        set(entry.value.left(equals), entry.value.mid(equals + 1));
}

QList<SettingsEntry> MacroValues::settingsEntries() const
{
    QList<SettingsEntry> entries;
    for (const MacroValue &macro : byName)
        entries.append({settingsKey, macro.name + QLatin1Char('=') + macro.value});
    return entries;
}
