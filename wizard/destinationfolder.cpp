#include "destinationfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "uitext.h"

QString whyNotWritable(const QString &folder)
{
    const QString path = QDir::fromNativeSeparators(folder);
    if (!QFileInfo(path).isDir())
        return uiText("The destination is a file, not a folder.");
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral("korrin-write-check-XXXXXX")));
    if (!probe.open())
        return uiText("The destination folder cannot be written: %1").arg(probe.errorString());
    return QString();
}
