#ifndef KORRIN_WIZARD_PROJECTFILEDIALOG_H
#define KORRIN_WIZARD_PROJECTFILEDIALOG_H

#include <QFileDialog>

// Chooses a project to convert: a project file of any kind Korrin reads, or,
// with Open, the folder of a Code Composer Studio project; opening any other
// folder goes into it.
class ProjectFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    ProjectFileDialog(QWidget *parent, const QString &caption, const QString &directory);

public slots:
    void accept() override;
};

#endif
