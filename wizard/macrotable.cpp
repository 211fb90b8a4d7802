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

const char *originText(BuildMacro::Origin origin)
{
    switch (origin) {
    case BuildMacro::Origin::Found:
        return "found on this machine";
    case BuildMacro::Origin::Project:
        return "the project";
    case BuildMacro::Origin::None:
        break;
    }
    return "unresolved";
}

} // namespace

MacroTable::MacroTable(QWidget *parent) : QTableWidget(0, 3, parent)
{
    setHorizontalHeaderLabels({uiText("Macro"), uiText("Value"), uiText("From")});
    horizontalHeader()->setSectionResizeMode(MacroColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(OriginColumn, QHeaderView::ResizeToContents);
    verticalHeader()->hide();
    // One line a macro; a long path keeps its beginning and its end in view.
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSelectionMode(NoSelection);
    setEditTriggers(AllEditTriggers);
    connect(this, &QTableWidget::itemChanged, this, &MacroTable::onItemChanged);
}

void MacroTable::showMacros(const QList<BuildMacro> &macros, const MacroValues &values, const QString &project)
{
    const QSignalBlocker filling(this);
    shown = macros;
    setRowCount(int(macros.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QString typed = values.valueOf(project, macros[row].name);
        setItem(row, MacroColumn, readOnlyItem(macros[row].written));
        setItem(row, ValueColumn, new QTableWidgetItem(typed.isEmpty() ? macros[row].value : typed));
        setItem(row, OriginColumn, readOnlyItem(QString()));
        markOrigin(row);
    }
}

QList<MacroValue> MacroTable::typedValues() const
{
    QList<MacroValue> typed;
    for (int row = 0; row < rowCount(); ++row) {
        if (valueAt(row) != shown[row].value)
            typed.append({shown[row].name, valueAt(row)});
    }
    return typed;
}

QString MacroTable::valueAt(int row) const
{
    return item(row, ValueColumn)->text();
}

void MacroTable::markOrigin(int row)
{
    const bool typed = valueAt(row) != shown[row].value;
    QTableWidgetItem *mark = item(row, OriginColumn);
    mark->setText(uiText(typed ? "typed by you" : originText(shown[row].origin)));
    const bool unresolved = !typed && shown[row].origin == BuildMacro::Origin::None;
    mark->setData(Qt::ForegroundRole, unresolved ? QVariant(QColor(Qt::red)) : QVariant());
}

// An emptied value gives the macro Korrin's value again: an empty "-var"
// value would move the macro's paths to the root of the drive.
void MacroTable::onItemChanged(QTableWidgetItem *changed)
{
    if (changed->column() != ValueColumn)
        return;
    const int row = changed->row();
    {
        const QSignalBlocker marking(this);
        if (changed->text().isEmpty())
            changed->setText(shown[row].value);
        markOrigin(row);
    }
    const QString value = valueAt(row);
    emit valueTyped(shown[row].name, value == shown[row].value ? QString() : value);
}
