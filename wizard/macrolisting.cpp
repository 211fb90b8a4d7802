#include "macrolisting.h"

#include <QLabel>

#include "buildmacro.h"
#include "completionpage.h"
#include "converterquery.h"
#include "macrotable.h"
#include "macrovalues.h"
#include "projectlocation.h"
#include "uitext.h"

MacroListing::MacroListing(CompletionPage *page, MacroTable *table, QLabel *status, MacroValues &values,
                           QObject *parent)
    : QObject(parent), page(page), table(table), status(status), values(values), query(new ConverterQuery(this))
{
    connect(query, &ConverterQuery::answered, this, &MacroListing::show);
    connect(query, &ConverterQuery::failed, this, &MacroListing::showFailure);
    connect(query, &ConverterQuery::notStarted, this, &MacroListing::showFailure);
    connect(table, &MacroTable::valueTyped, this, &MacroListing::remember);
}

void MacroListing::list(const ConversionRequest &request)
{
    table->showMacros({}, values, QString());
    status->setText(uiText("Reading the build macros of the project ..."));
    page->setComplete(false);
    project = projectKey(request.project);
    listedArguments = macroListingArguments(request);
    query->start(listedArguments);
}

bool MacroListing::isListed(const ConversionRequest &request) const
{
    return macroListingArguments(request) == listedArguments;
}

void MacroListing::show(const QString &output)
{
    const QList<BuildMacro> macros = buildMacrosFromListing(output);
    table->showMacros(macros, values, project);
    status->setText(macros.isEmpty() ? uiText("The project uses no build macros that need a value.") : QString());
    page->setComplete(true);
}

void MacroListing::showFailure(const QString &reason)
{
    status->setText(uiText("The build macros could not be read: ") + reason);
    page->setComplete(true);
}

void MacroListing::remember(const QString &name, const QString &value)
{
    values.set(project, name, value);
}
