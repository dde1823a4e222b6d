#include "AppDirFixture.h"
#include "Cp1252.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray English = Cp1252::encode(
    u"[PrintDlg]\r\nvQRRandSheetTitle=Random sums\r\nvQRRandSheetComment=Tables:\r\n"
    "vQROptions=Options\r\nvQRRandSheetCrossed=Swapped\r\nvQRRandSheetNotCrossed=Kept\r\n"
    "vQRRandSheetMult=From\r\nvQROtherSheetTitle=All tables\r\nvQROtherSheetComment=Fill them in\r\n"
    "vQRDateString=Printed on\r\nvQRPrintGridCaption=The grid\r\nvQRWeakSheetTitle=Weak facts\r\n"
    "vQRWeakSheetComment=Yours to practise\r\nvQRWeakFallback=Too few weak facts, so:\r\n"_s);
const QByteArray French = Cp1252::encode(
    u"[PrintDlg]\r\nvQRRandSheetTitle=Calculs au hasard\r\nvQRRandSheetComment=Tables :\r\n"
    "vQRDateString=Imprim\u00e9 le\r\nvQRPrintGridCaption=La grille\r\n"_s);
const QByteArray Settings = "[GLOBAL]\r\nLanguage=en\r\nRange=3\r\nOperation=1\r\n";
const QByteArray Choices = "4\r\n9\r\n";

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// A program folder holding a copy of the program, its texts and choices.
struct Program
{
    Program()
    {
        QFile::copy(QStringLiteral(NUMERILLO_EXECUTABLE), dir.path(u"numerillo"_s));
        dir.write(u"sys/multable.ini"_s, Settings);
        dir.write(u"sys/choices.txt"_s, Choices);
        dir.write(u"sys/en.lng"_s, English);
        dir.write(u"sys/fr.lng"_s, French);
        dir.write(u"sys/enOpSel.txt"_s, "Times\r\nShare\r\nBoth\r\nMixed\r\n");
        dir.write(u"sys/frOpSel.txt"_s, "Fois\r\nPartage\r\nLes deux\r\nM\xe9lange\r\n");
    }

    Run run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        process.setProcessEnvironment(environment);
        process.start(dir.path(u"numerillo"_s), arguments);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString pdf(const QString &name = u"out.pdf"_s) const { return dir.path(name); }

    AppDirFixture dir;
};

QStringList pdfPages(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList operations(const QString &page)
{
    static const QRegularExpression form(u"(\\d+) (x|:|\u00f7) (\\d+) = +____"_s);
    QStringList found;
    for (auto it = form.globalMatch(page); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

} // namespace

class tst_SheetCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheRandomSheet_data();
    void writesTheRandomSheet();
    void writesTheFixedSheets_data();
    void writesTheFixedSheets();
    void takesTheSavedChoicesAndChangesNoFile();
    void copiesAreFreshlyDrawn();
    void writesTheWeakFactSheet_data();
    void writesTheWeakFactSheet();
    void badArguments_data();
    void badArguments();
    void help();
    void unwritableTarget_data();
    void unwritableTarget();
};

void tst_SheetCommand::initTestCase()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QFAIL("pdftotext is missing: scripts/setup.sh --tests installs it (poppler-utils)");
}

void tst_SheetCommand::writesTheRandomSheet_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("shows");
    QTest::addColumn<QString>("sign");
    QTest::newRow("English, multiply")
        << QStringList{u"--tables"_s, u"2,5,7"_s, u"--operator"_s, u"multiply"_s}
        << QStringList{u"Random sums"_s, u"Tables: 2, 5, 7 *"_s, u"Kept"_s, u"From 3"_s, u"Times"_s}
        << u"x"_s;
    QTest::newRow("French, divide, from 6, crossed")
        << QStringList{u"--tables"_s, u"7,2"_s, u"--operator=divide"_s, u"--language"_s, u"fr"_s,
                       u"--from"_s, u"6"_s, u"--crossed"_s}
        << QStringList{u"Calculs au hasard"_s, u"Tables : 2, 7 *"_s, u"Partage"_s, u"Imprim\u00e9 le"_s}
        << u":"_s;
    QTest::newRow("German signs") << QStringList{u"--tables"_s, u"3"_s, u"--operator"_s, u"divide"_s, u"--language"_s, u"de"_s}
                                  << QStringList{} << u"\u00f7"_s;
}

void tst_SheetCommand::writesTheRandomSheet()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, shows);
    QFETCH(QString, sign);
    const Program program;
    const Run run = program.run(QStringList{u"--pdf"_s, program.pdf(), u"--sheet"_s, u"random"_s} + arguments);
    QCOMPARE(run.status, 0);
    const QStringList pages = pdfPages(program.pdf());
    QCOMPARE(pages.size(), 1);
    for (const QString &text : shows)
        QVERIFY2(pages[0].contains(text), qPrintable(text));
    const QStringList lines = operations(pages[0]);
    QCOMPARE(lines.size(), 72);
    for (const QString &line : lines)
        QCOMPARE(line.section(u' ', 1, 1), sign);
}

// Each of 1 x 7 to 12 x 7 answered wrong once today: twelve weak facts.
QByteArray weakSevens()
{
    QByteArray history = "date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms\r\n";
    const QByteArray today = QDate::currentDate().toString(u"yyyy-MM-dd"_s).toLatin1();
    for (int multiplicator = 1; multiplicator <= 12; ++multiplicator)
        history += today + "\t10:00:00\t7\t" + QByteArray::number(multiplicator) + "\tx\t1\twrong\t2000\r\n";
    return history;
}

void tst_SheetCommand::writesTheWeakFactSheet_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<QStringList>("shows");
    QTest::addColumn<QString>("absent");
    QTest::newRow("twelve weak facts") << weakSevens() << QStringList{u"Weak facts"_s, u"Yours to practise"_s}
                                       << u"Too few"_s;
    QTest::newRow("no history") << QByteArray()
                                << QStringList{u"Weak facts"_s, u"Too few weak facts, so: 4, 9 *"_s}
                                << u"Yours to practise"_s;
}

// Drawn from the weak facts and their families (7 x 8 brings 8 x 7, 56 ÷ 7
// and 56 ÷ 8), or from the saved tables when too few facts are weak; the
// history is only read.
void tst_SheetCommand::writesTheWeakFactSheet()
{
    QFETCH(QByteArray, history);
    QFETCH(QStringList, shows);
    QFETCH(QString, absent);
    const Program program;
    if (!history.isEmpty())
        program.dir.write(u"sys/history.txt"_s, history);
    const Run run = program.run({u"--pdf"_s, program.pdf(), u"--sheet"_s, u"weak"_s, u"--copies"_s, u"2"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(program.dir.read(u"sys/history.txt"_s), history);
    const QStringList pages = pdfPages(program.pdf());
    QCOMPARE(pages.size(), 2);
    for (const QString &page : pages) {
        for (const QString &text : shows)
            QVERIFY2(page.contains(text), qPrintable(text));
        QVERIFY(!page.contains(absent));
        const QStringList lines = operations(page);
        QCOMPARE(lines.size(), 72);
        for (const QString &line : lines) {
            const int first = line.section(u' ', 0, 0).toInt();
            const int second = line.section(u' ', 2, 2).toInt();
            const bool divides = line.section(u' ', 1, 1) != u"x"_s;
            const QList<int> factors = divides ? QList<int>{second, first / second} : QList<int>{first, second};
            const QList<int> wanted = history.isEmpty() ? QList<int>{4, 9} : QList<int>{7};
            QVERIFY2(std::any_of(factors.begin(), factors.end(), [&](int f) { return wanted.contains(f); }),
                     qPrintable(line));
        }
    }
}

void tst_SheetCommand::writesTheFixedSheets_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("shows");
    QTest::addColumn<QString>("absent");
    QTest::newRow("with") << u"with"_s << QStringList{u"All tables"_s, u"12 x 12 = 144"_s, u"Printed on"_s} << u"Fill them in"_s;
    QTest::newRow("without") << u"without"_s << QStringList{u"All tables"_s, u"Fill them in"_s, u"12 x 12 ="_s} << u"= 144"_s;
    QTest::newRow("grid") << u"grid"_s << QStringList{u"The grid"_s, u"144"_s, u"Numerillo"_s} << u"All tables"_s;
}

void tst_SheetCommand::writesTheFixedSheets()
{
    QFETCH(QString, sheet);
    QFETCH(QStringList, shows);
    QFETCH(QString, absent);
    const Program program;
    QCOMPARE(program.run({u"--sheet"_s, sheet, u"--pdf"_s, program.pdf()}).status, 0);
    const QStringList pages = pdfPages(program.pdf());
    QCOMPARE(pages.size(), 1);
    for (const QString &text : shows)
        QVERIFY2(pages[0].contains(text), qPrintable(text));
    QVERIFY(!pages[0].contains(absent));
}

// The saved tables 4 and 9, the saved smallest multiplicator 3 and operator
// (divide) and language; neither the settings nor the choice are written.
void tst_SheetCommand::takesTheSavedChoicesAndChangesNoFile()
{
    const Program program;
    QCOMPARE(program.run({u"--pdf"_s, program.pdf(), u"--sheet"_s, u"random"_s}).status, 0);
    const QString page = pdfPages(program.pdf()).value(0);
    QVERIFY(page.contains(u"Tables: 4, 9 *"_s));
    QVERIFY(page.contains(u"From 3"_s));
    QVERIFY(page.contains(u"Share"_s));
    for (const QString &line : operations(page)) {
        const int table = line.section(u' ', 2, 2).toInt();
        QVERIFY(table == 4 || table == 9);
        QVERIFY(line.section(u' ', 0, 0).toInt() / table >= 3);
    }
    QCOMPARE(program.dir.read(u"sys/multable.ini"_s), Settings);
    QCOMPARE(program.dir.read(u"sys/choices.txt"_s), Choices);
}

void tst_SheetCommand::copiesAreFreshlyDrawn()
{
    const Program program;
    QCOMPARE(program.run({u"--pdf"_s, program.pdf(), u"--sheet"_s, u"random"_s, u"--copies"_s, u"3"_s,
                          u"--tables"_s, u"2,3,4,5,6,7,8,9"_s})
                 .status,
             0);
    const QStringList pages = pdfPages(program.pdf());
    QCOMPARE(pages.size(), 3);
    QCOMPARE(operations(pages[0]).size(), 72);
    QCOMPARE(operations(pages[2]).size(), 72);
    QCOMPARE_NE(operations(pages[0]), operations(pages[1]));
    QCOMPARE_NE(operations(pages[1]), operations(pages[2]));
}

void tst_SheetCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("tables out of range") << QStringList{u"--sheet"_s, u"random"_s, u"--tables"_s, u"0,13,x"_s};
    QTest::newRow("table not a number") << QStringList{u"--sheet"_s, u"random"_s, u"--tables"_s, u"2,x"_s};
    QTest::newRow("unknown sheet") << QStringList{u"--sheet"_s, u"answers"_s};
    QTest::newRow("no sheet") << QStringList{};
    QTest::newRow("unknown operator") << QStringList{u"--sheet"_s, u"random"_s, u"--operator"_s, u"plus"_s};
    QTest::newRow("from 0") << QStringList{u"--sheet"_s, u"random"_s, u"--from"_s, u"0"_s};
    QTest::newRow("from 13") << QStringList{u"--sheet"_s, u"random"_s, u"--from"_s, u"13"_s};
    QTest::newRow("no copies") << QStringList{u"--sheet"_s, u"grid"_s, u"--copies"_s, u"0"_s};
    QTest::newRow("unknown language") << QStringList{u"--sheet"_s, u"grid"_s, u"--language"_s, u"xx"_s};
    QTest::newRow("unknown option") << QStringList{u"--sheet"_s, u"grid"_s, u"--colour"_s};
    QTest::newRow("missing value") << QStringList{u"--sheet"_s};
    QTest::newRow("stray argument") << QStringList{u"--sheet"_s, u"grid"_s, u"extra"_s};
}

void tst_SheetCommand::badArguments()
{
    QFETCH(QStringList, arguments);
    const Program program;
    const Run run = program.run(QStringList{u"--pdf"_s, program.pdf()} + arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(u"numerillo: "_s), qPrintable(run.err));
    QCOMPARE(run.err.section(u'\n', 1, 1).left(6), u"usage:"_s);
    QVERIFY(!QFile::exists(program.pdf()));
    QCOMPARE(program.dir.read(u"sys/multable.ini"_s), Settings);
}

void tst_SheetCommand::help()
{
    const Program program;
    const Run run = program.run({u"--help"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith(u"usage: numerillo --pdf FILE"_s));
}

void tst_SheetCommand::unwritableTarget_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("missing folder") << u"missing"_s << false;
    QTest::newRow("read-only folder") << u"locked"_s << true;
}

void tst_SheetCommand::unwritableTarget()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    if (readOnly && geteuid() == 0)
        QSKIP("Folders are always writable for root");
    const Program program;
    const QString target = program.dir.path(folder + u"/out.pdf"_s);
    if (readOnly) {
        QVERIFY(QDir().mkpath(program.dir.path(folder)));
        QFile::setPermissions(program.dir.path(folder), QFile::ReadOwner | QFile::ExeOwner);
    }
    const Run run = program.run({u"--pdf"_s, target, u"--sheet"_s, u"grid"_s});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.startsWith(u"numerillo: cannot write"_s));
    QCOMPARE(run.err.count(u'\n'), 1);
    if (readOnly) {
        QCOMPARE(QDir(program.dir.path(folder)).entryList(QDir::Files | QDir::Hidden), QStringList());
        QFile::setPermissions(program.dir.path(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QVERIFY(!QFile::exists(target));
}

QTEST_GUILESS_MAIN(tst_SheetCommand)
#include "tst_SheetCommand.moc"
