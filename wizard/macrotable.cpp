#include "macrotable.h"

#include <QHeaderView>
#include <algorithm>

#include "uitext.h"

namespace {

// The whole text stays at hand when the cell shows only part of it.
QTableWidgetItem *shownItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setToolTip(text);
    return item;
}

QTableWidgetItem *readOnlyItem(const QString &text)
{
    QTableWidgetItem *item = shownItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

const char *originText(const BuildMacro &macro)
{
    switch (macro.origin) {
    case BuildMacro::Origin::Found:
        return macro.value.isEmpty() ? "found on this machine, with no value for it" : "found on this machine";
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
    horizontalHeader()->setSectionResizeMode(MacroColumn, QHeaderView::Interactive);
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
        setItem(row, ValueColumn, shownItem(typed.isEmpty() ? macros[row].value : typed));
        setItem(row, OriginColumn, readOnlyItem(QString()));
        markOrigin(row);
    }
    fitMacroColumn();
}

// The macro takes the width it needs, up to a share that leaves the value,
// which takes the rest, room to be read.
void MacroTable::fitMacroColumn()
{
    constexpr double widestShare = 0.4;
    const int widest = int(viewport()->width() * widestShare);
    const int needed = std::max(sizeHintForColumn(MacroColumn), horizontalHeader()->sectionSizeHint(MacroColumn));
    horizontalHeader()->resizeSection(MacroColumn, std::min(needed, widest));
}

void MacroTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    fitMacroColumn();
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
    mark->setText(uiText(typed ? "typed by you" : originText(shown[row])));
    mark->setToolTip(mark->text());
    item(row, ValueColumn)->setToolTip(valueAt(row));
    // Nothing gives the macro a value: neither the project nor what was found.
    const bool unresolved = !typed && shown[row].value.isEmpty();
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
