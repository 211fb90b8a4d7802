// The wizard driving the real Korrin, which lies beside the test executable
// as it lies beside an installed wizard, on the bundled example project.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <optional>

#include "wizardtest.h"

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsBundledExample_data();
    void convertsBundledExample();
    void macroValuesReachKorrinAndAreRemembered_data();
    void macroValuesReachKorrinAndAreRemembered();
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
    QVERIFY(endsWith("\\src\\main.c\r"));
    QVERIFY(endsWith("\\include\\board.h\r"));
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
        QVERIFY(warnings.contains("  Not found - " + installed + "\\"));
        QDirIterator databases(cwd.file("out"), {"compile_commands.json"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(databases.hasNext());
    }
    TICodeComposerConverter restarted;
    restarted.show();
    fillInAndGoToMacros(restarted, path);
    auto *table = child<QTableWidget>(restarted, "MacroValuesTable");
    QCOMPARE(table->item(0, 1)->text(), installed);
    QCOMPARE(table->item(0, 2)->text(), QString());
}

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
