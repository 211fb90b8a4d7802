// How each project of a run of many went, read from Korrin's lines, and the
// report made of it.

#include <QTest>

#include "batchresults.h"

namespace {

const QString completed = QStringLiteral("Corvel/Corvel++ Project Completed!");

QString start(const QString &project)
{
    return QStringLiteral("Converting Project - /r/") + project;
}

} // namespace

class BatchResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void report_data();
    void report();
};

void BatchResultsTest::report_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("report");

    QTest::newRow("all converted")
        << QStringList{start("a"), "Creating Corvel/Corvel++ Project ...", "  Not found - /x", completed,
                       "Projects Converted - 1, Failed - 0"}
        << "Converted 1 of 1 projects.";
    QTest::newRow("failed before writing")
        << QStringList{start("a"), completed, start("b"), "Malformed project file: /r/b/.project:3:2", start("c"),
                       completed, "Projects Converted - 2, Failed - 1"}
        << "Converted 2 of 3 projects.\nNot converted:\nb: Malformed project file: /r/b/.project:3:2";
    QTest::newRow("failed while writing, last, before the folder's database")
        << QStringList{start("a"), "Creating Corvel/Corvel++ Project ...", "  Creating Group - a",
                       "Could not write file: /out/a.prj", "Creating Compilation Database - /out/compile_commands.json",
                       "Projects Converted - 0, Failed - 1"}
        << "Converted 0 of 1 projects.\nNot converted:\na: Could not write file: /out/a.prj";
    QStringList many;
    for (const char *name : {"p1", "p2", "p3", "p4", "p5", "p6", "p7"})
        many << start(QLatin1String(name)) << QStringLiteral("Not a Code Composer Studio project: x");
    QTest::newRow("the first five, then how many more")
        << many
        << "Converted 0 of 7 projects.\nNot converted:\np1: Not a Code Composer Studio project: x\n"
           "p2: Not a Code Composer Studio project: x\np3: Not a Code Composer Studio project: x\n"
           "p4: Not a Code Composer Studio project: x\np5: Not a Code Composer Studio project: x\nand 2 more";
}

void BatchResultsTest::report()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, report);
    BatchResults results;
    for (const QString &line : lines)
        results.note(line);
    QCOMPARE(batchReport(results, QStringLiteral("/r")), report);
}

QTEST_APPLESS_MAIN(BatchResultsTest)
#include "tst_batchresults.moc"
