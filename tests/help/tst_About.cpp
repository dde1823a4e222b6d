#include "TFAbout.h"

#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void versionLine_data();
    void versionLine();
    void showsTheVersionOfTheBuild();
};

void tst_About::versionLine_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("line");
    QTest::newRow("release") << QList<int>{2, 2, 1, 137} << u"Version: 2.2.1     Build: 137"_s;
    QTest::newRow("unknown") << QList<int>{0, 0, 0, 0} << u"Version: 0.0.0     Build: 0"_s;
    QTest::newRow("largest") << QList<int>{65535, 10, 0, 65535} << u"Version: 65535.10.0     Build: 65535"_s;
}

void tst_About::versionLine()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, line);
    QCOMPARE(TFAbout::versionLine(numbers[0], numbers[1], numbers[2], numbers[3]), line);
}

void tst_About::showsTheVersionOfTheBuild()
{
    TFAbout about;
    QCOMPARE(about.size(), QSize(281, 266));
    QCOMPARE(about.windowTitle(), u"About Numerillo"_s);
    const auto *version = about.findChild<QLabel *>(u"Label2"_s);
    QCOMPARE(version->text(), u"Version: " EXPECTED_VERSION "     Build: " EXPECTED_BUILD ""_s);
    QCOMPARE(version->pos(), QPoint(16, 84));
}

QTEST_MAIN(tst_About)
#include "tst_About.moc"
