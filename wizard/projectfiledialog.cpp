#include "projectfiledialog.h"

#include "projectlocation.h"
#include "uitext.h"

ProjectFileDialog::ProjectFileDialog(QWidget *parent, const QString &caption, const QString &directory)
    : QFileDialog(parent, caption, directory)
{
    setObjectName(QStringLiteral("open file dialog"));
    setOption(DontUseNativeDialog);
    setFileMode(ExistingFile);
    // The Code Composer Studio files begin with a dot.
    setFilter(filter() | QDir::Hidden);
    setNameFilters({uiText("Code Composer Projects (*.pjt *.projectspec .project .cproject .ccsproject)"),
                    uiText("TI Code Composer Project (*pjt)"),
                    uiText("Code Composer Studio Project (*.projectspec .project .cproject .ccsproject)")});
}

void ProjectFileDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (chosen.size() == 1 && isProjectFolder(chosen.first())) {
        QDialog::accept();
        return;
    }
    QFileDialog::accept();
}
