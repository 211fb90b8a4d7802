#include "earlieroutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString conversionKey = QStringLiteral("Databases of Conversion:");
const QString fileKey = QStringLiteral("Database File:");

// The files in database's folder that the run wrote, the database first.
QStringList writtenBeside(const QString &database, const QDateTime &runStart)
{
    const QFileInfo info(QDir::fromNativeSeparators(database));
    QStringList files{QDir::toNativeSeparators(info.absoluteFilePath())};
    for (const QFileInfo &file : info.dir().entryInfoList(QDir::Files, QDir::Name)) {
        const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
        if (file.lastModified() >= runStart && !files.contains(path))
            files << path;
    }
    return files;
}

} // namespace

const QStringList EarlierOutput::settingsKeys{conversionKey, fileKey};

void EarlierOutput::record(const QString &conversion, const QStringList &databases, const QDateTime &runStart)
{
    // Some file systems keep whole seconds only.
    const QDateTime since = runStart.addMSecs(-runStart.time().msec());
    QStringList files;
    for (const QString &database : databases)
        files << writtenBeside(database, since);
    if (files.isEmpty())
        return; // a run without databases leaves those of an earlier one
    filesOf.insert(conversion, files);
}

QStringList EarlierOutput::leftBy(const QString &conversion) const
{
    QStringList left;
    for (const QString &file : filesOf.value(conversion)) {
        if (QFileInfo(QDir::fromNativeSeparators(file)).isFile())
            left << file;
    }
    return left;
}

QStringList EarlierOutput::remove(const QString &conversion)
{
    QStringList kept;
    for (const QString &file : leftBy(conversion)) {
        if (!QFile::remove(QDir::fromNativeSeparators(file)))
            kept << file;
    }
    if (kept.isEmpty())
        filesOf.remove(conversion);
    else
        filesOf.insert(conversion, kept);
    return kept;
}

void EarlierOutput::readSettingsEntry(const SettingsEntry &entry)
{
    if (entry.key == conversionKey)
        conversionBeingRead = entry.value;
    else if (entry.key == fileKey && !conversionBeingRead.isEmpty())
        filesOf[conversionBeingRead] << entry.value;
}

QList<SettingsEntry> EarlierOutput::settingsEntries() const
{
    QList<SettingsEntry> entries;
    for (auto conversion = filesOf.cbegin(); conversion != filesOf.cend(); ++conversion) {
        entries.append({conversionKey, conversion.key()});
        for (const QString &file : conversion.value())
            entries.append({fileKey, file});
    }
    return entries;
}
