#ifndef KORRIN_WIZARD_EXTENSIONLIST_H
#define KORRIN_WIZARD_EXTENSIONLIST_H

#include <QString>
#include <QStringList>

// Builds the comma-separated list handed to Korrin's "-ext": each checked
// extension followed by a comma, then the custom list exactly as typed, with
// one trailing comma removed.
QString buildExtensionList(const QStringList &checkedExtensions, const QString &customList);

#endif
