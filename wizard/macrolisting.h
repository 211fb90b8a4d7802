#ifndef KORRIN_WIZARD_MACROLISTING_H
#define KORRIN_WIZARD_MACROLISTING_H

#include <QObject>
#include <QStringList>

#include "conversionrequest.h"

class CompletionPage;
class ConverterQuery;
class MacroTable;
class MacroValues;
class QLabel;

// The macro page's listing: asks Korrin "-macros" for the project of a
// request without blocking the window, shows every macro in the table with
// the value typed for it before, keeps what the user types there, and tells
// whether the listing shown is the request's. The page is complete once
// Korrin answered.
class MacroListing : public QObject
{
    Q_OBJECT

public:
    MacroListing(CompletionPage *page, MacroTable *table, QLabel *status, MacroValues &values, QObject *parent);

    void list(const ConversionRequest &request);
    bool isListed(const ConversionRequest &request) const;

private:
    void show(const QString &output);
    // The conversion itself reports the same failure in full.
    void showFailure(const QString &reason);
    void remember(const QString &name, const QString &value);

    CompletionPage *page;
    MacroTable *table;
    QLabel *status;
    MacroValues &values;
    ConverterQuery *query;
    QStringList listedArguments; // of the listing shown
    QString project;             // whose values the table shows
};

#endif
