#include "macrotable.h"

#include <QHeaderView>

#include "uitext.h"

namespace {

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

MacroTable::MacroTable(QWidget *parent) : QTableWidget(0, 3, parent)
{
    setHorizontalHeaderLabels({uiText("Macro"), uiText("Value"), QString()});
    horizontalHeader()->setSectionResizeMode(MacroColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(MarkColumn, QHeaderView::ResizeToContents);
    verticalHeader()->hide();
    setSelectionMode(NoSelection);
    setEditTriggers(AllEditTriggers);
    connect(this, &QTableWidget::itemChanged, this, &MacroTable::onItemChanged);
}

void MacroTable::showMacros(const QList<BuildMacro> &macros, const MacroValues &values)
{
    const QSignalBlocker filling(this);
    shown = macros;
    setRowCount(int(macros.size()));
    for (int row = 0; row < rowCount(); ++row) {
        setItem(row, MacroColumn, readOnlyItem(macros[row].written));
        setItem(row, ValueColumn, new QTableWidgetItem(values.valueOf(macros[row].name)));
        setItem(row, MarkColumn, readOnlyItem(QString()));
        markRow(row);
    }
}

QList<MacroValue> MacroTable::filledValues() const
{
    QList<MacroValue> filled;
    for (int row = 0; row < rowCount(); ++row) {
        const QString value = item(row, ValueColumn)->text();
        if (!value.isEmpty())
            filled.append({shown[row].name, value});
    }
    return filled;
}

void MacroTable::markRow(int row)
{
    const bool unresolved = item(row, ValueColumn)->text().isEmpty();
    QTableWidgetItem *mark = item(row, MarkColumn);
    mark->setText(unresolved ? uiText("unresolved") : QString());
    mark->setForeground(QColor(Qt::red));
}

void MacroTable::onItemChanged(QTableWidgetItem *changed)
{
    if (changed->column() != ValueColumn)
        return;
    {
        const QSignalBlocker marking(this);
        markRow(changed->row());
    }
    emit valueEdited(shown[changed->row()].name, changed->text());
}
