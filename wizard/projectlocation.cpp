#include "projectlocation.h"

#include <QDir>
#include <QFileInfo>

bool isProjectFolder(const QString &path)
{
    return QFileInfo(QDir(path), QStringLiteral(".project")).isFile();
}
