#ifndef KORRIN_WIZARD_BROWSEDIALOGS_H
#define KORRIN_WIZARD_BROWSEDIALOGS_H

#include <QString>

class QFileDialog;
class QLineEdit;

// The wizard's browse dialogs. Each starts where the previous choice was
// made, lastPath, which the choice then replaces; a choice goes into target,
// which runs that field's check.
void browseForFile(QLineEdit *target, QString &lastPath, const char *caption, const char *filter);
void browseForFolder(QLineEdit *target, QString &lastPath, const char *caption);
// Runs dialog; the choice, empty when cancelled.
QString browse(QFileDialog &dialog, QString &lastPath);

#endif
