// The pages: their start state, the path checks that decide Next, the browse
// dialogs, the name Korrin proposes and the log page that grows.

#include <QDialogButtonBox>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "wizardtest.h"
#include "images/bottombanner.xpm"
#include "images/topbanner.xpm"

namespace {

const QStringList pageNames{"Page0", "Page1", "Page2", "MacroPage", "Page3"};
const QColor black(0, 0, 0);
const QColor red(255, 0, 0);

bool nextEnabled(QWizard &wizard)
{
    return wizard.button(QWizard::NextButton)->isEnabled();
}

// The grey tones of an XPM colour table, darkest and lightest.
std::pair<QString, QString> greyRange(const char *const *xpm, int colours)
{
    QStringList tones;
    for (int i = 1; i <= colours; ++i)
        tones << QString::fromLatin1(xpm[i]).section(QLatin1Char(' '), -1);
    std::sort(tones.begin(), tones.end());
    return {tones.first(), tones.last()};
}

} // namespace

class PagesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void banners();

    void projectPageNeedsExistingPathsAndName();
    void keyReleaseRechecksProjectPage();
    void personalityPage_data();
    void personalityPage();
    void analyserFieldIsCheckedOnlyWithTheOthers();

    void browseDialogs_data();
    void browseDialogs();
    void cancelledBrowseChangesNothing();
    void folderBrowseAfterAFileOpensInItsFolder();
    void projectBrowseTakesProjectFolders();
    void projectFromCommandLineOrDrop_data();
    void projectFromCommandLineOrDrop();
    void nameProposedByKorrin();
    void logPageGrowsWithTheWindow();
    void largePagesShowWholeValues();
    void destinationThatCannotBeWrittenIsRefused();
    void escapeAfterTypingAsksFirst();

private:
    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<TICodeComposerConverter> wizard;
};

void PagesTest::init()
{
    cwd = std::make_unique<WorkingDirectory>();
    wizard = std::make_unique<TICodeComposerConverter>();
    wizard->show();
}

void PagesTest::cleanup()
{
    wizard.reset();
    cwd.reset();
}

void PagesTest::startState()
{
    TICodeComposerConverter &w = *wizard;
    QCOMPARE(w.windowTitle(), QStringLiteral("TI Code Composer Project Converter 1.0"));
    QVERIFY(w.width() >= 543 && w.height() >= 484);
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.pageIds(), QList<int>({0, 1, 2, 3, 4}));
    for (int id = 0; id < 5; ++id) {
        QCOMPARE(w.page(id)->objectName(), pageNames[id]);
        QVERIFY(w.page(id)->title().isEmpty());
    }
    QVERIFY(!w.button(QWizard::HelpButton)->isVisible());
    QCOMPARE(w.button(QWizard::NextButton)->palette().color(QPalette::Button), QColor(Qt::white));

    // Page0: Next disabled, nothing marked red yet.
    QCOMPARE(w.currentId(), 0);
    QVERIFY(!nextEnabled(w));
    QVERIFY(!w.button(QWizard::BackButton)->isEnabled());
    for (const char *name : {"TIProjectEdit", "CorProjectEdit", "CorNameEdit"}) {
        QVERIFY(edit(w, name)->text().isEmpty());
        QCOMPARE(textColour(edit(w, name)), black);
    }
    QVERIFY(!box(w, "ReplicateSourceTreeCheckBox")->isChecked());

    // Page1: all personalities empty, Next enabled.
    edit(w, "TIProjectEdit")->setText(QStringLiteral("app.pjt"));
    edit(w, "CorProjectEdit")->setText(QStringLiteral("out"));
    edit(w, "CorNameEdit")->setText(QStringLiteral("app"));
    press(w, QWizard::NextButton);
    QCOMPARE(w.currentId(), 1);
    for (const char *name : {"MsgPersonEdit", "AnalPersonEdit", "CmpPersonEdit"})
        QVERIFY(edit(w, name)->text().isEmpty());
    QVERIFY(nextEnabled(w));

    // Page2: nothing chosen, Next enabled.
    press(w, QWizard::NextButton);
    QCOMPARE(w.currentId(), 2);
    for (const char *name : {"cppCheck", "ccCheck", "cxxCheck", "cCheck", "hCheck", "hhCheck", "hppCheck", "hxxCheck"})
        QVERIFY(!box(w, name)->isChecked());
    QVERIFY(edit(w, "CustExtEdit")->text().isEmpty());
    QVERIFY(edit(w, "CustExtEdit")->inputMask().isEmpty());
    QVERIFY(nextEnabled(w));

    // Page3: the placeholder until Next on Page2 puts the summary there.
    QCOMPARE(child<QTextBrowser>(w, "DetailsText")->toPlainText(),
             QStringLiteral("TI Code Composer Project:\n\n\nCorvel/Corvel++ Project Directory:\n\n\n"
                            "Corvel++ Project Name:\n\n\nMessage Personality:\n\n\n"
                            "Template Analyser Personality:\n\n\nCompiler Personality:\n\n\nExtensions:"));
}

void PagesTest::banners()
{
    QCOMPARE(QString::fromLatin1(top_banner_xpm[0]), QStringLiteral("532 36 80 2"));
    QCOMPARE(greyRange(top_banner_xpm, 80), std::make_pair(QStringLiteral("#333333"), QStringLiteral("#ffffff")));
    QCOMPARE(QString::fromLatin1(bottom_banner_xpm[0]), QStringLiteral("532 19 77 2"));
    QCOMPARE(greyRange(bottom_banner_xpm, 77), std::make_pair(QStringLiteral("#0a0a0a"), QStringLiteral("#ffffff")));

    // The banners span each page, however large the window makes it; the
    // first page is the tallest, for the line that says what is wrong.
    const int bannerNumbers[] = {0, 1, 2, 4, 3};
    for (int id = 0; id < 5; ++id) {
        QWizardPage *page = wizard->page(id);
        QCOMPARE(page->minimumSize(), QSize(532, id == 0 ? 430 : 400));
        const QSize growth = (page->size() - page->minimumSize()).expandedTo(QSize(0, 0));
        const auto *top = page->findChild<QLabel *>(QStringLiteral("TopBanner%1").arg(bannerNumbers[id]));
        const auto *bottom = page->findChild<QLabel *>(QStringLiteral("BottomBanner%1").arg(bannerNumbers[id]));
        QCOMPARE(top->geometry(), QRect(0, 0, 532 + growth.width(), 36));
        QCOMPARE(top->pixmap().size(), QSize(532, 36));
        QCOMPARE(bottom->geometry(), QRect(0, page->minimumHeight() - 20 + growth.height(), 532 + growth.width(), 20));
        QCOMPARE(bottom->pixmap().size(), QSize(532, 19));
        QVERIFY(top->hasScaledContents() && bottom->hasScaledContents());
    }
}

void PagesTest::projectPageNeedsExistingPathsAndName()
{
    TICodeComposerConverter &w = *wizard;
    QLineEdit *project = edit(w, "TIProjectEdit");
    QLineEdit *folder = edit(w, "CorProjectEdit");
    QLineEdit *name = edit(w, "CorNameEdit");

    QTest::keyClicks(project, QStringLiteral("app.pjt"));
    QCOMPARE(textColour(project), black);
    QCOMPARE(textColour(folder), red); // still empty
    QTest::keyClicks(folder, QStringLiteral("missing"));
    QCOMPARE(textColour(folder), red);
    QVERIFY(!nextEnabled(w));

    folder->setText(QStringLiteral("out"));
    QCOMPARE(textColour(folder), black);
    QVERIFY(!nextEnabled(w)); // no name yet
    QTest::keyClicks(name, QStringLiteral("a"));
    QVERIFY(nextEnabled(w));
    QTest::keyClick(name, Qt::Key_Backspace);
    QVERIFY(!nextEnabled(w));
    name->setText(QStringLiteral("app"));
    QVERIFY(nextEnabled(w));

    // A directory counts as an existing project path; a missing file does not.
    project->setText(QStringLiteral("out"));
    QCOMPARE(textColour(project), black);
    QVERIFY(nextEnabled(w));
    project->setText(QStringLiteral("gone.pjt"));
    QCOMPARE(textColour(project), red);
    QVERIFY(!nextEnabled(w));
}

void PagesTest::keyReleaseRechecksProjectPage()
{
    TICodeComposerConverter &w = *wizard;
    edit(w, "TIProjectEdit")->setText(QStringLiteral("app.pjt"));
    edit(w, "CorNameEdit")->setText(QStringLiteral("app"));
    edit(w, "CorProjectEdit")->setText(QStringLiteral("later"));
    QCOMPARE(textColour(edit(w, "CorProjectEdit")), red);
    QVERIFY(!nextEnabled(w));

    QVERIFY(QDir(cwd->path()).mkdir(QStringLiteral("later")));
    QTest::keyClick(edit(w, "CorNameEdit"), Qt::Key_Left); // changes no text
    QCOMPARE(textColour(edit(w, "CorProjectEdit")), black);
    QVERIFY(nextEnabled(w));
}

void PagesTest::personalityPage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("analyser");
    QTest::addColumn<QString>("compiler");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("colours"); // message, analyser, compiler: b black, r red

    QTest::newRow("all empty") << "" << "" << "" << true << "bbb";
    QTest::newRow("message missing") << "none.p_s" << "" << "" << false << "rbb";
    QTest::newRow("message exists") << "app.pjt" << "" << "" << true << "bbb";
    QTest::newRow("compiler decides last") << "none.p_s" << "" << "app.pjt" << true << "rbb";
    QTest::newRow("compiler missing") << "app.pjt" << "" << "none.p_c" << false << "bbr";
    QTest::newRow("analyser only, missing") << "" << "none.p_a" << "" << true << "brb";
    QTest::newRow("analyser missing, message exists") << "app.pjt" << "none.p_a" << "" << false << "brb";
    QTest::newRow("analyser missing, compiler exists") << "" << "none.p_a" << "app.pjt" << true << "brb";
}

void PagesTest::personalityPage()
{
    QFETCH(QString, message);
    QFETCH(QString, analyser);
    QFETCH(QString, compiler);
    QFETCH(bool, next);
    QFETCH(QString, colours);

    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    for (int page = 0; page < 3; ++page)
        press(w, QWizard::BackButton);
    QCOMPARE(w.currentId(), 1);

    edit(w, "AnalPersonEdit")->setText(analyser);
    edit(w, "CmpPersonEdit")->setText(compiler);
    edit(w, "MsgPersonEdit")->setText(message);
    QTest::keyClick(edit(w, "MsgPersonEdit"), Qt::Key_End); // the check also runs on key release

    QCOMPARE(nextEnabled(w), next);
    QString seen;
    for (const char *name : {"MsgPersonEdit", "AnalPersonEdit", "CmpPersonEdit"})
        seen += textColour(edit(w, name)) == red ? QLatin1Char('r') : QLatin1Char('b');
    QCOMPARE(seen, colours);
}

void PagesTest::analyserFieldIsCheckedOnlyWithTheOthers()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    press(w, QWizard::BackButton);
    press(w, QWizard::BackButton);

    QTest::keyClicks(edit(w, "AnalPersonEdit"), QStringLiteral("none.p_a"));
    QCOMPARE(textColour(edit(w, "AnalPersonEdit")), black);
    QVERIFY(nextEnabled(w));

    QTest::keyClicks(edit(w, "CmpPersonEdit"), QStringLiteral("app.pjt"));
    QCOMPARE(textColour(edit(w, "AnalPersonEdit")), red);
    QVERIFY(nextEnabled(w)); // the compiler field comes last and exists
}

void PagesTest::browseDialogs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("choice"); // below pick/inner; empty: the folder itself

    QTest::newRow("project") << "TIProjectBrowseBtn" << "TIProjectEdit" << "open file dialog"
                             << "Select a Code Composer Project"
                             << QStringList{"Code Composer Projects (*.pjt *.projectspec .project .cproject .ccsproject)",
                                            "TI Code Composer Project (*pjt)",
                                            "Code Composer Studio Project (*.projectspec .project .cproject .ccsproject)"}
                             << "app.pjt";
    QTest::newRow("folder") << "CorProjectBrowseBtn" << "CorProjectEdit" << "get existing directory"
                            << "Select the Corvel/Corvel++ Project Destination Directory" << QStringList() << "";
    QTest::newRow("TI folder") << "TiFolderBrowseBtn" << "TiFolderEdit" << "get existing directory"
                               << "Select the Folder of TI's Installs" << QStringList() << "";
    QTest::newRow("message") << "MsgBrowseBtn" << "MsgPersonEdit" << "open file dialog"
                             << "Select a Message Personality" << QStringList{"Msg Personalities(*.p_s)"} << "m.p_s";
    QTest::newRow("analyser") << "AnalBrowseBtn" << "AnalPersonEdit" << "open file dialog"
                              << "Select a Template Analyser Personality" << QStringList{"Analiser Personalities(*.p_a)"}
                              << "a.p_a";
    QTest::newRow("compiler") << "CmpBrowseBtn" << "CmpPersonEdit" << "open file dialog"
                              << "Select a Compiler Personality" << QStringList{"Cmp Personalities(*.p_c)"} << "c.p_c";
}

void PagesTest::browseDialogs()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QStringList, filters);
    QFETCH(QString, choice);

    TICodeComposerConverter &w = *wizard;
    const QString folder = cwd->file(QStringLiteral("pick/inner"));
    QVERIFY(QDir().mkpath(folder));
    const QString chosen = choice.isEmpty() ? folder : folder + QLatin1Char('/') + choice;
    if (!choice.isEmpty())
        cwd->write(QStringLiteral("pick/inner/") + choice, "");

    // The first dialog opens at the root; the choice is written back.
    QString seenName, seenCaption, seenDirectory;
    QStringList seenFilters;
    bool directoriesOnly = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        seenName = dialog->objectName();
        seenCaption = dialog->windowTitle();
        seenFilters = dialog->nameFilters();
        seenDirectory = dialog->directory().absolutePath();
        directoriesOnly = dialog->fileMode() == QFileDialog::Directory && dialog->testOption(QFileDialog::ShowDirsOnly);
        if (choice.isEmpty()) {
            dialog->setDirectory(chosen); // a folder is chosen from inside it
        } else {
            dialog->setFocus(); // selectFile leaves a focused file name field alone
            dialog->selectFile(chosen);
        }
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept checks the choice
    });
    QTest::mouseClick(child<QPushButton>(w, qPrintable(button)), Qt::LeftButton);
    QCOMPARE(seenName, objectName);
    QCOMPARE(seenCaption, caption);
    QCOMPARE(directoriesOnly, choice.isEmpty());
    if (!filters.isEmpty())
        QCOMPARE(seenFilters, filters);
#ifdef Q_OS_WIN
    QEXPECT_FAIL("", "under Wine the first dialog opens at the root of drive Z, where the run started", Continue);
#endif
    QCOMPARE(seenDirectory, QDir::rootPath());
    QCOMPARE(edit(w, qPrintable(field))->text(), QDir::toNativeSeparators(chosen));

    // The next dialog, of any kind, opens where that choice was made.
    onNextModal([&](QWidget *modal) {
        seenDirectory = qobject_cast<QFileDialog *>(modal)->directory().absolutePath();
        static_cast<QDialog *>(modal)->reject();
    });
    QTest::mouseClick(child<QPushButton>(w, button == "MsgBrowseBtn" ? "CmpBrowseBtn" : "MsgBrowseBtn"), Qt::LeftButton);
    QCOMPARE(seenDirectory, folder);
}

void PagesTest::cancelledBrowseChangesNothing()
{
    TICodeComposerConverter &w = *wizard;
    edit(w, "TIProjectEdit")->setText(QStringLiteral("typed.pjt"));
    QString seenDirectory;
    for (int round = 0; round < 2; ++round) {
        onNextModal([&](QWidget *modal) {
            seenDirectory = qobject_cast<QFileDialog *>(modal)->directory().absolutePath();
            static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(child<QPushButton>(w, "TIProjectBrowseBtn"), Qt::LeftButton);
        QCOMPARE(edit(w, "TIProjectEdit")->text(), QStringLiteral("typed.pjt"));
#ifdef Q_OS_WIN
        QEXPECT_FAIL("", "under Wine the first dialog opens at the root of drive Z, where the run started", Continue);
#endif
        QCOMPARE(seenDirectory, QDir::rootPath());
    }
}

void PagesTest::folderBrowseAfterAFileOpensInItsFolder()
{
    TICodeComposerConverter &w = *wizard;
    const QString folder = cwd->file(QStringLiteral("pick"));
    QVERIFY(QDir().mkpath(folder));
    cwd->write(QStringLiteral("pick/app.pjt"), "");
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        dialog->setFocus();
        dialog->selectFile(folder + QStringLiteral("/app.pjt"));
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, "TIProjectBrowseBtn"), Qt::LeftButton);
    QCOMPARE(edit(w, "TIProjectEdit")->text(), QDir::toNativeSeparators(folder + QStringLiteral("/app.pjt")));

    // Choose takes the folder the dialog opens in, with nothing typed.
    QString seenDirectory, seenName;
    bool chooseEnabled = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        seenDirectory = dialog->directory().absolutePath();
        seenName = child<QLineEdit>(*dialog, "fileNameEdit")->text();
        QPushButton *choose = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
        chooseEnabled = choose->isEnabled();
        if (chooseEnabled)
            QTest::mouseClick(choose, Qt::LeftButton);
        else
            dialog->reject();
    });
    QTest::mouseClick(child<QPushButton>(w, "CorProjectBrowseBtn"), Qt::LeftButton);
    QCOMPARE(seenDirectory, folder);
    QCOMPARE(seenName, QString());
    QVERIFY(chooseEnabled);
    QCOMPARE(edit(w, "CorProjectEdit")->text(), QDir::toNativeSeparators(folder));
}

// Open on an ordinary folder goes into it; on a Code Composer Studio project
// folder it chooses the folder.
void PagesTest::projectBrowseTakesProjectFolders()
{
    TICodeComposerConverter &w = *wizard;
    cwd->write(QStringLiteral("motor/.project"), "");
    QVERIFY(QDir(cwd->path()).mkdir(QStringLiteral("plain")));
    QString afterPlain;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        dialog->setFocus();
        dialog->selectFile(cwd->file(QStringLiteral("plain")));
        static_cast<QDialog *>(dialog)->accept(); // virtual: the dialog's own check
        afterPlain = dialog->isVisible() ? dialog->directory().absolutePath() : QStringLiteral("(closed)");
        dialog->selectFile(cwd->file(QStringLiteral("motor")));
        static_cast<QDialog *>(dialog)->accept(); // virtual: the dialog's own check
    });
    QTest::mouseClick(child<QPushButton>(w, "TIProjectBrowseBtn"), Qt::LeftButton);
    QCOMPARE(afterPlain, cwd->file(QStringLiteral("plain")));
    QCOMPARE(edit(w, "TIProjectEdit")->text(), QDir::toNativeSeparators(cwd->file(QStringLiteral("motor"))));
}

void PagesTest::projectFromCommandLineOrDrop_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("project");

    for (const char *way : {"command line", "dropped on the window", "dropped on the project field"}) {
        QTest::addRow("%s, .pjt", way) << way << "tone.pjt";
        QTest::addRow("%s, .cproject", way) << way << "motor/.cproject";
        QTest::addRow("%s, folder", way) << way << "motor";
    }
}

void PagesTest::projectFromCommandLineOrDrop()
{
    QFETCH(QString, way);
    QFETCH(QString, project);

    TICodeComposerConverter &w = *wizard;
    StandInKorrin korrin("", "", 0);
    korrin.nameProject("Korrin's name\n");
    cwd->write(QStringLiteral("tone.pjt"), "");
    cwd->write(QStringLiteral("motor/.cproject"), "");
    cwd->write(QStringLiteral("motor/.project"), "");
    const QString path = QDir::toNativeSeparators(cwd->file(project));
    if (way == QLatin1String("command line")) {
        w.openCommandLine({QStringLiteral("KorrinWizard"), path});
    } else {
        QWidget *target = way.endsWith(QLatin1String("window")) ? static_cast<QWidget *>(&w) : edit(w, "TIProjectEdit");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    QCOMPARE(edit(w, "TIProjectEdit")->text(), path);
    QTRY_COMPARE(edit(w, "CorNameEdit")->text(), QStringLiteral("Korrin's name"));
    QCOMPARE(korrin.namingArguments(), QStringList({"Korrin", path, "-name"}));
}

// The name field takes Korrin's name for the project, chosen or typed in,
// while it is empty or still holds the name proposed before; a name typed
// there stays.
void PagesTest::nameProposedByKorrin()
{
    TICodeComposerConverter &w = *wizard;
    cwd->write(QStringLiteral("tone.pjt"), "");
    QLineEdit *project = edit(w, "TIProjectEdit");
    QLineEdit *name = edit(w, "CorNameEdit");
    const auto answered = [&w] { return w.findChildren<QProcess *>().isEmpty(); };
    StandInKorrin korrin("", "", 0);

    korrin.nameProject("first\r\n");
    w.openProject(QStringLiteral("app.pjt"));
    QTRY_COMPARE(name->text(), QStringLiteral("first"));

    korrin.nameProject("second\n");
    project->clear();
    QTest::keyClicks(project, QStringLiteral("tone.pjt"));
    QVERIFY(answered()); // not asked at every key
    QTest::keyClick(project, Qt::Key_Return);
    QTRY_COMPARE(name->text(), QStringLiteral("second"));
    QCOMPARE(korrin.namingArguments(), QStringList({"Korrin", "tone.pjt", "-name"}));

    name->setText(QStringLiteral("mine"));
    korrin.nameProject("third\n");
    w.openProject(QStringLiteral("app.pjt"));
    QTRY_VERIFY(answered());
    QCOMPARE(name->text(), QStringLiteral("mine"));
}

// The log takes the room a larger window gives the details page, between the
// banners, which follow the page's edges.
void PagesTest::logPageGrowsWithTheWindow()
{
    TICodeComposerConverter &w = *wizard;
    fillInAndGoToDetails(w);
    QWizardPage *page = w.currentPage();
    auto *log = child<QTextBrowser>(w, "DetailsText");
    const QSize pageBefore = page->size();
    const QSize logBefore = log->size();

    w.resize(w.size() + QSize(200, 150));
    QTRY_VERIFY(page->width() > pageBefore.width() && page->height() > pageBefore.height());
    QCOMPARE(log->size(), logBefore + (page->size() - pageBefore));
    const QRect bottom = child<QLabel>(w, "BottomBanner3")->geometry();
    QCOMPARE(bottom, QRect(0, page->height() - 20, page->width(), 20));
    QVERIFY(log->geometry().bottom() < bottom.top());
    QVERIFY(bottom.contains(child<QProgressBar>(w, "BusyIndicator")->geometry()));
}

// As large as the screen, every page grows: the fields widen, the Browse buttons keep to
// the right edge, the macro table takes the room; a long macro leaves the
// value room, and each cell shows its whole text as a tooltip.
void PagesTest::largePagesShowWholeValues()
{
    TICodeComposerConverter &w = *wizard;
    const QString longName = "${workspace_loc:/ft_plat_io-link_lib/source/stack/application/port/include}";
    const QString longValue = "C:\\ti\\controlSUITE\\development_kits\\TMDSDOCK28335\\v1_5\\timed_led_blink";
    StandInKorrin korrin("", "", 0);
    korrin.listMacros((longName + "\t" + longValue + "\n${CG_TOOL_ROOT}\t/opt/ti/cgt\n").toUtf8());
    QLineEdit *project = edit(w, "TIProjectEdit");
    const int fieldBefore = project->width();
    const int browseGap = project->parentWidget()->width() - child<QPushButton>(w, "TIProjectBrowseBtn")->geometry().right();
    w.setGeometry(w.screen()->availableGeometry()); // as maximised
    QTRY_VERIFY(w.currentPage()->width() > w.currentPage()->minimumWidth() + 100);
    const int growth = w.currentPage()->width() - w.currentPage()->minimumWidth();
    QCOMPARE(project->width(), fieldBefore + growth);
    QCOMPARE(project->parentWidget()->width() - child<QPushButton>(w, "TIProjectBrowseBtn")->geometry().right(), browseGap);

    fillInAndGoToMacros(w);
    auto *table = child<QTableWidget>(w, "MacroValuesTable");
    QCOMPARE(table->width(), 480 + growth);
    QVERIFY(table->height() > 104 + (w.currentPage()->height() - w.currentPage()->minimumHeight()) - 1);
    QVERIFY(table->columnWidth(1) > table->columnWidth(0));
    QVERIFY(table->columnWidth(0) < table->viewport()->width() / 2);
    QCOMPARE(table->item(0, 0)->toolTip(), longName);
    QCOMPARE(table->item(0, 1)->toolTip(), longValue);
    table->item(0, 1)->setText("/home/me/ti/controlSUITE/development_kits");
    QCOMPARE(table->item(0, 1)->toolTip(), QStringLiteral("/home/me/ti/controlSUITE/development_kits"));
    auto *status = child<QLabel>(w, "MacroStatusText");
    QVERIFY(status->wordWrap());
    QVERIFY(table->geometry().bottom() < status->geometry().top());
}

// A destination in whose place a file stands is refused on the first page,
// with the reason.
void PagesTest::destinationThatCannotBeWrittenIsRefused()
{
    TICodeComposerConverter &w = *wizard;
    cwd->write(QStringLiteral("taken"), "");
    StandInKorrin korrin("", "", 0);
    w.openProject(QStringLiteral("app.pjt"));
    edit(w, "CorNameEdit")->setText(QStringLiteral("app"));
    edit(w, "CorProjectEdit")->setText(QStringLiteral("taken"));
    QVERIFY(!nextEnabled(w));
    QCOMPARE(child<QLabel>(w, "ProjectStatusText")->text(), QStringLiteral("The destination is a file, not a folder."));
    edit(w, "CorProjectEdit")->setText(QStringLiteral("out"));
    QTRY_VERIFY(nextEnabled(w));
    QVERIFY(child<QLabel>(w, "ProjectStatusText")->text().isEmpty());
    QVERIFY(QDir(cwd->file(QStringLiteral("out"))).isEmpty()); // the test of writing leaves nothing
}

// Esc closes a wizard holding nothing typed at once; after typing, it asks
// first, No being the default.
void PagesTest::escapeAfterTypingAsksFirst()
{
    TICodeComposerConverter &w = *wizard;
    QTest::keyClicks(edit(w, "CorNameEdit"), QStringLiteral("motor"));
    QString question;
    onNextModal([&question](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        question = box->defaultButton() == box->button(QMessageBox::No) ? box->text() : QStringLiteral("(not No)");
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(question, QStringLiteral("Close the wizard?\nWhat you typed here will be lost."));
    QVERIFY(w.isVisible());
    QCOMPARE(edit(w, "CorNameEdit")->text(), QStringLiteral("motor"));

    onNextModal([](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    w.close();
    QVERIFY(!w.isVisible());

    TICodeComposerConverter untouched;
    untouched.show();
    QTest::keyClick(&untouched, Qt::Key_Escape); // no question
    QVERIFY(!untouched.isVisible());
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
