#include "macrovalues.h"

namespace {

const QString projectKey = QStringLiteral("Build Macros of Project:");
const QString valueKey = QStringLiteral("Project Build Macro:");
const QString untiedKey = QStringLiteral("Build Macro:");

} // namespace

const QStringList MacroValues::settingsKeys{projectKey, valueKey, untiedKey};

QString MacroValues::valueOf(const QString &project, const QString &name) const
{
    return byProject.value(project).value(name.toUpper()).value;
}

void MacroValues::set(const QString &project, const QString &name, const QString &value)
{
    ByName &values = byProject[project];
    if (value.isEmpty())
        values.remove(name.toUpper());
    else
        values.insert(name.toUpper(), {name, value});
    if (values.isEmpty())
        byProject.remove(project);
}

void MacroValues::readSettingsEntry(const SettingsEntry &entry)
{
    if (entry.key == untiedKey) {
        untiedEntries << entry;
    } else if (entry.key == projectKey) {
        projectBeingRead = entry.value;
    } else if (entry.key == valueKey && !projectBeingRead.isEmpty()) {
        const qsizetype equals = entry.value.indexOf(QLatin1Char('='));
        if (equals > 0)
            set(projectBeingRead, entry.value.left(equals), entry.value.mid(equals + 1));
    }
}

QList<SettingsEntry> MacroValues::settingsEntries() const
{
    QList<SettingsEntry> entries = untiedEntries;
    for (auto project = byProject.cbegin(); project != byProject.cend(); ++project) {
        entries.append({projectKey, project.key()});
        for (const MacroValue &macro : project.value())
            entries.append({valueKey, macro.name + QLatin1Char('=') + macro.value});
    }
    return entries;
}
