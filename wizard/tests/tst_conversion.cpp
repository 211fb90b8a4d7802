// Running Korrin from the details page, against a stand-in Korrin script
// placed first on the search path.

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "converterprogram.h"
#include "wizardtest.h"

namespace {

const QString initialising = QStringLiteral("Initialising Project Conversion ...\n");

// The log's first lines: the command line a shell runs the same, then
// the start of the conversion.
QString logStart(const QString &arguments = QStringLiteral("app.pjt out -pn app"))
{
    return QStringLiteral("Korrin ") + arguments + QLatin1Char('\n') + initialising;
}
const QString succeeded = QStringLiteral("Project Converted Successfully!");
constexpr int timeout = 20000;

bool finishEnabled(QWizard &wizard)
{
    return wizard.button(QWizard::FinishButton)->isEnabled();
}

QProcess *latestConverter(QWizard &wizard)
{
    const auto processes = wizard.findChildren<QProcess *>();
    return processes.isEmpty() ? nullptr : processes.last();
}

// Stands in for the desktop's file manager.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QUrl opened;

public slots:
    void open(const QUrl &url) { opened = url; }
};

} // namespace

class ConversionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void summaryAndExtensionList_data();
    void summaryAndExtensionList();
    void argumentList_data();
    void argumentList();

    void outputInTwoDeliveriesAndSuccess();
    void batchedLogKeepsEveryLineAndTheView();
    void macroValuesTiFolderAndDatabases();
    void changedTiFolderListsAgain();
    void failureShowsMessageBox();
    void converterThatCannotBeStarted();
    void killedConverter();
    void stoppingAsksFirst_data();
    void stoppingAsksFirst();
    void logGoesOnWhileStopIsAsked();
    void oneConverterAtATime();
    void folderOfProjects();
    void repositoryWithOneMalformedProject();

private:
    void pressFinishAndWaitForExit();

    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<TICodeComposerConverter> wizard;
};

void ConversionTest::init()
{
    cwd = std::make_unique<WorkingDirectory>();
    wizard = std::make_unique<TICodeComposerConverter>();
    wizard->show();
}

void ConversionTest::cleanup()
{
    wizard.reset();
    cwd.reset();
}

void ConversionTest::pressFinishAndWaitForExit()
{
    press(*wizard, QWizard::FinishButton);
    QProcess *converter = latestConverter(*wizard);
    QVERIFY(converter);
    QTRY_COMPARE_WITH_TIMEOUT(converter->state(), QProcess::NotRunning, timeout);
}

void ConversionTest::summaryAndExtensionList_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("extensions");

    QTest::newRow("nothing chosen") << QStringList() << "" << "";
    QTest::newRow("one trailing comma removed") << QStringList{"cppCheck"} << "res," << "cpp,res";
    QTest::newRow("all boxes in order")
        << QStringList{"hxxCheck", "hppCheck", "hhCheck", "hCheck", "cCheck", "cxxCheck", "ccCheck", "cppCheck"} << ""
        << "cpp,cc,cxx,c,h,hh,hpp,hxx";
}

void ConversionTest::summaryAndExtensionList()
{
    QFETCH(QStringList, checked);
    QFETCH(QString, custom);
    QFETCH(QString, extensions);

    TICodeComposerConverter &w = *wizard;
    cwd->write(QStringLiteral("m.p_s"), "");
    cwd->write(QStringLiteral("c.p_c"), "");
    for (const QString &name : checked)
        box(w, qPrintable(name))->setChecked(true);
    edit(w, "CustExtEdit")->setText(custom);
    edit(w, "MsgPersonEdit")->setText(QStringLiteral("m.p_s"));
    edit(w, "CmpPersonEdit")->setText(QStringLiteral("c.p_c"));
    fillInAndGoToDetails(w);

    QCOMPARE(detailsLog(w), QStringLiteral("TI Code Composer Project:\napp.pjt\n\n"
                                           "Corvel / Corvel++ Project Directory:\nout\n\n"
                                           "Corvel / Corvel++ Project Name:\napp\n\n"
                                           "Message Personality:\nm.p_s\n\n"
                                           "Tamplate Analyser Personality:\n\n\n"
                                           "Compiler Personality:\nc.p_c\n\n"
                                           "File Extensions:\n")
                                + extensions
                                + "\n\nReplicate Source Tree:\nNo\n\nTI Folder:\nKorrin's usual places\n\n"
                                  "Build Macros:\n\n\nCompilation Databases:\nNo\n");
    QVERIFY(finishEnabled(w));

    StandInKorrin korrin("", "", 0);
    korrin.release();
    pressFinishAndWaitForExit();
    QStringList expected{"Korrin", "app.pjt", "out", "-pn", "app", "-mp", "m.p_s", "-cp", "c.p_c"};
    if (!extensions.isEmpty())
        expected << "-ext" << extensions;
    QCOMPARE(korrin.arguments(), expected);
}

void ConversionTest::argumentList_data()
{
    QTest::addColumn<bool>("replicate");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QStringList>("personalities"); // message, analyser, compiler
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("no personalities")
        << false << "app.pjt" << QStringList{"", "", ""} << QStringList{"Korrin", "app.pjt", "out", "-pn", "app"};
    QTest::newRow("replicated")
        << true << "app.pjt" << QStringList{"", "", ""} << QStringList{"Korrin", "app.pjt", "out", "-rp", "-pn", "app"};
    QTest::newRow("analyser only")
        << false << "app.pjt" << QStringList{"", "a.p_a", ""}
        << QStringList{"Korrin", "app.pjt", "out", "-pn", "app", "-ap", "a.p_a"};
    QTest::newRow("all, in order")
        << true << "app.pjt" << QStringList{"m.p_s", "a.p_a", "c.p_c"}
        << QStringList{"Korrin", "app.pjt", "out", "-rp", "-pn", "app", "-mp", "m.p_s", "-ap", "a.p_a", "-cp", "c.p_c"};
    QTest::newRow("spaces stay in one argument")
        << false << " my app.pjt" << QStringList{"", "", ""} << QStringList{"Korrin", " my app.pjt", "out", "-pn", "app"};
}

void ConversionTest::argumentList()
{
    QFETCH(bool, replicate);
    QFETCH(QString, project);
    QFETCH(QStringList, personalities);
    QFETCH(QStringList, arguments);

    TICodeComposerConverter &w = *wizard;
    cwd->write(project, "");
    const char *fields[] = {"MsgPersonEdit", "AnalPersonEdit", "CmpPersonEdit"};
    for (int i = 0; i < 3; ++i) {
        if (!personalities[i].isEmpty())
            cwd->write(personalities[i], "");
        edit(w, fields[i])->setText(personalities[i]);
    }
    box(w, "ReplicateSourceTreeCheckBox")->setChecked(replicate);
    fillInAndGoToDetails(w, project);

    StandInKorrin korrin("", "", 0);
    korrin.release();
    pressFinishAndWaitForExit();
    QCOMPARE(korrin.arguments(), arguments);
}

// The output of two deliveries, the first ending inside a line, is shown as
// Korrin wrote it, a line once it is whole, and its warning lines once more
// after the outcome.
void ConversionTest::outputInTwoDeliveriesAndSuccess()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    const QString cancelText = w.buttonText(QWizard::CancelButton);
    const QByteArray completeLines = "Creating Corvel/Corvel++ Project ...\n  Unresolved macro - $(Install_dir)";
    const QByteArray first = completeLines + "\n  Creating Gr";
    const QByteArray second = "oup - app\n  Not found - C:\\ti\\include\nCorvel/Corvel++ Project Completed!\n";
    StandInKorrin korrin(first, second, 0);

    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w), logStart() + "\n" + completeLines, timeout); // lines whole
    QVERIFY(!finishEnabled(w));
    QVERIFY(!w.button(QWizard::BackButton)->isEnabled());
    QProgressBar *busy = child<QProgressBar>(w, "BusyIndicator");
    QVERIFY(busy->isVisible());
    const int shown = busy->value();
    QTRY_VERIFY_WITH_TIMEOUT(busy->value() != shown, timeout); // it moves while Korrin is silent
    QCOMPARE(w.buttonText(QWizard::CancelButton), cancelText);

    korrin.release();
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w),
                              logStart() + "\n" + first + second + "\n" + succeeded
                                  + "\n2 warnings:\n  Unresolved macro - $(Install_dir)\n  Not found - C:\\ti\\include",
                              timeout);
    QVERIFY(!finishEnabled(w));
    QVERIFY(w.button(QWizard::BackButton)->isEnabled());
    QVERIFY(!child<QProgressBar>(w, "BusyIndicator")->isVisible());
    QCOMPARE(w.buttonText(QWizard::CancelButton), QStringLiteral("Close"));
    QVERIFY(QFile::exists(cwd->file("settings.txt")));

    // The destination folder opens in the desktop's file manager.
    UrlCatcher desktop;
    QAbstractButton *openFolder = w.button(QWizard::CustomButton1);
    QVERIFY(openFolder->isVisible());
    QCOMPARE(openFolder->text(), QStringLiteral("Open Destination Folder"));
    QTest::mouseClick(openFolder, Qt::LeftButton);
    QCOMPARE(desktop.opened, QUrl::fromLocalFile(cwd->file("out")));
#ifndef Q_OS_WIN // where Windows' own Explorer always opens it
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        NoKorrinOnPath noLauncher; // nor any file manager
        QString told;
        onNextModal([&told](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            told = box->icon() == QMessageBox::Warning ? box->text() : QStringLiteral("(not a warning)");
            box->accept();
        });
        QTest::mouseClick(openFolder, Qt::LeftButton);
        QCOMPARE(told, "No file manager could be started to show the destination folder:\n" + cwd->file("out"));
    }
#endif

    // The buttons of the run stay with it: back on the macro page, Cancel
    // is Cancel again; Next makes the wizard ready again.
    press(w, QWizard::BackButton);
    QCOMPARE(w.buttonText(QWizard::CancelButton), cancelText);
    QVERIFY(!openFolder->isVisible());
    press(w, QWizard::NextButton);
    QVERIFY(finishEnabled(w));
    QVERIFY(!openFolder->isVisible());
    QVERIFY(detailsLog(w).startsWith("TI Code Composer Project:\n"));
    QCOMPARE(w.buttonText(QWizard::CancelButton), QStringLiteral("Close"));
}

// Many deliveries reach the log in batches: every line, in order, and the
// view stays where the user scrolled it.
void ConversionTest::batchedLogKeepsEveryLineAndTheView()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    QByteArray first, second;
    for (int line = 0; line < 6000; ++line)
        (line < 3000 ? first : second) += "  Creating Group - group" + QByteArray::number(line) + '\n';
    StandInKorrin korrin(first, second, 0);

    press(w, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(detailsLog(w).endsWith("group2999"), timeout);
    QScrollBar *scrollBar = child<QTextBrowser>(w, "DetailsText")->verticalScrollBar();
    QCOMPARE(scrollBar->value(), scrollBar->maximum()); // following the end
    scrollBar->setValue(0);

    korrin.release();
    QTRY_VERIFY_WITH_TIMEOUT(detailsLog(w).endsWith(succeeded), timeout);
    QCOMPARE(detailsLog(w), logStart() + "\n" + first + second + "\n" + succeeded);
    QCOMPARE(scrollBar->value(), 0);
}

// Korrin lists macros of three kinds (CR LF from Korrin.exe), each shown with
// its value and where that comes from. Only the values typed, which differ
// from Korrin's, follow today's arguments and the TI folder as -var, then
// -cdb comes; the summary names every choice.
void ConversionTest::macroValuesTiFolderAndDatabases()
{
    cwd->write("settings.txt", "Build Macro:\nCG_TOOL_ROOT=/opt/ti\n\n"); // tied to no project
    cwd->write("out/app.prj", "");
    QVERIFY(QDir(cwd->path()).mkdir("ti"));
    wizard = std::make_unique<TICodeComposerConverter>();
    wizard->show();
    TICodeComposerConverter &w = *wizard;
    StandInKorrin korrin("", "", 0);
    korrin.listMacros("$(Install_dir)\r\n%BIOS_DIR%\r\n${CG_TOOL_ROOT}\t\\ti\\cgt\r\n${SDK_INCLUDE}\t\r\n"
                      "${SDK_BASE}\tc:\\ti\\sdk\tproject\r\n$(INSTALL_DIR)\r\n");
    korrin.release();
    box(w, "cppCheck")->setChecked(true);
    edit(w, "TiFolderEdit")->setText("ti");
    fillInAndGoToMacros(w);
    QCOMPARE(korrin.listingArguments(), QStringList({"Korrin", "app.pjt", "out", "-macros", "-ext", "cpp", "-ti", "ti"}));

    auto *table = child<QTableWidget>(w, "MacroValuesTable");
    const auto column = [table](int column) {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, column)->text();
        return texts;
    };
    QCOMPARE(column(0), QStringList({"$(Install_dir)", "%BIOS_DIR%", "${CG_TOOL_ROOT}", "${SDK_INCLUDE}", "${SDK_BASE}"}));
    QCOMPARE(column(1), QStringList({"", "", "\\ti\\cgt", "", "c:\\ti\\sdk"}));
    const QString found = "found on this machine";
    const QString foundEmpty = "found on this machine, with no value for it";
    QCOMPARE(column(2), QStringList({"unresolved", "unresolved", found, foundEmpty, "the project"}));

    table->item(0, 1)->setText("C:\\CCS v3");
    table->item(4, 1)->setText("/work/sdk");
    table->item(2, 1)->setText("\\other\\cgt");
    QCOMPARE(column(2), QStringList({"typed by you", "unresolved", "typed by you", foundEmpty, "typed by you"}));
    table->item(2, 1)->setText(""); // brings Korrin's value back
    QCOMPARE(column(1), QStringList({"C:\\CCS v3", "", "\\ti\\cgt", "", "/work/sdk"}));
    QCOMPARE(column(2), QStringList({"typed by you", "unresolved", found, foundEmpty, "typed by you"}));

    // What was typed survives going back and listing again.
    press(w, QWizard::BackButton);
    press(w, QWizard::NextButton);
    QTRY_VERIFY_WITH_TIMEOUT(w.button(QWizard::NextButton)->isEnabled(), timeout);
    QCOMPARE(column(1), QStringList({"C:\\CCS v3", "", "\\ti\\cgt", "", "/work/sdk"}));

    QCOMPARE(box(w, "CdbCheckBox")->text(),
             QStringLiteral("Also write compilation databases for cppcheck, clang-tidy and clangd"));
    box(w, "CdbCheckBox")->setChecked(true);
    press(w, QWizard::NextButton);
    const QString summary = detailsLog(w);
    QVERIFY2(summary.contains("Corvel / Corvel++ Project Name:\napp\n" + QDir::toNativeSeparators("out/app.prj")
                              + " will be replaced\n\nMessage Personality:\n"),
             qPrintable(summary));
    QVERIFY2(summary.endsWith("File Extensions:\ncpp\n\nReplicate Source Tree:\nNo\n\nTI Folder:\nti\n\n"
                              "Build Macros:\nInstall_dir=C:\\CCS v3\nSDK_BASE=/work/sdk\n\nCompilation Databases:\nYes\n"),
             qPrintable(summary));
    pressFinishAndWaitForExit();
    QCOMPARE(korrin.arguments(), QStringList({"Korrin", "app.pjt", "out", "-pn", "app", "-ext", "cpp", "-ti", "ti", "-var",
                                              "Install_dir=C:\\CCS v3", "-var", "SDK_BASE=/work/sdk", "-cdb"}));
    const QByteArray project = QFile::encodeName(QDir::toNativeSeparators(QDir::current().absoluteFilePath("app.pjt")));
    QTRY_COMPARE(cwd->read("settings.txt"),
                 "Destination Folder:\nout\n\nTI Folder:\nti\n\nBuild Macro:\nCG_TOOL_ROOT=/opt/ti\n\nBuild Macros of Project:\n" + project
                     + "\n\nProject Build Macro:\nInstall_dir=C:\\CCS v3\n\nProject Build Macro:\nSDK_BASE=/work/sdk\n\n");
}

// A TI folder changed on the macro page lists the macros again, at the end of
// the edit or, at the latest, on Next; a folder that is not there turns red.
void ConversionTest::changedTiFolderListsAgain()
{
    TICodeComposerConverter &w = *wizard;
    StandInKorrin korrin("", "", 0);
    korrin.listMacros("${CG_TOOL_ROOT}\n");
    fillInAndGoToMacros(w);
    QVERIFY(QDir(cwd->path()).mkdir("ti"));
    QLineEdit *folder = edit(w, "TiFolderEdit");

    QTest::keyClicks(folder, "missing");
    QCOMPARE(textColour(folder), QColor(Qt::red));
    folder->setText("ti");
    QCOMPARE(textColour(folder), QColor(Qt::black));
    QTest::keyClick(folder, Qt::Key_Return);
    QVERIFY(!w.button(QWizard::NextButton)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.button(QWizard::NextButton)->isEnabled(), timeout);
    QCOMPARE(korrin.listingArguments().mid(3), QStringList({"-macros", "-ti", "ti"}));

    korrin.listMacros("${CG_TOOL_ROOT}\t\\ti\\cgt\n");
    folder->clear();
    press(w, QWizard::NextButton);
    QCOMPARE(w.currentPage()->objectName(), QStringLiteral("MacroPage"));
    QVERIFY(!w.button(QWizard::NextButton)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.button(QWizard::NextButton)->isEnabled(), timeout);
    QCOMPARE(korrin.listingArguments().mid(3), QStringList({"-macros"}));
    QCOMPARE(child<QTableWidget>(w, "MacroValuesTable")->item(0, 1)->text(), QStringLiteral("\\ti\\cgt"));
    press(w, QWizard::NextButton);
    QCOMPARE(w.currentPage()->objectName(), QStringLiteral("Page3"));
}

void ConversionTest::failureShowsMessageBox()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    StandInKorrin korrin("Could not open file: ", "\\w\\app.pjt\n", 1);
    korrin.release();

    QString caption, text, reason;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextModal([&](QWidget *modal) {
        auto *messageBox = qobject_cast<QMessageBox *>(modal);
        QVERIFY(messageBox);
        caption = messageBox->windowTitle();
        text = messageBox->text();
        reason = messageBox->informativeText();
        icon = messageBox->icon();
        QVERIFY(!messageBox->parent());
        // The title whole, beside the window's buttons.
        QVERIFY(messageBox->width() > messageBox->fontMetrics().horizontalAdvance(caption) + 150);
        messageBox->accept();
    });
    press(w, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(!caption.isEmpty(), timeout);
    QCOMPARE(caption, QStringLiteral("TI Code Composer Project Converter"));
    QCOMPARE(text, QStringLiteral("Project Conversion Failed!\nPlease check the details log and try again."));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(reason, QStringLiteral("Could not open file: \\w\\app.pjt"));
    QTRY_VERIFY(QFile::exists(cwd->file("settings.txt")));

    const QString output = detailsLog(w);
    QVERIFY2(output.startsWith(logStart() + "\nCould not open file: "), qPrintable(output));
    QVERIFY(output.endsWith("\\w\\app.pjt\n"));
    QVERIFY(finishEnabled(w));
    QVERIFY(w.buttonText(QWizard::CancelButton) != QStringLiteral("Close"));
}

void ConversionTest::converterThatCannotBeStarted()
{
    cwd->write("settings.txt", "Message Personality:\napp.pjt\n");
    wizard = std::make_unique<TICodeComposerConverter>();
    wizard->show();
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);

    NoKorrinOnPath hidden;
    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w),
                              logStart("app.pjt out -pn app -mp app.pjt")
                                  + "\nProject Conversion could not be executed: Please ensure " + converterProgramName() + " is set on the path.\n",
                              timeout);
    QVERIFY(finishEnabled(w));
    QCOMPARE(cwd->read("settings.txt"), QByteArray("Message Personality:\napp.pjt\n"));
    QCOMPARE(edit(w, "MsgPersonEdit")->text(), QStringLiteral("app.pjt"));
}

void ConversionTest::killedConverter()
{
#ifdef Q_OS_WIN
    QSKIP("under Wine the wizard does not come back from a stand-in ended from outside");
#endif
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    StandInKorrin korrin("Creating Corvel/Corvel++ Project ...\n", "", 0);

    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w), logStart() + "\nCreating Corvel/Corvel++ Project ...", timeout);
    QString reason;
    onNextModal([&reason](QWidget *modal) {
        reason = static_cast<QMessageBox *>(modal)->informativeText();
        static_cast<QDialog *>(modal)->accept();
    });
    killFromOutside(latestConverter(w)->processId());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(cwd->file("settings.txt")), timeout);
    const QString incomplete = "Project Conversion ended abnormally: the destination folder out holds an incomplete project.";
    QCOMPARE(reason, incomplete);
    QCOMPARE(detailsLog(w), logStart() + "\nCreating Corvel/Corvel++ Project ...\n\n" + incomplete);
    QVERIFY(finishEnabled(w));
    QVERIFY(w.buttonText(QWizard::CancelButton) != QStringLiteral("Close"));
}

void ConversionTest::stoppingAsksFirst_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("the window's close button") << "close";
}

// While Korrin runs, leaving asks first and keeps it running unless told to
// stop it; a stopped run says it leaves an incomplete project, and the wizard
// stays to show that.
void ConversionTest::stoppingAsksFirst()
{
    QFETCH(QString, way);
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    StandInKorrin korrin("working\n", "", 0);
    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w), logStart() + "\nworking", timeout);
    QProcess *converter = latestConverter(w);
    const auto leave = [&w, way] {
        if (way == QLatin1String("Cancel"))
            press(w, QWizard::CancelButton);
        else if (way == QLatin1String("Esc"))
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            w.close();
    };

    QString question;
    onNextModal([&question](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        question = box->defaultButton() == box->button(QMessageBox::No) ? box->text() : QStringLiteral("(not No)");
        QTest::keyClick(box, Qt::Key_Escape);
    });
    leave();
    QCOMPARE(question, QStringLiteral("Korrin is still converting the project. Stop it?\n"
                                      "The destination folder will then hold an incomplete project."));
    QVERIFY(w.isVisible());
    QCOMPARE(converter->state(), QProcess::Running);

    onNextModal([](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    leave();
    QString told;
    onNextModal([&told](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        told = box->icon() == QMessageBox::Warning ? box->text() : QStringLiteral("(not a warning)");
        box->accept();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), timeout);
    const QString stopped = "Project Conversion stopped: the destination folder out holds an incomplete project.";
    QCOMPARE(told, stopped);
    QCOMPARE(detailsLog(w), logStart() + "\nworking\n\n" + stopped);
    QCOMPARE(converter->exitStatus(), QProcess::CrashExit);
    QVERIFY(w.isVisible());
    QVERIFY(finishEnabled(w));

    press(w, QWizard::CancelButton); // nothing runs: no question
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
}

// While the stop question is open, the log goes on taking what Korrin
// writes, as it does before and after.
void ConversionTest::logGoesOnWhileStopIsAsked()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    StandInKorrin korrin("working\n", "more\n", 0);
    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w), logStart() + "\nworking", timeout);

    QString shownWhileAsked;
    onNextModal([&](QWidget *modal) {
        korrin.release();
        auto *watch = new QTimer(modal);
        connect(watch, &QTimer::timeout, modal, [&w, &shownWhileAsked, modal] {
            if (!detailsLog(w).contains("more"))
                return;
            shownWhileAsked = detailsLog(w);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        watch->start(20);
        QTimer::singleShot(timeout, modal, [modal] { QTest::keyClick(modal, Qt::Key_Escape); });
    });
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY2(shownWhileAsked.startsWith(logStart() + "\nworking\nmore"), qPrintable(shownWhileAsked));
}

void ConversionTest::oneConverterAtATime()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    StandInKorrin korrin("", "", 1);
    press(w, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(korrin.started(), timeout);
    QVERIFY(!finishEnabled(w));

    // Coming back to the details page while it runs keeps Finish disabled.
    press(w, QWizard::BackButton);
    press(w, QWizard::NextButton);
    QCOMPARE(w.currentPage()->objectName(), QStringLiteral("Page3"));
    QVERIFY(!finishEnabled(w));

    onNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->accept(); });
    korrin.release();
    QTRY_VERIFY_WITH_TIMEOUT(finishEnabled(w), timeout);
    QCOMPARE(w.findChildren<QProcess *>().size(), 1);

    // A second attempt starts a fresh log with a new converter.
    StandInKorrin again("again\n", "", 0);
    again.release();
    press(w, QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(detailsLog(w), logStart() + "\nagain\n\n" + succeeded, timeout);
}

// A folder that holds projects, no project itself, needs no name: Korrin
// names each project after itself; the first page and the summary say how
// many it holds.
void ConversionTest::folderOfProjects()
{
    TICodeComposerConverter &w = *wizard;
    cwd->write(QStringLiteral("repository/app/.project"), "");
    cwd->write(QStringLiteral("repository/lib/.project"), "");
    StandInKorrin korrin("", "", 0);
    korrin.listProjects(QFile::encodeName(QDir::toNativeSeparators("repository/app\nrepository/lib\n")));
    korrin.nameProject("app\n");
    edit(w, "CorProjectEdit")->setText(QStringLiteral("."));
    w.openProject(QStringLiteral("repository"));
    QTRY_COMPARE(korrin.projectingArguments(), QStringList({"Korrin", "repository", "-projects"}));
    QCOMPARE(korrin.namingArguments(), QStringList({"(not started)"}));
    QVERIFY(edit(w, "CorNameEdit")->text().isEmpty());
    QTRY_VERIFY(w.button(QWizard::NextButton)->isEnabled());
    QCOMPARE(child<QLabel>(w, "ProjectStatusText")->text(),
             "Holds 2 projects below it: app, lib. Each is converted below the destination folder; choose one to "
             "convert it alone.");
    QTRY_VERIFY(w.findChildren<QProcess *>().isEmpty());
    for (int page = 0; page < 3 && w.currentPage()->objectName() != QLatin1String("MacroPage"); ++page)
        press(w, QWizard::NextButton);
    QTRY_VERIFY(w.button(QWizard::NextButton)->isEnabled());
    press(w, QWizard::NextButton);
    const QString summary = detailsLog(w);
    QVERIFY2(summary.startsWith("TI Code Composer Project:\nrepository\n2 projects below it, each converted below the "
                                "destination folder\n\n"),
             qPrintable(summary));
    QVERIFY2(summary.contains("Corvel / Corvel++ Project Name:\nEach project's own\n"), qPrintable(summary));
    korrin.release();
    pressFinishAndWaitForExit();
    QCOMPARE(korrin.arguments(), QStringList({"Korrin", "repository", "."}));
}

// Of a folder of many projects, one that fails does not make the run a
// failure: a warning says how many converted, and which failed why, as the
// end of the log does.
void ConversionTest::repositoryWithOneMalformedProject()
{
    TICodeComposerConverter &w = *wizard;
    const QString repository = cwd->file("repository");
    const auto place = [&repository](const char *below) {
        return QDir::toNativeSeparators(repository + QLatin1Char('/') + QLatin1String(below));
    };
    const QString malformed = "Malformed project file: " + place("devices/ads7953/.project") + ":3:2";
    StandInKorrin korrin(("Converting Project - " + place("devices/ads1285") + "\nCreating Corvel/Corvel++ Project ...\n"
                          "  Creating Group - ads1285\nCorvel/Corvel++ Project Completed!\n"
                          "Converting Project - " + place("devices/ads7953") + "\n" + malformed + "\n"
                          "Converting Project - " + place("devices/tla2518") + "\nCreating Corvel/Corvel++ Project ...\n"
                          "Corvel/Corvel++ Project Completed!\nProjects Converted - 2, Failed - 1\n").toUtf8(),
                         "", 1);
    korrin.listProjects((place("devices/ads1285") + "\n" + place("devices/ads7953") + "\n" + place("devices/tla2518") + "\n").toUtf8());
    korrin.release();
    QVERIFY(QDir(cwd->path()).mkpath("repository/devices"));
    edit(w, "CorProjectEdit")->setText("out");
    w.openProject("repository");
    QTRY_VERIFY(w.button(QWizard::NextButton)->isEnabled());
    for (int page = 0; page < 3 && w.currentPage()->objectName() != QLatin1String("MacroPage"); ++page)
        press(w, QWizard::NextButton);
    QTRY_VERIFY(w.button(QWizard::NextButton)->isEnabled());
    press(w, QWizard::NextButton);

    QString text, details;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        text = box->text();
        details = box->informativeText();
        icon = box->icon();
        box->accept();
    });
    press(w, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), timeout);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(text, QStringLiteral("Converted 2 of 3 projects."));
    const QString failed = "Not converted:\n" + QDir::toNativeSeparators("devices/ads7953") + ": " + malformed;
    QCOMPARE(details, failed);
    QVERIFY2(detailsLog(w).endsWith("Projects Converted - 2, Failed - 1\n\nConverted 2 of 3 projects.\n" + failed),
             qPrintable(detailsLog(w)));
    QCOMPARE(w.buttonText(QWizard::CancelButton), QStringLiteral("Close"));
    QVERIFY(w.button(QWizard::CustomButton1)->isVisible());
    QVERIFY(finishEnabled(w));
}

QTEST_MAIN(ConversionTest)
#include "tst_conversion.moc"
