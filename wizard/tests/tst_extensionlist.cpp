// The "-ext" list built from the chosen extensions and the custom list.

#include <QTest>

#include "extensionlist.h"

class ExtensionListTest : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
};

void ExtensionListTest::build_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("list");

    QTest::newRow("nothing") << QStringList() << "" << "";
    QTest::newRow("boxes only") << QStringList{"cpp", "h"} << "" << "cpp,h";
    QTest::newRow("custom only") << QStringList() << "res,xml" << "res,xml";
    QTest::newRow("boxes then custom") << QStringList{"cpp", "cc"} << "res,xml" << "cpp,cc,res,xml";
    QTest::newRow("custom trailing comma") << QStringList{"cpp"} << "res," << "cpp,res";
    QTest::newRow("one comma removed only") << QStringList{"cpp"} << ",," << "cpp,,";
    QTest::newRow("lone comma") << QStringList() << "," << "";
    QTest::newRow("spaces kept") << QStringList() << " cpp, cxx " << " cpp, cxx ";
    QTest::newRow("dots kept") << QStringList{"c"} << ".res" << "c,.res";
}

void ExtensionListTest::build()
{
    QFETCH(QStringList, checked);
    QFETCH(QString, custom);
    QFETCH(QString, list);
    QCOMPARE(buildExtensionList(checked, custom), list);
}

QTEST_APPLESS_MAIN(ExtensionListTest)
#include "tst_extensionlist.moc"
