#include "buildmacro.h"

#include <QStringList>
#include <utility>

#include "converterquery.h"

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

BuildMacro::Origin originOf(const QStringList &fields)
{
    if (fields.size() > 2 && fields[2] == QLatin1String("project"))
        return BuildMacro::Origin::Project;
    return fields.size() > 1 ? BuildMacro::Origin::Found : BuildMacro::Origin::None;
}

} // namespace

QList<BuildMacro> buildMacrosFromListing(const QString &output)
{
    QList<BuildMacro> macros;
    QStringList names;
    for (const QString &line : answerLines(output)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QString name = macroName(fields[0]);
        if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive))
            continue;
        names << name;
        macros.append({fields[0], name, fields.value(1), originOf(fields)});
    }
    return macros;
}
