#include "buildmacro.h"

#include <QStringList>
#include <utility>

namespace {

QString macroName(const QString &written)
{
    for (const auto &[open, close] : {std::pair{"$(", ")"}, std::pair{"${", "}"}, std::pair{"%", "%"}}) {
        const QLatin1String opening(open), closing(close);
        if (written.size() > opening.size() + closing.size() && written.startsWith(opening) && written.endsWith(closing))
            return written.mid(opening.size(), written.size() - opening.size() - closing.size());
    }
    return written;
}

} // namespace

QList<BuildMacro> buildMacrosFromListing(const QString &output)
{
    QList<BuildMacro> macros;
    QStringList names;
    for (QString line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1); // Korrin.exe ends its console lines with CR LF
        const QString name = macroName(line);
        if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive))
            continue;
        names << name;
        macros.append({line, name});
    }
    return macros;
}
