// The wizard driving the real Korrin, which lies beside the test executable
// as it lies beside an installed wizard, on the bundled example project.

#include <QFile>
#include <QTest>
#include <optional>

#include "wizardtest.h"

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsBundledExample_data();
    void convertsBundledExample();
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
    fillInAndGoToDetails(wizard, QStringLiteral(KORRIN_EXAMPLE_PROJECT));
    QVERIFY(detailsLog(wizard).endsWith("File Extensions:\nc,h\n"));

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

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
