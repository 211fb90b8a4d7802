// Renders the wizard's five pages to wizard-page0.png ... wizard-page4.png,
// filled in with the given project, destination folder and project name,
// with the *.c and *.h extensions chosen, the given TI folder and build macro
// values typed, and compilation databases; the details page in a taller
// window, which the log grows with. Runs headless with
// QT_QPA_PLATFORM=offscreen, with the Korrin beside it.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextStream>
#include <cstdio>

#include "buildmacro.h"
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

// Gives the value of "NAME=VALUE" to the row of the macro NAME.
void fillMacroValue(QTableWidget &table, const QString &definition)
{
    const QString name = definition.section(QLatin1Char('='), 0, 0);
    for (int row = 0; row < table.rowCount(); ++row) {
        const QList<BuildMacro> macro = buildMacrosFromListing(table.item(row, 0)->text());
        if (!macro.isEmpty() && macro.first().name.compare(name, Qt::CaseInsensitive) == 0)
            table.item(row, 1)->setText(definition.section(QLatin1Char('='), 1));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 5) {
        QTextStream(stderr) << "Usage: KorrinWizardPages <image_folder> <source_proj> <dest_folder> <dest_proj_name> "
                               "[-ti ti_folder] [NAME=VALUE]...\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    QStringList definitions = arguments.mid(5);
    QString tiFolder;
    if (definitions.size() > 1 && definitions.first() == QLatin1String("-ti")) {
        tiFolder = definitions[1];
        definitions.remove(0, 2);
    }

    TICodeComposerConverter wizard;
    wizard.show(); // before typing, so that gaining focus selects no text
    wizard.findChild<QLineEdit *>(QStringLiteral("TIProjectEdit"))->setText(arguments[2]);
    wizard.findChild<QLineEdit *>(QStringLiteral("CorProjectEdit"))->setText(arguments[3]);
    wizard.findChild<QLineEdit *>(QStringLiteral("CorNameEdit"))->setText(arguments[4]);
    wizard.findChild<QCheckBox *>(QStringLiteral("ReplicateSourceTreeCheckBox"))->setChecked(true);
    wizard.findChild<QCheckBox *>(QStringLiteral("cCheck"))->setChecked(true);
    wizard.findChild<QCheckBox *>(QStringLiteral("hCheck"))->setChecked(true);
    wizard.findChild<QCheckBox *>(QStringLiteral("CdbCheckBox"))->setChecked(true);
    wizard.findChild<QLineEdit *>(QStringLiteral("TiFolderEdit"))->setText(tiFolder);

    for (int page = 0; page < 5; ++page) {
        if (page == 3) {
            while (wizard.currentId() == page && !wizard.button(QWizard::NextButton)->isEnabled())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents); // Korrin lists the macros
            for (const QString &definition : definitions)
                fillMacroValue(*wizard.findChild<QTableWidget *>(QStringLiteral("MacroValuesTable")), definition);
        }
        if (page == 4)
            wizard.resize(wizard.width(), wizard.height() * 4 / 3);
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
