#ifndef KORRIN_WIZARD_PROJECTLOCATION_H
#define KORRIN_WIZARD_PROJECTLOCATION_H

#include <QString>

// What Korrin converts: a Code Composer project file (.pjt), a .projectspec,
// or a Code Composer Studio project, given by its folder or by its .project,
// .cproject or .ccsproject.

// Whether path is the folder of a Code Composer Studio project.
bool isProjectFolder(const QString &path);

// The project at path, however it was given, as one absolute path: a Code
// Composer Studio project by its folder.
QString projectKey(const QString &path);

// location by its place below folder, as it is when it is not below.
QString placeBelow(const QString &folder, const QString &location);

#endif
