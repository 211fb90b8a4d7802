#include "settingsfile.h"

#include <QFile>
#include <QTextStream>

QList<SettingsEntry> readSettingsFile(const QString &fileName, const QStringList &keys)
{
    QList<SettingsEntry> entries;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (keys.contains(line))
            entries.append({line, in.readLine()});
    }
    return entries;
}

void writeSettingsFile(const QString &fileName, const QList<SettingsEntry> &entries)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::System);
    for (const SettingsEntry &entry : entries)
        out << entry.key << '\n' << entry.value << "\n\n";
}
