#ifndef KORRIN_WIZARD_MACROTABLE_H
#define KORRIN_WIZARD_MACROTABLE_H

#include <QTableWidget>

#include "buildmacro.h"
#include "macrovalues.h"

// The build macros of a project, one a row: the macro as the project writes
// it, its value (editable) and where the value comes from. A value that
// differs from Korrin's is the user's; emptying it brings Korrin's back.
class MacroTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit MacroTable(QWidget *parent = nullptr);

    // Shows macros, each with the value typed for it in project, else
    // Korrin's.
    void showMacros(const QList<BuildMacro> &macros, const MacroValues &values, const QString &project);
    // The macros shown whose value the user typed, in the order shown.
    QList<MacroValue> typedValues() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    // value: empty when the macro has Korrin's value again.
    void valueTyped(const QString &name, const QString &value);

private:
    enum Column { MacroColumn, ValueColumn, OriginColumn };

    void fitMacroColumn();
    QString valueAt(int row) const;
    void markOrigin(int row);
    void onItemChanged(QTableWidgetItem *item);

    QList<BuildMacro> shown;
};

#endif
