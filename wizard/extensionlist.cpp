#include "extensionlist.h"

QString buildExtensionList(const QStringList &checkedExtensions, const QString &customList)
{
    QString list;
    for (const QString &extension : checkedExtensions)
        list += extension + QLatin1Char(',');
    list += customList;
    if (list.endsWith(QLatin1Char(',')))
        list.chop(1);
    return list;
}
