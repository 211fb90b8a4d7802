// "settings.txt": the personality paths, the TI folder and the macro values
// typed for each project, read at start and written after every converter
// exit, in the current directory.

#include <QDir>
#include <QProcess>
#include <QTableWidget>
#include <QTest>

#include "wizardtest.h"

namespace {

constexpr int timeout = 20000;

// Lets a conversion run to its end with a stand-in that exits with status.
void runConversion(TICodeComposerConverter &wizard, int status)
{
    StandInKorrin korrin("", "", status);
    korrin.release();
    if (status != 0)
        onNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->accept(); });
    press(wizard, QWizard::FinishButton);
    QProcess *converter = wizard.findChildren<QProcess *>().last();
    QTRY_COMPARE_WITH_TIMEOUT(converter->state(), QProcess::NotRunning, timeout);
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

// The value, and where it comes from, of the one macro the macro page shows
// for project.
QStringList offeredOnMacroPage(TICodeComposerConverter &wizard, const QString &project)
{
    while (wizard.currentId() > 0)
        wizard.back();
    fillInAndGoToMacros(wizard, project);
    auto *table = child<QTableWidget>(wizard, "MacroValuesTable");
    return {table->item(0, 1)->text(), table->item(0, 2)->text()};
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void read_data();
    void read();
    void readPathsAreChecked();
    void writtenAfterEveryExit();
    void emptiedFieldsDropTheirEntries();
    void followsTheWorkingDirectory();
    void filesOfTodaysReleaseLoad_data();
    void filesOfTodaysReleaseLoad();
    void typedValuesBelongToTheirProject();

private:
    std::unique_ptr<WorkingDirectory> cwd;
};

void SettingsTest::init()
{
    cwd = std::make_unique<WorkingDirectory>();
}

void SettingsTest::cleanup()
{
    cwd.reset();
}

void SettingsTest::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields"); // message, analyser, compiler

    const QByteArray full = "Message Personality:\nm.p_s\n\nAnalyser Personality:\na.p_a\n\n"
                            "Compiler Personality:\nc.p_c\n\n";
    QTest::newRow("LF") << full << QStringList{"m.p_s", "a.p_a", "c.p_c"};
    QTest::newRow("CR LF") << QByteArray(full).replace("\n", "\r\n") << QStringList{"m.p_s", "a.p_a", "c.p_c"};
    QTest::newRow("repeated key, the last wins")
        << QByteArray("Compiler Personality:\nold.p_c\nCompiler Personality:\nnew.p_c\n") << QStringList{"", "", "new.p_c"};
    QTest::newRow("key on the last line") << QByteArray("Message Personality:\nm.p_s\nCompiler Personality:")
                                          << QStringList{"m.p_s", "", ""};
    QTest::newRow("keys compared exactly")
        << QByteArray("message personality:\nx\nMessage Personality: \ny\n Analyser Personality:\nz\n")
        << QStringList{"", "", ""};
    QTest::newRow("value taken verbatim")
        << QByteArray("Message Personality:\nCompiler Personality:\nc.p_c\nAnalyser Personality:\n  a b.p_a \n")
        << QStringList{"Compiler Personality:", "  a b.p_a ", ""};
    QTest::newRow("other lines skipped") << QByteArray("# notes\n\nAnalyser Personality:\na.p_a\nend\n")
                                         << QStringList{"", "a.p_a", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", ""};
}

void SettingsTest::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);

    cwd->write(QStringLiteral("settings.txt"), file);
    TICodeComposerConverter wizard;
    QCOMPARE(edit(wizard, "MsgPersonEdit")->text(), fields[0]);
    QCOMPARE(edit(wizard, "AnalPersonEdit")->text(), fields[1]);
    QCOMPARE(edit(wizard, "CmpPersonEdit")->text(), fields[2]);
}

void SettingsTest::readPathsAreChecked()
{
    cwd->write(QStringLiteral("settings.txt"), "Message Personality:\ngone.p_s\n\nCompiler Personality:\nmissing.p_c\n\n");
    TICodeComposerConverter wizard;
    wizard.show();
    QCOMPARE(textColour(edit(wizard, "MsgPersonEdit")), QColor(Qt::red));
    QCOMPARE(textColour(edit(wizard, "CmpPersonEdit")), QColor(Qt::red));
    edit(wizard, "TIProjectEdit")->setText(QStringLiteral("app.pjt"));
    edit(wizard, "CorProjectEdit")->setText(QStringLiteral("out"));
    edit(wizard, "CorNameEdit")->setText(QStringLiteral("app"));
    press(wizard, QWizard::NextButton);
    QCOMPARE(wizard.currentId(), 1);
    QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
}

void SettingsTest::writtenAfterEveryExit()
{
    for (const char *name : {"m.p_s", "a.p_a", "c.p_c"})
        cwd->write(QLatin1String(name), "");
    TICodeComposerConverter wizard;
    wizard.show();
    edit(wizard, "MsgPersonEdit")->setText(QStringLiteral("m.p_s"));
    edit(wizard, "AnalPersonEdit")->setText(QStringLiteral("a.p_a"));
    edit(wizard, "CmpPersonEdit")->setText(QStringLiteral("c.p_c"));
    fillInAndGoToDetails(wizard);

    const QByteArray all = "Message Personality:\nm.p_s\n\nAnalyser Personality:\na.p_a\n\nCompiler Personality:\nc.p_c\n\n"
                           "Destination Folder:\nout\n\n";
    runConversion(wizard, 0);
    QCOMPARE(cwd->read(QStringLiteral("settings.txt")), all);

    cwd->write(QStringLiteral("settings.txt"), "stale\n");
    press(wizard, QWizard::BackButton);
    press(wizard, QWizard::NextButton);
    runConversion(wizard, 1);
    QCOMPARE(cwd->read(QStringLiteral("settings.txt")), all);
}

void SettingsTest::emptiedFieldsDropTheirEntries()
{
    cwd->write(QStringLiteral("m.p_s"), "");
    cwd->write(QStringLiteral("a.p_a"), "");
    cwd->write(QStringLiteral("settings.txt"),
               "Message Personality:\nm.p_s\n\nAnalyser Personality:\na.p_a\n\nCompiler Personality:\n\n");
    {
        TICodeComposerConverter wizard;
        wizard.show();
        edit(wizard, "AnalPersonEdit")->clear();
        fillInAndGoToDetails(wizard);
        runConversion(wizard, 1);
        QCOMPARE(cwd->read(QStringLiteral("settings.txt")),
                 QByteArray("Message Personality:\nm.p_s\n\nDestination Folder:\nout\n\n"));

        press(wizard, QWizard::BackButton);
        press(wizard, QWizard::BackButton);
        edit(wizard, "MsgPersonEdit")->clear();
        fillInAndGoToDetails(wizard);
        edit(wizard, "CorProjectEdit")->clear();
        runConversion(wizard, 1);
        QCOMPARE(cwd->read(QStringLiteral("settings.txt")), QByteArray());
    }
    TICodeComposerConverter restarted;
    QVERIFY(edit(restarted, "MsgPersonEdit")->text().isEmpty());
    QVERIFY(edit(restarted, "AnalPersonEdit")->text().isEmpty());
}

void SettingsTest::followsTheWorkingDirectory()
{
    cwd->write(QStringLiteral("settings.txt"), "Analyser Personality:\nhere.p_a\n");
    QVERIFY(QDir(cwd->path()).mkdir(QStringLiteral("other")));
    cwd->write(QStringLiteral("other/settings.txt"), "Analyser Personality:\nthere.p_a\n");

    TICodeComposerConverter here;
    QVERIFY(QDir::setCurrent(cwd->file(QStringLiteral("other"))));
    TICodeComposerConverter there;
    QVERIFY(QDir::setCurrent(cwd->path()));
    QCOMPARE(edit(here, "AnalPersonEdit")->text(), QStringLiteral("here.p_a"));
    QCOMPARE(edit(there, "AnalPersonEdit")->text(), QStringLiteral("there.p_a"));
}

void SettingsTest::filesOfTodaysReleaseLoad_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray file = "Message Personality:\nm.p_s\n\nCompiler Personality:\nc.p_c\n\n"
                            "Build Macro:\nInstall_dir=C:\\CCStudio_v3.3\n\nBuild Macro:\nBIOS_DIR=C:\\bios\n\n";
    QTest::newRow("LF") << file;
    QTest::newRow("CR LF") << QByteArray(file).replace("\n", "\r\n");
}

// The personalities load as they did; the macro values, tied to no project,
// are given to none, and stay in the file as they were.
void SettingsTest::filesOfTodaysReleaseLoad()
{
    QFETCH(QByteArray, file);
    cwd->write(QStringLiteral("m.p_s"), "");
    cwd->write(QStringLiteral("c.p_c"), "");
    cwd->write(QStringLiteral("settings.txt"), file);
    StandInKorrin korrin("", "", 0);
    korrin.listMacros("$(Install_dir)\n");
    TICodeComposerConverter wizard;
    wizard.show();
    QCOMPARE(edit(wizard, "MsgPersonEdit")->text(), QStringLiteral("m.p_s"));
    QCOMPARE(edit(wizard, "CmpPersonEdit")->text(), QStringLiteral("c.p_c"));
    QCOMPARE(offeredOnMacroPage(wizard, QStringLiteral("app.pjt")), QStringList({"", "unresolved"}));

    press(wizard, QWizard::NextButton);
    runConversion(wizard, 0);
    QByteArray written = QByteArray(file).replace("\r", "");
    written.insert(written.indexOf("Build Macro:"), "Destination Folder:\nout\n\n");
    QCOMPARE(cwd->read(QStringLiteral("settings.txt")), written);
}

// A value typed for one project is offered again for that project, given by
// any of its paths, and never for another, in the same session or the next.
void SettingsTest::typedValuesBelongToTheirProject()
{
    cwd->write(QStringLiteral("other.pjt"), "");
    cwd->write(QStringLiteral("motor/.project"), "");
    StandInKorrin korrin("", "", 0);
    korrin.listMacros("$(Install_dir)\n");
    const QStringList typed{"C:\\CCS", "typed by you"};
    const QStringList none{"", "unresolved"};
    {
        TICodeComposerConverter wizard;
        wizard.show();
        offeredOnMacroPage(wizard, QStringLiteral("app.pjt"));
        child<QTableWidget>(wizard, "MacroValuesTable")->item(0, 1)->setText(typed[0]);
        QCOMPARE(offeredOnMacroPage(wizard, QStringLiteral("other.pjt")), none);
        QCOMPARE(offeredOnMacroPage(wizard, cwd->file(QStringLiteral("app.pjt"))), typed);

        offeredOnMacroPage(wizard, QStringLiteral("motor"));
        child<QTableWidget>(wizard, "MacroValuesTable")->item(0, 1)->setText(typed[0]);
        QCOMPARE(offeredOnMacroPage(wizard, QStringLiteral("motor/.project")), typed);
        press(wizard, QWizard::NextButton);
        runConversion(wizard, 0);
    }
    TICodeComposerConverter restarted;
    restarted.show();
    QCOMPARE(offeredOnMacroPage(restarted, QStringLiteral("other.pjt")), none);
    QCOMPARE(offeredOnMacroPage(restarted, QStringLiteral("app.pjt")), typed);
    QCOMPARE(offeredOnMacroPage(restarted, QStringLiteral("motor")), typed);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
