#ifndef KORRIN_WIZARD_MACROTABLE_H
#define KORRIN_WIZARD_MACROTABLE_H

#include <QTableWidget>

#include "buildmacro.h"
#include "macrovalues.h"

// The build macros of a project, one a row: the macro as the project writes
// it, its value (editable; empty leaves it unresolved) and a mark while it
// has none.
class MacroTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit MacroTable(QWidget *parent = nullptr);

    // Shows macros, each with its value among values.
    void showMacros(const QList<BuildMacro> &macros, const MacroValues &values);
    // The macros shown that have a value, in the order shown.
    QList<MacroValue> filledValues() const;

signals:
    void valueEdited(const QString &name, const QString &value);

private:
    enum Column { MacroColumn, ValueColumn, MarkColumn };

    void markRow(int row);
    void onItemChanged(QTableWidgetItem *item);

    QList<BuildMacro> shown;
};

#endif
