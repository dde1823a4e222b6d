#include "AppDirFixture.h"
#include "Cp1252.h"
#include "FakePrintOutput.h"
#include "MessageRecorder.h"
#include "TFCalculator.h"
#include "TFProgress.h"
#include "TFStart.h"
#include "TPrintDlg.h"
#include "WindowSet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <unistd.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Texts = Cp1252::encode(
    u"[PrintDlg]\r\nvPrintDlgCaption=What to print?\r\nvRandomRBCaption=&Random\r\n"
    "vNoAnswerRBCaption=&Without\r\nvWithAnswerRBCaption=Wit&h\r\nvGridRBCaption=&Grid\r\n"
    "vRadioGroup1Caption=Print on\r\nvRG1Item0Lbl=&Screen\r\nvRG1Item1Lbl=P&aper\r\n"
    "vPrintBtnCaption=&Print\r\nvCancelBtnCaption=&Cancel\r\nvQRRandSheetTitle=Random sums\r\n"
    "vQRRandSheetComment=Tables:\r\nvQROptions=Options\r\nvQRRandSheetCrossed=Swapped\r\n"
    "vQRRandSheetNotCrossed=Kept\r\nvQRRandSheetMult=From\r\nvQROtherSheetTitle=All tables\r\n"
    "vQROtherSheetComment=Fill them in\r\nvQRDateString=Printed on\r\nvQRPrintGridCaption=The grid\r\n"
    "vNoPrinterMsg=No printer here.\r\nvPrintFailedMsg=Printer %s failed.\r\nvSavePdfBtn=Save PDF\r\n"
    "vQRWeakSheetTitle=Weak facts\r\nvQRWeakSheetComment=Yours to practise\r\n"
    "vQRWeakFallback=Too few weak facts, so:\r\n"_s);
const QByteArray Operators = "Times\r\nShare\r\nBoth\r\nMixed\r\n";

// A program folder with English texts and operators, and the program made
// from it; every output goes to the recording print output.
struct Program
{
    explicit Program(const QByteArray &settings = "[GLOBAL]\r\nLanguage=en\r\n",
                     const QByteArray &language = Texts)
    {
        dir.write(u"sys/multable.ini"_s, settings);
        dir.write(u"sys/en.lng"_s, language);
        dir.write(u"sys/enOpSel.txt"_s, Operators);
        dir.write(u"sys/frOpSel.txt"_s, Operators);
    }

    bool start()
    {
        windows = std::make_unique<WindowSet>(dir.path());
        return windows->create();
    }

    TPrintDlg *dialog() const { return windows->PrintDlg; }
    template<typename T>
    T *control(const QString &name) const { return dialog()->findChild<T *>(name); }

    // Ticks the tables in the start window, presses its print button and
    // runs `inside` while the dialog is open; the dialog is closed after it.
    void print(const QList<int> &tables, const std::function<void()> &inside)
    {
        for (int table : tables)
            windows->FStart->findChild<QCheckBox *>(u"CheckBox%1"_s.arg(table))->setChecked(true);
        QTimer::singleShot(0, dialog(), [this, inside] {
            inside();
            if (dialog()->isVisible())
                dialog()->reject();
        });
        QTest::mouseClick(windows->FStart->findChild<QPushButton *>(u"BitBtn5"_s), Qt::LeftButton);
    }
    // Ticks the tables, opens the progress window from the start window's
    // menu and presses its worksheet button.
    void printWeakFacts(const QList<int> &tables)
    {
        for (int table : tables)
            windows->FStart->findChild<QCheckBox *>(u"CheckBox%1"_s.arg(table))->setChecked(true);
        TFProgress *progress = windows->FProgress;
        QTimer::singleShot(0, progress, [progress] {
            QTest::mouseClick(progress->findChild<QPushButton *>(u"WeakSheetBtn"_s), Qt::LeftButton);
            progress->close();
        });
        windows->FStart->findChild<QAction *>(u"Progress1"_s)->trigger();
    }
    void click(const QString &name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void choose(const QString &sheet, bool paper) const
    {
        control<QRadioButton>(sheet)->click();
        control<QRadioButton>(paper ? u"RadioGroup1Item1"_s : u"RadioGroup1Item0"_s)->click();
    }

    AppDirFixture dir;
    MessageRecorder recorder;
    FakePrintOutput output;
    std::unique_ptr<WindowSet> windows;
};

QStringList operationLines(const QStringList &texts)
{
    static const QRegularExpression form(u"^\\d+ (x|:|\u00f7) \\d+ =  ____$"_s);
    QStringList lines;
    for (const QString &text : texts)
        if (form.match(text).hasMatch())
            lines << text;
    return lines;
}

const QByteArray HistoryHeader = "date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms\r\n";

// Today's answers to table x multiplicator for each multiplicator, each with
// `verdict`.
QByteArray answers(int table, const QList<int> &multiplicators, const QByteArray &verdict)
{
    const QByteArray today = QDate::currentDate().toString(u"yyyy-MM-dd"_s).toLatin1();
    QByteArray text;
    for (int multiplicator : multiplicators)
        text += today + "\t10:00:00\t" + QByteArray::number(table) + '\t' + QByteArray::number(multiplicator)
                + "\tx\t1\t" + verdict + "\t1500\r\n";
    return text;
}

QList<int> upTo(int last)
{
    QList<int> numbers;
    for (int n = 1; n <= last; ++n)
        numbers << n;
    return numbers;
}

// The two factors of an operation line, whichever way it is written.
std::pair<int, int> factors(const QString &line)
{
    const int first = line.section(u' ', 0, 0).toInt();
    const int second = line.section(u' ', 2, 2).toInt();
    if (line.section(u' ', 1, 1) == u"x"_s)
        return {first, second};
    return {first / second, second};
}

} // namespace

class tst_PrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsItsTexts();
    void operatorListIsAChoiceOnly();
    void storedOperatorBeforeTheDrill_data();
    void storedOperatorBeforeTheDrill();
    void drillOperatorOnceTheDrillWasShown();
    void readOnlySettingsGoOn();
    void missingOperatorListFallsBackToEnglish();
    void randomSheetOnScreen();
    void fixedSheets_data();
    void fixedSheets();
    void paperGoesToThePrinter();
    void noPrinter();
    void printerError();
    void cancelProducesNothing();
    void choicesStayForTheRun();
    void missingSectionLeavesTextsEmpty();
    void weakFactSheetFromTheProgressWindow();
    void weakFactSheetFallsBackToTheTickedTables();
};

void tst_PrintDialog::showsItsTexts()
{
    Program program;
    QVERIFY(program.start());
    program.print({2}, [&] {
        QCOMPARE(program.dialog()->windowTitle(), u"What to print?"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioButton3"_s)->text(), u"&Random"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioButton2"_s)->text(), u"&Without"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioButton1"_s)->text(), u"Wit&h"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioButton4"_s)->text(), u"&Grid"_s);
        QCOMPARE(program.control<QGroupBox>(u"RadioGroup1"_s)->title(), u"Print on"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioGroup1Item0"_s)->text(), u"&Screen"_s);
        QCOMPARE(program.control<QRadioButton>(u"RadioGroup1Item1"_s)->text(), u"P&aper"_s);
        QCOMPARE(program.control<QPushButton>(u"OKBtn"_s)->text(), u"&Print"_s);
        QCOMPARE(program.control<QPushButton>(u"CancelBtn"_s)->text(), u"&Cancel"_s);
        QVERIFY(program.control<QPushButton>(u"OKBtn"_s)->isDefault());
        QVERIFY(program.control<QRadioButton>(u"RadioButton3"_s)->isChecked());
        QVERIFY(program.control<QRadioButton>(u"RadioGroup1Item0"_s)->isChecked());
    });
    QVERIFY(program.recorder.messages.isEmpty());
}

void tst_PrintDialog::operatorListIsAChoiceOnly()
{
    Program program;
    QVERIFY(program.start());
    program.print({2}, [&] {
        auto *box = program.control<QComboBox>(u"OperBox"_s);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->itemText(3), u"Mixed"_s);
    });
}

void tst_PrintDialog::storedOperatorBeforeTheDrill_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("afterwards");
    const QByteArray head = "; kept as it is\r\n[GLOBAL]\r\nLanguage=en\r\n";
    const QByteArray tail = "Range=3\r\n[CALCULS]\r\nInversion=0\r\n";
    QTest::newRow("alternate") << head + "Operation=2\r\n" + tail << 2 << head + "Operation=2\r\n" + tail;
    QTest::newRow("missing") << head + tail << 0 << head + tail;
    QTest::newRow("nine") << head + "Operation=9\r\n" + tail << 0 << head + "Operation=0\r\n" + tail;
    QTest::newRow("minus one") << head + "Operation=-1\r\n" + tail << 0 << head + "Operation=0\r\n" + tail;
    QTest::newRow("text") << head + "Operation=divide\r\n" + tail << 0 << head + "Operation=0\r\n" + tail;
}

// Read from the file, and set right in it, at every opening until the drill
// window has been shown; the operator picked in the dialog is never written.
void tst_PrintDialog::storedOperatorBeforeTheDrill()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, selected);
    QFETCH(QByteArray, afterwards);
    Program program(stored);
    QVERIFY(program.start());
    program.print({2}, [&] {
        auto *box = program.control<QComboBox>(u"OperBox"_s);
        QCOMPARE(box->currentIndex(), selected);
        QCOMPARE(program.dir.read(u"sys/multable.ini"_s), afterwards);
        box->setCurrentIndex(3);
        program.click(u"CancelBtn"_s);
    });
    QCOMPARE(program.dir.read(u"sys/multable.ini"_s), afterwards);
    program.dir.write(u"sys/multable.ini"_s, stored);
    program.print({}, [&] { QCOMPARE(program.control<QComboBox>(u"OperBox"_s)->currentIndex(), selected); });
    QVERIFY(program.recorder.messages.isEmpty());
}

void tst_PrintDialog::drillOperatorOnceTheDrillWasShown()
{
    const QByteArray settings = "[GLOBAL]\r\nLanguage=en\r\nOperation=1\r\n";
    Program program(settings);
    QVERIFY(program.start());
    program.print({2}, [&] { QCOMPARE(program.control<QComboBox>(u"OperBox"_s)->currentIndex(), 1); });

    TFCalculator *drill = program.windows->FCalculator;
    drill->show();
    QCoreApplication::processEvents();
    drill->findChild<QComboBox *>(u"OpSel"_s)->setCurrentIndex(3);
    drill->hide();
    program.print({}, [&] { QCOMPARE(program.control<QComboBox>(u"OperBox"_s)->currentIndex(), 3); });
    QCOMPARE(program.dir.read(u"sys/multable.ini"_s), settings);
}

void tst_PrintDialog::readOnlySettingsGoOn()
{
    if (geteuid() == 0)
        QSKIP("Files are always writable for root");
    Program program("[GLOBAL]\r\nOperation=7\r\n");
    QVERIFY(program.start());
    const QString path = program.dir.path(u"sys/multable.ini"_s);
    QFile::setPermissions(path, QFile::ReadOwner);
    QDir dir(program.dir.path(u"sys"_s));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    program.print({2}, [&] {
        QCOMPARE(program.control<QComboBox>(u"OperBox"_s)->currentIndex(), 0);
        program.click(u"OKBtn"_s);
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(program.recorder.messages,
             QStringList{u"Unable to write to %1"_s.arg(QDir::toNativeSeparators(path))});
    QCOMPARE(program.output.outputs.size(), 1);
}

void tst_PrintDialog::missingOperatorListFallsBackToEnglish()
{
    Program program;
    QVERIFY(program.start());
    program.dir.remove(u"sys/enOpSel.txt"_s);
    program.print({2}, [&] {
        auto *box = program.control<QComboBox>(u"OperBox"_s);
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->itemText(0), u"Operator: Multiply"_s);
        QCOMPARE(box->itemText(3), u"Operator: Random"_s);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.recorder.messages,
             QStringList{u"Cannot open file %1"_s.arg(QDir::toNativeSeparators(program.dir.path(u"sys/enOpSel.txt"_s)))});
    QCOMPARE(program.output.outputs.size(), 1);
    QVERIFY(program.output.outputs[0].texts.contains(u"Operator: Multiply"_s));
}

void tst_PrintDialog::randomSheetOnScreen()
{
    Program program("[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[CALCULS]\r\nInversion=1\r\n");
    QVERIFY(program.start());
    program.print({2, 5, 7}, [&] {
        program.control<QComboBox>(u"OperBox"_s)->setCurrentIndex(1);
        program.click(u"OKBtn"_s);
    });
    QVERIFY(!program.dialog()->isVisible());
    QCOMPARE(program.output.outputs.size(), 1);
    const FakePrintOutput::Output &shown = program.output.outputs[0];
    QVERIFY(shown.preview);
    QVERIFY(shown.modal);
    QCOMPARE(shown.printCaption, u"&Print"_s);
    QCOMPARE(shown.saveCaption, u"Save PDF"_s);
    for (const QString &text : {u"Random sums"_s, u"Tables: 2, 5, 7 *"_s, u"Options"_s, u"Swapped"_s,
                                u"From 4"_s, u"Share"_s, u"Printed on"_s})
        QVERIFY2(shown.texts.contains(text), qPrintable(text));
    const QStringList lines = operationLines(shown.texts);
    QCOMPARE(lines.size(), 72);
    for (const QString &line : lines) {
        QVERIFY(line.contains(u" \u00f7 "_s));
        const int multiplicator = line.section(u' ', 0, 0).toInt() / line.section(u' ', 2, 2).toInt();
        QVERIFY(multiplicator >= 4);
    }
}

void tst_PrintDialog::fixedSheets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shows");
    QTest::newRow("without answers") << u"RadioButton2"_s
                                     << QStringList{u"All tables"_s, u"Fill them in"_s, u"12 x 12 ="_s, u"Printed on"_s};
    QTest::newRow("with answers") << u"RadioButton1"_s
                                  << QStringList{u"All tables"_s, u"12 x 12 = 144"_s, u"7 x 4 = 28"_s, u"Printed on"_s};
    QTest::newRow("grid") << u"RadioButton4"_s << QStringList{u"The grid"_s, u"144"_s, u"Printed on"_s};
}

void tst_PrintDialog::fixedSheets()
{
    QFETCH(QString, button);
    QFETCH(QStringList, shows);
    Program program;
    QVERIFY(program.start());
    program.print({3}, [&] {
        program.choose(button, false);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.output.outputs.size(), 1);
    QVERIFY(program.output.outputs[0].preview);
    QVERIFY(!program.output.outputs[0].modal);
    for (const QString &text : shows)
        QVERIFY2(program.output.outputs[0].texts.contains(text), qPrintable(text));
    QVERIFY(operationLines(program.output.outputs[0].texts).isEmpty());
}

void tst_PrintDialog::paperGoesToThePrinter()
{
    Program program;
    QVERIFY(program.start());
    program.print({4}, [&] {
        program.choose(u"RadioButton3"_s, true);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.output.outputs.size(), 1);
    QVERIFY(!program.output.outputs[0].preview);
    QVERIFY(program.output.outputs[0].texts.contains(u"Tables: 4 *"_s));
    QVERIFY(program.recorder.messages.isEmpty());
}

void tst_PrintDialog::noPrinter()
{
    Program program;
    QVERIFY(program.start());
    program.output.printResult = PrintOutput::Result::NoPrinter;
    program.print({4}, [&] {
        program.choose(u"RadioButton4"_s, true);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.recorder.messages, QStringList{u"No printer here."_s});
}

void tst_PrintDialog::printerError()
{
    Program program;
    QVERIFY(program.start());
    program.output.printResult = PrintOutput::Result::Failed;
    program.output.printError = u"Office"_s;
    program.print({4}, [&] {
        program.choose(u"RadioButton1"_s, true);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.recorder.messages, QStringList{u"Printer Office failed."_s});
}

void tst_PrintDialog::cancelProducesNothing()
{
    const QByteArray settings = "[GLOBAL]\r\nLanguage=en\r\nOperation=3\r\n";
    Program program(settings);
    QVERIFY(program.start());
    program.print({4}, [&] { QTest::keyClick(program.dialog(), Qt::Key_Escape); });
    QVERIFY(!program.dialog()->isVisible());
    QVERIFY(program.output.outputs.isEmpty());
    QCOMPARE(program.dir.read(u"sys/multable.ini"_s), settings);
}

void tst_PrintDialog::choicesStayForTheRun()
{
    Program program;
    QVERIFY(program.start());
    program.print({4}, [&] {
        program.choose(u"RadioButton2"_s, true);
        program.click(u"CancelBtn"_s);
    });
    program.print({}, [&] {
        QVERIFY(program.control<QRadioButton>(u"RadioButton2"_s)->isChecked());
        QVERIFY(program.control<QRadioButton>(u"RadioGroup1Item1"_s)->isChecked());
    });
}

void tst_PrintDialog::missingSectionLeavesTextsEmpty()
{
    Program program("[GLOBAL]\r\nLanguage=en\r\n", "[FStart]\r\nvOne=One\r\n");
    QVERIFY(program.start());
    program.print({4}, [&] {
        QVERIFY(program.dialog()->windowTitle().isEmpty());
        QVERIFY(program.control<QPushButton>(u"OKBtn"_s)->text().isEmpty());
        program.choose(u"RadioButton4"_s, false);
        program.click(u"OKBtn"_s);
    });
    QCOMPARE(program.output.outputs.size(), 1);
    QVERIFY(program.output.outputs[0].texts.contains(u"xxx"_s));
    QVERIFY(!program.output.outputs[0].texts.contains(u"The grid"_s));
}

// 7 x 1 to 7 x 12 answered wrong are twelve weak facts; 3 x 3 mastered is
// not one. Every operation is one of the weak facts' families, and the
// families show: swapped factors and both divisions.
void tst_PrintDialog::weakFactSheetFromTheProgressWindow()
{
    Program program;
    const QByteArray history = HistoryHeader + answers(7, upTo(12), "wrong") + answers(3, {3, 3, 3}, "right");
    program.dir.write(u"sys/history.txt"_s, history);
    QVERIFY(program.start());
    program.printWeakFacts({4, 9});

    QCOMPARE(program.output.outputs.size(), 1);
    const FakePrintOutput::Output &shown = program.output.outputs[0];
    QVERIFY(shown.preview);
    QVERIFY(shown.modal);
    QVERIFY(shown.texts.contains(u"Weak facts"_s));
    QVERIFY(shown.texts.contains(u"Yours to practise"_s));
    QVERIFY(!shown.texts.join(u'\n').contains(u"Too few"_s));
    const QStringList lines = operationLines(shown.texts);
    QCOMPARE(lines.size(), 72);
    bool sevenFirst = false;
    bool sevenSecond = false;
    bool byTheTable = false;
    bool byTheMultiplicator = false;
    for (const QString &line : lines) {
        const auto [first, second] = factors(line);
        QVERIFY2(first == 7 || second == 7, qPrintable(line));
        const bool divides = line.section(u' ', 1, 1) != u"x"_s;
        sevenFirst = sevenFirst || (!divides && first == 7 && second != 7);
        sevenSecond = sevenSecond || (!divides && first != 7 && second == 7);
        byTheTable = byTheTable || (divides && second == 7 && first != 7);
        byTheMultiplicator = byTheMultiplicator || (divides && second != 7);
    }
    QVERIFY(sevenFirst);
    QVERIFY(sevenSecond);
    QVERIFY(byTheTable);
    QVERIFY(byTheMultiplicator);
    QCOMPARE(program.dir.read(u"sys/history.txt"_s), history);
    QVERIFY(program.recorder.messages.isEmpty());
}

// Eleven weak facts are too few: the sheet is drawn from the ticked tables
// and says so.
void tst_PrintDialog::weakFactSheetFallsBackToTheTickedTables()
{
    Program program;
    program.dir.write(u"sys/history.txt"_s, HistoryHeader + answers(7, upTo(11), "wrong"));
    QVERIFY(program.start());
    program.printWeakFacts({4, 9});

    QCOMPARE(program.output.outputs.size(), 1);
    const FakePrintOutput::Output &shown = program.output.outputs[0];
    QVERIFY(shown.preview);
    QVERIFY(shown.texts.contains(u"Weak facts"_s));
    QVERIFY(shown.texts.contains(u"Too few weak facts, so: 4, 9 *"_s));
    QVERIFY(!shown.texts.contains(u"Yours to practise"_s));
    const QStringList lines = operationLines(shown.texts);
    QCOMPARE(lines.size(), 72);
    for (const QString &line : lines) {
        const auto [first, second] = factors(line);
        QVERIFY2(first == 4 || first == 9 || second == 4 || second == 9, qPrintable(line));
    }
    QVERIFY(program.recorder.messages.isEmpty());
}

QTEST_MAIN(tst_PrintDialog)
#include "tst_PrintDialog.moc"
