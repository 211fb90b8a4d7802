#ifndef KORRIN_WIZARD_BUILDMACRO_H
#define KORRIN_WIZARD_BUILDMACRO_H

#include <QList>
#include <QString>

// A build macro or variable of a project: as the project writes it,
// "$(Install_dir)", "%BIOS_DIR%" or "${CG_TOOL_ROOT}", and the name that
// Korrin's "-var NAME=VALUE" gives a value to.
struct BuildMacro
{
    QString written;
    QString name;
};

// The macros of Korrin's "-macros" output, one a line; a name that comes
// again in another form or letter case is left out, as Korrin takes it for
// the same.
QList<BuildMacro> buildMacrosFromListing(const QString &output);

#endif
