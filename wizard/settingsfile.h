#ifndef KORRIN_WIZARD_SETTINGSFILE_H
#define KORRIN_WIZARD_SETTINGSFILE_H

#include <QList>
#include <QString>
#include <QStringList>

// "settings.txt" holds entries of three lines each: a key line, the value
// line and an empty line. Lines end with LF; CR LF reads the same.
struct SettingsEntry
{
    QString key;
    QString value;
};

// The entries whose key line is one of keys, in file order. The line after a
// key is its value whatever it holds (empty when the key is the last line).
// A missing or unreadable file gives no entries.
QList<SettingsEntry> readSettingsFile(const QString &fileName, const QStringList &keys);

// Replaces the file with the given entries; leaves it alone when it cannot
// be opened for writing.
void writeSettingsFile(const QString &fileName, const QList<SettingsEntry> &entries);

#endif
