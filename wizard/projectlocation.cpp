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

QString placeBelow(const QString &folder, const QString &location)
{
    const auto absolute = [](const QString &path) { return QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath(); };
    const QString relative = QDir(absolute(folder)).relativeFilePath(absolute(location));
    return QDir::toNativeSeparators(relative.startsWith(QLatin1String("..")) ? location : relative);
}

QString projectKey(const QString &path)
{
    const QFileInfo location(QDir::fromNativeSeparators(path));
    const QString absolute = isStudioProjectFile(location) ? location.absolutePath() : location.absoluteFilePath();
    return QDir::toNativeSeparators(QDir::cleanPath(absolute));
}
