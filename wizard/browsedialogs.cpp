#include "browsedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include "uitext.h"

namespace {

// A folder dialog started at a file would offer the file's name as the choice
// and keep its Choose button off, so it starts in the file's folder instead.
QString folderAt(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() ? path : info.path();
}

void takeChoice(QLineEdit *target, QFileDialog &dialog, QString &lastPath)
{
    const QString path = browse(dialog, lastPath);
    if (!path.isEmpty())
        target->setText(path);
}

} // namespace

void browseForFile(QLineEdit *target, QString &lastPath, const char *caption, const char *filter)
{
    QFileDialog dialog(target->window(), uiText(caption), lastPath, uiText(filter));
    dialog.setObjectName(QStringLiteral("open file dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    takeChoice(target, dialog, lastPath);
}

void browseForFolder(QLineEdit *target, QString &lastPath, const char *caption)
{
    QFileDialog dialog(target->window(), uiText(caption), folderAt(lastPath));
    dialog.setObjectName(QStringLiteral("get existing directory"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    takeChoice(target, dialog, lastPath);
}

QString browse(QFileDialog &dialog, QString &lastPath)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
    if (!path.isEmpty())
        lastPath = path;
    return path;
}
