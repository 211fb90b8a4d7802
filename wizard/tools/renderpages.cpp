// Renders the wizard's four pages to wizard-page0.png ... wizard-page3.png,
// filled in with the given project, destination folder and project name and
// with the *.c and *.h extensions chosen. Runs headless with
// QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTextStream>
#include <cstdio>

#include "ticodecomposerconverter.h"

namespace {

bool savePage(QWidget &wizard, const QDir &folder, int page)
{
    const QString file = folder.filePath(QStringLiteral("wizard-page%1.png").arg(page));
    if (!wizard.grab().save(file)) {
        QTextStream(stderr) << "Could not write " << file << '\n';
        return false;
    }
    QTextStream(stdout) << file << '\n';
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5) {
        QTextStream(stderr) << "Usage: KorrinWizardPages <image_folder> <source_proj> <dest_folder> <dest_proj_name>\n";
        return 2;
    }
    const QDir folder(arguments[1]);

    TICodeComposerConverter wizard;
    wizard.show(); // before typing, so that gaining focus selects no text
    wizard.findChild<QLineEdit *>(QStringLiteral("TIProjectEdit"))->setText(arguments[2]);
    wizard.findChild<QLineEdit *>(QStringLiteral("CorProjectEdit"))->setText(arguments[3]);
    wizard.findChild<QLineEdit *>(QStringLiteral("CorNameEdit"))->setText(arguments[4]);
    wizard.findChild<QCheckBox *>(QStringLiteral("ReplicateSourceTreeCheckBox"))->setChecked(true);
    wizard.findChild<QCheckBox *>(QStringLiteral("cCheck"))->setChecked(true);
    wizard.findChild<QCheckBox *>(QStringLiteral("hCheck"))->setChecked(true);

    for (int page = 0; page < 4; ++page) {
        if (wizard.currentId() != page) {
            QTextStream(stderr) << "Cannot reach page " << page << ": check the paths given\n";
            return 1;
        }
        if (!savePage(wizard, folder, page))
            return 1;
        wizard.next();
    }
    return 0;
}
