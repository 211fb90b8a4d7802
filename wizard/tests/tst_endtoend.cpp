// The wizard driving the real Korrin, which lies beside the test executable
// as it lies beside an installed wizard, on the bundled example project, on
// corpus projects and on a project from another machine.

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <optional>

#include "wizardtest.h"

namespace {

// Korrin's Windows text of a path as Korrin on this host prints it: with
// "/" but on Windows.
QString hostText(QString text)
{
#ifndef Q_OS_WIN
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return text;
}

// A .cproject of one C2000 configuration, Debug, that includes the folder.
QByteArray c2000Configuration(const QByteArray &includeFolder)
{
    return "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\"><cconfiguration>"
           "<storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"Debug\"><folderInfo resourcePath=\"\">"
           "<toolChain><tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug\">"
           "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.compilerID.INCLUDE_PATH\">"
           "<listOptionValue value=\""
        + includeFolder
        + "\"/></option></tool></toolChain></folderInfo>"
          "</configuration></storageModule></cconfiguration></storageModule></cproject>\n";
}

// A Code Composer Studio project "motor" in the folder "work" whose source
// adc.c and include folder are where its path variable ORIGINAL_PROJECT_ROOT
// says on its author's machine, C:/ti/...; here they are in the folder "sdk".
void writeProjectFromAnotherMachine(const WorkingDirectory &cwd)
{
    cwd.write(QStringLiteral("work/.project"),
              "<projectDescription><name>motor</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>"
              "<linkedResources><link><name>adc.c</name><type>1</type><locationURI>ORIGINAL_PROJECT_ROOT/adc.c</locationURI>"
              "</link></linkedResources><variableList><variable><name>ORIGINAL_PROJECT_ROOT</name>"
              "<value>file:/C:/ti/controlSUITE/blink</value></variable></variableList></projectDescription>\n");
    cwd.write(QStringLiteral("work/.cproject"), c2000Configuration("${ORIGINAL_PROJECT_ROOT}/include"));
    cwd.write(QStringLiteral("sdk/adc.c"), "int adc;\n");
    cwd.write(QStringLiteral("sdk/include/adc.h"), "extern int adc;\n");
}

// Every file below folder, by its path there, with its content.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsBundledExample_data();
    void convertsBundledExample();
    void macroValuesReachKorrinAndAreRemembered_data();
    void macroValuesReachKorrinAndAreRemembered();
    void ownPathVariableOverriddenWithEitherSeparator();
    void convertsFolderOfProjects();
    void rerunNamesAndRemovesEarlierDatabases();
    void folderOfPjtFilesIsNamedOnTheFirstPage();
};

void EndToEndTest::convertsBundledExample_data()
{
    QTest::addColumn<bool>("standInOnPath");
    QTest::newRow("no Korrin on the search path") << false;
    QTest::newRow("the one beside before the search path") << true;
}

void EndToEndTest::convertsBundledExample()
{
    QFETCH(bool, standInOnPath);
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    std::optional<StandInKorrin> standIn;
    if (standInOnPath) {
        standIn.emplace("", "", 0);
        standIn->release();
    }
    TICodeComposerConverter wizard;
    wizard.show();
    box(wizard, "ReplicateSourceTreeCheckBox")->setChecked(true);
    box(wizard, "cCheck")->setChecked(true);
    box(wizard, "hCheck")->setChecked(true);
    fillInAndGoToDetails(wizard, QDir::toNativeSeparators(QStringLiteral(KORRIN_EXAMPLE_PROJECT)));
    QVERIFY(detailsLog(wizard).contains("File Extensions:\nc,h\n"));

    press(wizard, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(detailsLog(wizard).endsWith("Project Converted Successfully!"), 60000);
    const QString output = detailsLog(wizard);
    QVERIFY2(output.contains("Creating Corvel/Corvel++ Project ...\n"), qPrintable(output));
    QVERIFY(output.contains("Corvel/Corvel++ Project Completed!\n"));
    QCOMPARE(wizard.buttonText(QWizard::CancelButton), QStringLiteral("Close"));
    QVERIFY(!standIn || !standIn->started());

    QFile project(cwd.file(QStringLiteral("out/app.prj")));
    QVERIFY(project.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = project.readAll().split('\n');
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines[0], QByteArray("VersionTag45\r"));
    QCOMPARE(lines[1], QByteArray("StartProjectMarker\r"));
    QCOMPARE(lines[2], QByteArray("FolderName=app\r"));
    for (const char *group : {"FolderName=Debug\r", "FolderName=Release\r", "FolderName=src\r"})
        QVERIFY2(lines.contains(group), group);
    const auto endsWith = [&lines](const char *tail) {
        return std::any_of(lines.begin(), lines.end(), [tail](const QByteArray &line) { return line.endsWith(tail); });
    };
    QVERIFY(endsWith(hostText(QStringLiteral("\\src\\main.c\r")).toLatin1()));
    QVERIFY(endsWith(hostText(QStringLiteral("\\include\\board.h\r")).toLatin1()));
    QVERIFY(!endsWith(".lib\r")); // not among the chosen extensions
}

// Real projects that begin include folders with $(Install_dir): Korrin lists
// it on the macro page, the value given there reaches Korrin, and the next
// start offers it again.
void EndToEndTest::macroValuesReachKorrinAndAreRemembered_data()
{
    QTest::addColumn<QString>("project");
    QTest::newRow("tone") << "TimeEscaper__TMS320VC5416-DSK-example__tone.pjt";
    QTest::newRow("TestAppDecoder") << "lab85-ru__ti-dvsdk_omapl138-evm_04_03_00_06__codecs-omapl138_4_02_00_00__"
                                       "packages__ti__sdo__codecs__h264dec__app__Client__Build__TestAppDecoder.pjt";
}

void EndToEndTest::macroValuesReachKorrinAndAreRemembered()
{
    QFETCH(QString, project);
    const QString path = QDir::toNativeSeparators(QStringLiteral(KORRIN_CORPUS "/pjt/") + project);
    if (!QFile::exists(path))
        QSKIP("the shared corpus is not there");
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    const QString installed = QStringLiteral("C:\\CCStudio_v3.3");
    {
        TICodeComposerConverter wizard;
        wizard.show();
        fillInAndGoToMacros(wizard, path);
        auto *table = child<QTableWidget>(wizard, "MacroValuesTable");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("$(Install_dir)"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("unresolved"));
        table->item(0, 1)->setText(installed);
        box(wizard, "CdbCheckBox")->setChecked(true);
        press(wizard, QWizard::NextButton);
        press(wizard, QWizard::FinishButton);
        QTRY_VERIFY_WITH_TIMEOUT(wizard.buttonText(QWizard::CancelButton) == QLatin1String("Close"), 60000);

        const QString output = detailsLog(wizard);
        QVERIFY2(!output.contains("Unresolved macro"), qPrintable(output));
        const QString warnings = output.section(QStringLiteral("Project Converted Successfully!\n"), 1);
        QVERIFY2(warnings.contains(QRegularExpression("^\\d+ warnings:\n")), qPrintable(warnings));
        QVERIFY(warnings.contains("  Not found - " + hostText(installed + "\\")));
        QDirIterator databases(cwd.file("out"), {"compile_commands.json"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(databases.hasNext());
    }
    TICodeComposerConverter restarted;
    restarted.show();
    fillInAndGoToMacros(restarted, path);
    auto *table = child<QTableWidget>(restarted, "MacroValuesTable");
    QCOMPARE(table->item(0, 1)->text(), installed);
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("typed by you"));
}

// The project's own path variable, naming its author's C:/ti, is offered
// with the project's value; the place typed instead reaches Korrin, which
// takes the project's files from there. Typed with / or with \, it gives the
// same outputs. The name proposed is Korrin's for the project, not its
// folder's.
void EndToEndTest::ownPathVariableOverriddenWithEitherSeparator()
{
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    writeProjectFromAnotherMachine(cwd);
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("ti"))); // no TI installs
    const QString sdk = QDir::fromNativeSeparators(cwd.file(QStringLiteral("sdk")));
    const QString korrinSdk = QString(sdk).replace(QLatin1Char('/'), QLatin1Char('\\'));
    QList<QMap<QString, QByteArray>> outputs;
    for (const QString &typed : {sdk, korrinSdk}) {
        QFile::remove(cwd.file(QStringLiteral("settings.txt")));
        QVERIFY(QDir(cwd.file(QStringLiteral("out"))).removeRecursively() && QDir(cwd.path()).mkdir(QStringLiteral("out")));
        TICodeComposerConverter wizard;
        wizard.show();
        edit(wizard, "TiFolderEdit")->setText(QStringLiteral("ti"));
        const QString project = QDir::toNativeSeparators(cwd.file(QStringLiteral("work")));
        wizard.openProject(project);
        QTRY_COMPARE_WITH_TIMEOUT(edit(wizard, "CorNameEdit")->text(), QStringLiteral("motor"), 60000);

        fillInAndGoToMacros(wizard, project);
        auto *table = child<QTableWidget>(wizard, "MacroValuesTable");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("${ORIGINAL_PROJECT_ROOT}"));
        QCOMPARE(table->item(0, 1)->text(), hostText(QStringLiteral("C:\\ti\\controlSUITE\\blink")));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("the project"));
        table->item(0, 1)->setText(typed);
        press(wizard, QWizard::NextButton);
        press(wizard, QWizard::FinishButton);
        QTRY_VERIFY_WITH_TIMEOUT(wizard.buttonText(QWizard::CancelButton) == QLatin1String("Close"), 60000);

        outputs << filesBelow(cwd.file(QStringLiteral("out")));
        const QList<QByteArray> lines = outputs.last().value(QStringLiteral("app.prj")).split('\n');
        QVERIFY2(lines.contains(QFile::encodeName(hostText(korrinSdk + "\\adc.c\r"))), qPrintable(typed));
    }
    QCOMPARE(outputs[0].keys(), outputs[1].keys());
    QVERIFY(outputs[0] == outputs[1]);
}

// A folder of two projects, none itself: the summary counts them and Korrin
// converts each below the destination, named after itself.
void EndToEndTest::convertsFolderOfProjects()
{
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    for (const QByteArray name : {"blink", "motor"}) {
        const QString folder = QStringLiteral("repository/boards/") + QString::fromLatin1(name);
        cwd.write(folder + "/.project",
                  "<projectDescription><name>" + name
                      + "</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures></projectDescription>\n");
        cwd.write(folder + "/.cproject", c2000Configuration("${PROJECT_ROOT}"));
        cwd.write(folder + "/main.c", "int main(void) { return 0; }\n");
    }
    TICodeComposerConverter wizard;
    wizard.show();
    edit(wizard, "CorProjectEdit")->setText(QStringLiteral("out"));
    QTest::keyClicks(edit(wizard, "TIProjectEdit"), QStringLiteral("repository"));
    QTest::keyClick(edit(wizard, "TIProjectEdit"), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.button(QWizard::NextButton)->isEnabled(), 60000); // once Korrin answered
    QVERIFY(child<QLabel>(wizard, "ProjectStatusText")->text().startsWith(
        "Holds 2 projects below it: " + QDir::toNativeSeparators("boards/blink, boards/motor.")));
    for (int page = 0; page < 3 && wizard.currentPage()->objectName() != QLatin1String("MacroPage"); ++page)
        press(wizard, QWizard::NextButton);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.button(QWizard::NextButton)->isEnabled(), 60000);
    press(wizard, QWizard::NextButton);
    QVERIFY2(detailsLog(wizard).startsWith("TI Code Composer Project:\nrepository\n2 projects below it"),
             qPrintable(detailsLog(wizard)));

    press(wizard, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(detailsLog(wizard).endsWith("Project Converted Successfully!"), 60000);
    QVERIFY2(detailsLog(wizard).contains("Projects Converted - 2, Failed - 0\n"), qPrintable(detailsLog(wizard)));
    for (const char *prj : {"out/boards/blink/blink.prj", "out/boards/motor/motor.prj"})
        QVERIFY2(QFile::exists(cwd.file(QString::fromLatin1(prj))), prj);
}

// A run without databases after one with them: the summary names the
// databases the first left, which the second would not write again, and
// removing them takes only those, not a file of the user's beside them.
void EndToEndTest::rerunNamesAndRemovesEarlierDatabases()
{
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    TICodeComposerConverter wizard;
    wizard.show();
    box(wizard, "CdbCheckBox")->setChecked(true);
    fillInAndGoToDetails(wizard, QDir::toNativeSeparators(QStringLiteral(KORRIN_EXAMPLE_PROJECT)));
    cwd.write(QStringLiteral("out/app/Debug/notes.txt"), "mine\n");
    QFile notes(cwd.file(QStringLiteral("out/app/Debug/notes.txt")));
    QVERIFY(notes.open(QIODevice::ReadWrite));
    QVERIFY(notes.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    notes.close();
    press(wizard, QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(detailsLog(wizard).contains("Project Converted Successfully!"), 60000);
    const QString database = QDir::toNativeSeparators(cwd.file(QStringLiteral("out/app/Debug/compile_commands.json")));
    QVERIFY(QFile::exists(database));

    press(wizard, QWizard::BackButton);
    box(wizard, "CdbCheckBox")->setChecked(false);
    press(wizard, QWizard::NextButton);
    const QString summary = detailsLog(wizard);
    const QString heading = "Left by an earlier conversion, not written by this one:\n";
    QVERIFY2(summary.contains(heading + database + "\n"), qPrintable(summary));
    QVERIFY(!summary.contains("notes.txt"));
    QAbstractButton *remove = wizard.button(QWizard::CustomButton2);
    QVERIFY(remove->isVisible());
    QCOMPARE(remove->text(), QStringLiteral("Remove Earlier Files"));

    const QStringList before = filesBelow(cwd.file(QStringLiteral("out"))).keys();
    QTest::mouseClick(remove, Qt::LeftButton);
    const QStringList after = filesBelow(cwd.file(QStringLiteral("out"))).keys();
    QVERIFY(!QFile::exists(database));
    QVERIFY(after.contains(QStringLiteral("app.prj")));
    QVERIFY(after.contains(QStringLiteral("app/Debug/notes.txt")));
    for (const QString &gone : before) {
        if (!after.contains(gone))
            QVERIFY2(gone.startsWith(QLatin1String("app/Debug/")) || gone.startsWith(QLatin1String("app/Release/")),
                     qPrintable(gone));
    }
    QVERIFY(!detailsLog(wizard).contains(heading));
    QVERIFY(!remove->isVisible());
}

// A folder that holds .pjt files is no project; the first page says why,
// names them, and Next stays off.
void EndToEndTest::folderOfPjtFilesIsNamedOnTheFirstPage()
{
    WorkingDirectory cwd;
    NoKorrinOnPath hidden;
    for (const char *name : {"pjt/lab2.pjt", "pjt/tone.pjt"})
        cwd.write(QLatin1String(name), "[Project Settings]\n");
    TICodeComposerConverter wizard;
    wizard.show();
    edit(wizard, "CorProjectEdit")->setText(QStringLiteral("out"));
    edit(wizard, "CorNameEdit")->setText(QStringLiteral("earlier"));
    QTest::keyClicks(edit(wizard, "TIProjectEdit"), QStringLiteral("pjt"));
    QTest::keyClick(edit(wizard, "TIProjectEdit"), Qt::Key_Return);
    auto *status = child<QLabel>(wizard, "ProjectStatusText");
    QTRY_VERIFY_WITH_TIMEOUT(!status->text().isEmpty(), 60000);
    QCOMPARE(status->text(), "Not a Code Composer Studio project: " + hostText(cwd.file("pjt").replace('/', '\\'))
                                 + " (no .project)\nIt holds lab2.pjt, tone.pjt: choose one of them.");
    QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
    press(wizard, QWizard::NextButton);
    QCOMPARE(wizard.currentId(), 0);
}

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
