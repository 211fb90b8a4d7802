#ifndef KORRIN_WIZARD_BUILDMACRO_H
#define KORRIN_WIZARD_BUILDMACRO_H

#include <QList>
#include <QString>

// A build macro or variable of a project: as the project writes it,
// "$(Install_dir)", "%BIOS_DIR%" or "${CG_TOOL_ROOT}", the name that
// Korrin's "-var NAME=VALUE" gives a value to, and the value Korrin has for
// it, if any, with where that value comes from.
struct BuildMacro
{
    enum class Origin {
        None,    // nothing gives it a value
        Found,   // found among TI's installs on this machine
        Project, // the project's own, naming a place that is not here
    };

    QString written;
    QString name;
    QString value;
    Origin origin = Origin::None;
};

// The macros of Korrin's "-macros" output, one a line: the macro alone, or
// after a tab its value, and after another tab "project" when the project
// gives it. A name that comes again in another form or letter case is left
// out, as Korrin takes it for the same.
QList<BuildMacro> buildMacrosFromListing(const QString &output);

#endif
