#ifndef KORRIN_WIZARD_DESTINATIONFOLDER_H
#define KORRIN_WIZARD_DESTINATIONFOLDER_H

#include <QString>

// Why Korrin could not write into folder, an existing path, or nothing: a
// file in the folder's place, or a folder that takes no new file. Making a
// file there is the one sure test, whoever the user is.
QString whyNotWritable(const QString &folder);

#endif
