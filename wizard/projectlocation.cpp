#include "projectlocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isStudioProjectFile(const QFileInfo &file)
{
    const QString name = file.fileName();
    return name == QLatin1String(".project") || name == QLatin1String(".cproject")
        || name == QLatin1String(".ccsproject");
}

} // namespace

bool isProjectFolder(const QString &path)
{
    return QFileInfo(QDir(path), QStringLiteral(".project")).isFile();
}

QString defaultProjectName(const QString &path)
{
    const QFileInfo location(QDir::fromNativeSeparators(path));
    if (location.isDir())
        return QFileInfo(location.absoluteFilePath()).fileName();
    if (isStudioProjectFile(location))
        return location.absoluteDir().dirName();
    return location.completeBaseName();
}
