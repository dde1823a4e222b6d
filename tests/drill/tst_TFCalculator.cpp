#include "AppDirFixture.h"
#include "ColorValue.h"
#include "DrillIcons.h"
#include "HelpPanel.h"
#include "Judgement.h"
#include "LinkLabel.h"
#include "MessageRecorder.h"
#include "TFCalculator.h"
#include "TFStart.h"
#include "TGradient.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Obelus = QString(QChar(0x00F7));
const QString WrongComment = u"Not right, try once more!"_s; // 25 characters

QMap<QString, QString> standardTexts()
{
    return {{u"vCaptionBtn1"_s, u"&Back"_s},
            {u"vCaptionBtn2"_s, u"Enter"_s},
            {u"vResultWaitLbl"_s, u"Your turn"_s},
            {u"vResultRightLbl"_s, u"Well done!"_s},
            {u"vResultWrongLbl"_s, WrongComment},
            {u"vModeWaitingStateLbl"_s, u"Ready?"_s},
            {u"vModeClickEnterStateLbl"_s, u"Press Enter now"_s},
            {u"vAverageCalc"_s, u"out of 10"_s},
            {u"vHideTextLbl"_s, u"Hide this text"_s},
            {u"vViewInfoLbl"_s, u"Show the text"_s},
            {u"vTimerGoBtn"_s, u"Start the timer"_s},
            {u"vVerdictRightImg"_s, u"Right"_s},
            {u"vVerdictWrongImg"_s, u"Wrong"_s}};
}

QByteArray languageFile(const QMap<QString, QString> &texts)
{
    QString file = u"[FCalculator]\r\n"_s;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        file += it.key() + u'=' + it.value() + u"\r\n"_s;
    return file.toLatin1(); // the fixture texts are all within Windows-1252's Latin-1 part
}

// The drill window's controls that the tests use, found by their names.
struct DrillControls
{
    DrillControls() = default;
    explicit DrillControls(QWidget *window)
    {
        Ans = control<QLineEdit>(window, u"Ans"_s);
        BitBtn1 = control<QPushButton>(window, u"BitBtn1"_s);
        BitBtn2 = control<QPushButton>(window, u"BitBtn2"_s);
        BitBtn3 = control<QPushButton>(window, u"BitBtn3"_s);
        BitBtn11 = control<QPushButton>(window, u"BitBtn11"_s);
        F1 = control<QLabel>(window, u"F1"_s);
        F2 = control<QLabel>(window, u"F2"_s);
        Gradient1 = control<TGradient>(window, u"Gradient1"_s);
        Image4 = control<QLabel>(window, u"Image4"_s);
        Image6 = control<QLabel>(window, u"Image6"_s);
        Label2 = control<QLabel>(window, u"Label2"_s);
        Label6 = control<QLabel>(window, u"Label6"_s);
        Label8 = control<QLabel>(window, u"Label8"_s);
        Label10 = control<QLabel>(window, u"Label10"_s);
        Label11 = control<QLabel>(window, u"Label11"_s);
        Label12 = control<QLabel>(window, u"Label12"_s);
        Label17 = control<QLabel>(window, u"Label17"_s);
        Label25 = control<QLabel>(window, u"Label25"_s);
        Label26 = control<LinkLabel>(window, u"Label26"_s);
        Label27 = control<LinkLabel>(window, u"Label27"_s);
        OpSel = control<QComboBox>(window, u"OpSel"_s);
        Panel1 = control<QFrame>(window, u"Panel1"_s);
        Panel5 = control<QFrame>(window, u"Panel5"_s);
        Panel6 = control<QFrame>(window, u"Panel6"_s);
        Panel8 = control<QFrame>(window, u"Panel8"_s);
        Panel9 = control<QFrame>(window, u"Panel9"_s);
        Panel12 = control<QWidget>(window, u"Panel12"_s);
        Panel14 = control<QFrame>(window, u"Panel14"_s);
        Panel16 = control<QFrame>(window, u"Panel16"_s);
        SpeedButton11 = control<QToolButton>(window, u"SpeedButton11"_s);
        for (int i = 1; i <= 10; ++i)
            SpeedButtons << control<QToolButton>(window, u"SpeedButton%1"_s.arg(i));
    }

    QLineEdit *Ans = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn11 = nullptr;
    QLabel *F1 = nullptr;
    QLabel *F2 = nullptr;
    TGradient *Gradient1 = nullptr;
    QLabel *Image4 = nullptr;
    QLabel *Image6 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label25 = nullptr;
    LinkLabel *Label26 = nullptr;
    LinkLabel *Label27 = nullptr;
    QComboBox *OpSel = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel5 = nullptr;
    QFrame *Panel6 = nullptr;
    QFrame *Panel8 = nullptr;
    QFrame *Panel9 = nullptr;
    QWidget *Panel12 = nullptr;
    QFrame *Panel14 = nullptr;
    QFrame *Panel16 = nullptr;
    QToolButton *SpeedButton11 = nullptr;
    QList<QToolButton *> SpeedButtons;
};

// A program folder with English and French texts, tables 3 and 7 chosen,
// sound off, and the drill window ready to be shown.
class DrillRun
{
public:
    explicit DrillRun(const QString &operation = u"0"_s, const QByteArray &moreGlobal = {})
    {
        writeSettings(operation, moreGlobal);
        dir.write(u"sys/choices.txt"_s, "3\r\n7\r\n");
        dir.write(u"sys/en.lng"_s, languageFile(standardTexts()));
        dir.write(u"sys/enOpSel.txt"_s, "Multiply\r\nDivide\r\nAlternate\r\nRandom\r\n");
        dir.write(u"sys/fr.lng"_s, languageFile(standardTexts()));
        dir.write(u"sys/frOpSel.txt"_s, "Multiplier\r\nDiviser\r\nAltern\xe9\r\nAl\xe9\x61toire\r\n");
    }

    void writeSettings(const QString &operation, const QByteArray &moreGlobal = {}) const
    {
        dir.write(u"sys/multable.ini"_s, "[GLOBAL]\r\nLanguage=en\r\nRange=1\r\nOperation="
                                             + operation.toLatin1() + "\r\n" + moreGlobal
                                             + "[SON]\r\nBouton=0\r\n");
    }

    void create()
    {
        windows = std::make_unique<WindowSet>(dir.path());
        // The drill window and the dialogs it opens; no sound editor, no print pages.
        QVERIFY(windows->create(WindowSet::DrillWindow | WindowSet::ExpertDialog | WindowSet::SoundOptions
                                | WindowSet::ColourDialog));
        drill = windows->FCalculator;
        ui = DrillControls(drill);
    }

    // Shows the drill window the way the start window does, and lets its
    // first question come.
    void show()
    {
        drill->show();
        QCoreApplication::processEvents();
    }

    DrillState &state() const { return windows->context.drill; }
    QString expected() const { return QString::number(state().Expected); }

    void answer(const QString &typed) const
    {
        QTest::keyClicks(ui.Ans, typed);
        QTest::keyClick(ui.Ans, Qt::Key_Return);
    }

    QToolButton *digitKey(QChar digit) const
    {
        for (QToolButton *key : ui.SpeedButtons)
            if (key->text() == digit)
                return key;
        return nullptr;
    }

    void clickDigits(const QString &digits) const
    {
        for (QChar digit : digits)
            QTest::mouseClick(digitKey(digit), Qt::LeftButton);
    }

    // Runs a drill through the start button; inside runs while the drill
    // window is open, which is closed afterwards if inside did not close it.
    void startDrill(const std::function<void()> &inside) const
    {
        // Posted from within the open window, so after its first question.
        QTimer::singleShot(0, drill, [this, inside] {
            QTimer::singleShot(0, drill, [this, inside] {
                const auto closeAnyway = qScopeGuard([this] {
                    if (drill->isVisible())
                        drill->reject();
                });
                inside();
            });
        });
        windows->FStart->BitBtn2Click();
    }

    QColor resultColour() const { return ui.Label12->palette().color(QPalette::WindowText); }

    MessageRecorder messages;
    AppDirFixture dir;
    std::unique_ptr<WindowSet> windows;
    TFCalculator *drill = nullptr;
    DrillControls ui;
};

} // namespace

class tst_TFCalculator : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void typedAnswer_data();
    void typedAnswer();
    void keypadEntryAndClear();
    void keyboardAfterALongKeypadAnswer();
    void enterJudges_data();
    void enterJudges();
    void verdictIsAlsoAPicture();
    void drillWithTheMouseOnly();
    void markWithTheSystemSeparator();
    void answerHelp();
    void reset();
    void comments_data();
    void comments();
    void tooLongKeypadAnswerIsWrong();
    void divisionUnderFrench();
    void storedOperationOutOfRange_data();
    void storedOperationOutOfRange();
    void missingOperatorList();
    void operationIsReadAtEachShowing();
    void alternationAcrossShowingsAndResets();
    void closingReturnsToTheStartWindow_data();
    void closingReturnsToTheStartWindow();
    void escapeStaysInTheDrill();
    void everyShowingIsCentred();
    void dialogsDoNotPoseAQuestion_data();
    void dialogsDoNotPoseAQuestion();
    void hideTextLinksLastAcrossARestart();
};

void tst_TFCalculator::layout()
{
    DrillRun run;
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    QCOMPARE(d->size(), QSize(746, 558));
    QCOMPARE(d->font().family(), u"Arial"_s);
    QCOMPARE(d->font().pixelSize(), 13);
    QCOMPARE(d->windowTitle(), run.windows->FStart->windowTitle());
    QCOMPARE(c.Panel8->height(), 41);
    QCOMPARE(c.Panel16->width(), 151);
    QCOMPARE(c.Panel5->size(), QSize(488, 329));
    QCOMPARE(c.Panel5->geometry().center(), c.Gradient1->rect().center());
    QCOMPARE(c.Gradient1->size(), c.Panel12->size());
    QCOMPARE(c.Panel1->width(), 231);
    QCOMPARE(c.Panel6->width(), 234);
    QCOMPARE(c.Panel14->height(), c.Gradient1->height() - 40);
    for (const char *name : {"BitBtn1", "BitBtn6", "BitBtn8", "BitBtn10", "BitBtn9"}) {
        auto *button = d->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button && button->size() == QSize(102, 26) && button->isVisible(), name);
    }
    const char *const shown[] = {"OpSel", "F1", "Label2", "F2", "Ans", "BitBtn2", "BitBtn11", "BitBtn7",
                                 "SpeedButton11", "Gauge1", "Label12", "Label6", "Label8", "Label10",
                                 "Label11", "BitBtn3", "BitBtn12", "Panel10", "Label16", "Label18",
                                 "Label19", "Label27"};
    for (const char *name : shown)
        QVERIFY2(d->findChild<QWidget *>(QString::fromLatin1(name))->isVisible(), name);
    for (int i = 1; i <= 10; ++i)
        QVERIFY(d->findChild<QToolButton *>(u"SpeedButton%1"_s.arg(i))->isVisible());
    const char *const hidden[] = {"Panel14", "Panel9", "Panel7", "TrackBar1", "Memo1", "Image4", "Image6"};
    for (const char *name : hidden)
        QVERIFY2(!d->findChild<QWidget *>(QString::fromLatin1(name))->isVisible(), name);
    for (const char *name : {"Timer1", "Timer2", "Timer3"})
        QVERIFY2(d->findChild<QObject *>(QString::fromLatin1(name)), name);
    QCOMPARE(run.resultColour(), ColorValue::toColor(8421504)); // grey before the first judgement
    QCOMPARE(c.Label12->text(), u"Ready?"_s);
    QCOMPARE(c.Label6->text(), u"Your turn"_s);
}

void tst_TFCalculator::typedAnswer_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enterEnabled");
    QTest::newRow("digits") << u"12"_s << u"12"_s << true;
    QTest::newRow("letters dropped") << u"1a2b"_s << u"12"_s << true;
    QTest::newRow("fourth digit dropped") << u"1234"_s << u"123"_s << true;
    QTest::newRow("sign and blank dropped") << u"-7 "_s << u"7"_s << true;
    QTest::newRow("backspace") << u"12\b3"_s << u"13"_s << true;
    QTest::newRow("back to empty") << u"5\b"_s << QString() << false;
    QTest::newRow("only letters") << u"abc"_s << QString() << false;
}

void tst_TFCalculator::typedAnswer()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(bool, enterEnabled);
    DrillRun run;
    run.create();
    run.show();
    QTest::keyClicks(run.ui.Ans, keys);
    QCOMPARE(run.ui.Ans->text(), text);
    QCOMPARE(run.ui.BitBtn2->isEnabled(), enterEnabled);
}

void tst_TFCalculator::keypadEntryAndClear()
{
    DrillRun run;
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    QVERIFY(!c.BitBtn2->isEnabled());
    run.clickDigits(u"1234"_s); // the keypad is not held to three digits
    QCOMPARE(c.Ans->text(), u"1234"_s);
    QVERIFY(c.BitBtn2->isEnabled());
    QCOMPARE(d->focusWidget(), c.Ans);
    QTest::mouseClick(c.BitBtn11, Qt::LeftButton);
    QCOMPARE(c.Ans->text(), QString());
    QVERIFY(!c.BitBtn2->isEnabled());
    QCOMPARE(d->focusWidget(), c.Ans);
    QTest::keyClick(c.Ans, Qt::Key_Return); // Enter can't judge an empty answer
    QCOMPARE(run.state().OperationCount, 1);
    QCOMPARE(c.Label12->text(), u"Ready?"_s);
}

// However many digits the keypad put in, the keyboard adds no letter, sign
// or paste, and no digit beyond the third.
void tst_TFCalculator::keyboardAfterALongKeypadAnswer()
{
    DrillRun run;
    run.create();
    run.show();
    const DrillControls &c = run.ui;
    run.clickDigits(u"1234"_s);
    QTest::keyClicks(c.Ans, u"ab-+ .5"_s);
    QCOMPARE(c.Ans->text(), u"1234"_s);
    QGuiApplication::clipboard()->setText(u"9x"_s);
    QTest::keyClick(c.Ans, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(c.Ans, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(c.Ans->text(), u"1234"_s);
    QTest::keyClick(c.Ans, Qt::Key_Backspace);
    QTest::keyClicks(c.Ans, u"7x"_s);
    QCOMPARE(c.Ans->text(), u"123"_s);
    QTest::keyClick(c.Ans, Qt::Key_Backspace);
    QTest::keyClicks(c.Ans, u"7x"_s);
    QCOMPARE(c.Ans->text(), u"127"_s);
}

void tst_TFCalculator::enterJudges_data()
{
    QTest::addColumn<QString>("answerPattern"); // %1 is the right answer
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << u"%1"_s << true;
    QTest::newRow("right with a leading zero") << u"0%1"_s << true;
    QTest::newRow("wrong") << u"1%1"_s << false;
}

void tst_TFCalculator::enterJudges()
{
    QFETCH(QString, answerPattern);
    QFETCH(bool, right);
    DrillRun run;
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    const QString judged = Judgement::resultLine(run.state());
    QCOMPARE(judged, c.F1->text() + u' ' + c.Label2->text() + u' ' + c.F2->text() + u" = "_s + run.expected());
    run.answer(answerPattern.arg(run.expected()));

    QCOMPARE(c.Label12->text(), judged);
    QCOMPARE(run.resultColour(), ColorValue::toColor(right ? 32768 : 255));
    QCOMPARE(c.Label6->text(), right ? u"Well done!"_s : WrongComment.left(20));
    QCOMPARE(run.state().ErrorCount, right ? 0 : 1);
    QCOMPARE(c.Label10->text(), right ? u"0"_s : u"1"_s);
    QCOMPARE(c.Label8->text(), u"1"_s);
    QVERIFY(c.Label11->isVisible());
    QCOMPARE(c.Label11->text(), right ? u"10 out of 10"_s : u"0 out of 10"_s);
    // The next question is on screen, with the focus back in the empty answer box.
    QCOMPARE(run.state().OperationCount, 2);
    QCOMPARE(c.Ans->text(), QString());
    QCOMPARE(d->focusWidget(), c.Ans);
    QCOMPARE(c.F1->text(), run.state().FirstText);
    QCOMPARE(c.F2->text(), run.state().SecondText);

    // A second, right answer: one error in two operations.
    run.answer(run.expected());
    QCOMPARE(run.resultColour(), ColorValue::toColor(32768));
    QCOMPARE(c.Label11->text(), right ? u"10 out of 10"_s : u"5 out of 10"_s);
}

// Beside the result line a check mark or a cross tells the verdict to a
// pupil who can't tell green from red; there is none before the first.
void tst_TFCalculator::verdictIsAlsoAPicture()
{
    DrillRun run;
    run.create();
    run.show();
    auto *verdict = control<QLabel>(run.drill, u"Image7"_s);
    const DrillControls &c = run.ui;
    QVERIFY(!verdict->isVisible());
    run.answer(run.expected() + u'1');
    QVERIFY(verdict->isVisible());
    QCOMPARE(verdict->pixmap().toImage(), DrillIcons::cross(22).toImage());
    QCOMPARE(verdict->accessibleName(), u"Wrong"_s);
    QCOMPARE(verdict->toolTip(), u"Wrong"_s);
    run.answer(run.expected());
    QCOMPARE(verdict->pixmap().toImage(), DrillIcons::checkMark(22).toImage());
    QCOMPARE(verdict->accessibleName(), u"Right"_s);
    // Beside the framed line, never over it.
    QCOMPARE(verdict->parentWidget(), c.Label12->parentWidget());
    QVERIFY(verdict->geometry().right() < c.Label12->geometry().left());
    QCOMPARE(verdict->geometry().center().y(), c.Label12->geometry().center().y());
}

void tst_TFCalculator::drillWithTheMouseOnly()
{
    DrillRun run;
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    for (int question = 1; question <= 4; ++question) {
        const bool right = question % 2 == 1;
        run.clickDigits(right ? run.expected() : run.expected() + u'9');
        QTest::mouseClick(c.BitBtn2, Qt::LeftButton);
        QCOMPARE(run.resultColour(), ColorValue::toColor(right ? 32768 : 255));
        QCOMPARE(c.Label8->text(), QString::number(question));
        QCOMPARE(d->focusWidget(), c.Ans);
    }
    QCOMPARE(run.state().ErrorCount, 2);
    QCOMPARE(c.Label11->text(), u"5 out of 10"_s);
}

void tst_TFCalculator::markWithTheSystemSeparator()
{
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(system); });
    DrillRun run;
    run.create();
    run.show();
    run.answer(run.expected() + u'1');
    for (int i = 0; i < 7; ++i)
        run.answer(run.expected());
    QCOMPARE(run.ui.Label11->text(), u"8,8 out of 10"_s);
}

void tst_TFCalculator::answerHelp()
{
    DrillRun run(u"1"_s); // division
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    QTest::mouseClick(c.SpeedButton11, Qt::LeftButton);
    QCOMPARE(c.Label12->text(), u"Press Enter now"_s);
    QCOMPARE(c.Ans->text(), run.expected());
    QCOMPARE(run.state().OperationCount, 1); // not judged yet
    QCOMPARE(d->focusWidget(), c.Ans);
    QTest::keyClick(c.Ans, Qt::Key_Return);
    QCOMPARE(run.resultColour(), ColorValue::toColor(32768));
    QCOMPARE(run.state().ErrorCount, 0);
    QCOMPARE(c.Label8->text(), u"1"_s);
    QCOMPARE(run.state().OperationCount, 2);
}

void tst_TFCalculator::reset()
{
    DrillRun run;
    run.create();
    run.show();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    run.answer(run.expected() + u'1');
    run.answer(run.expected());
    QVERIFY(c.Label11->isVisible());
    QTest::mouseClick(c.BitBtn3, Qt::LeftButton);
    QCOMPARE(c.Label8->text(), u"0"_s);
    QCOMPARE(c.Label10->text(), u"0"_s);
    QVERIFY(!c.Label11->isVisible());
    QCOMPARE(run.state().OperationCount, 1);
    QCOMPARE(run.state().ErrorCount, 0);
    QCOMPARE(d->focusWidget(), c.Ans);
    QCOMPARE(c.F1->text(), run.state().FirstText);
    // The colour of the last judgement stays until the next one.
    QCOMPARE(run.resultColour(), ColorValue::toColor(32768));
    run.answer(run.expected());
    QVERIFY(c.Label11->isVisible());
    QCOMPARE(c.Label8->text(), u"1"_s);
}

void tst_TFCalculator::comments_data()
{
    QTest::addColumn<QString>("missingKey");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("comment");
    QTest::newRow("long wrong comment") << QString() << false << u"Not right, try once "_s;
    QTest::newRow("right comment missing") << u"vResultRightLbl"_s << true << u"xxxxx"_s;
    QTest::newRow("wrong comment missing") << u"vResultWrongLbl"_s << false << u"xxxxx"_s;
}

void tst_TFCalculator::comments()
{
    QFETCH(QString, missingKey);
    QFETCH(bool, right);
    QFETCH(QString, comment);
    DrillRun run;
    QMap<QString, QString> texts = standardTexts();
    texts.remove(missingKey);
    run.dir.write(u"sys/en.lng"_s, languageFile(texts));
    run.create();
    run.show();
    run.answer(right ? run.expected() : run.expected() + u'1');
    QCOMPARE(run.ui.Label6->text(), comment);
}

void tst_TFCalculator::tooLongKeypadAnswerIsWrong()
{
    DrillRun run;
    run.create();
    run.show();
    const DrillControls &c = run.ui;
    const QString judged = Judgement::resultLine(run.state());
    run.clickDigits(u"000000000000000000000099"_s);
    QCOMPARE(c.Ans->text().size(), 24); // kept as typed until judged
    QTest::mouseClick(c.BitBtn2, Qt::LeftButton);
    QCOMPARE(run.resultColour(), ColorValue::toColor(255));
    QCOMPARE(c.Label12->text(), judged);
    QCOMPARE(run.state().ErrorCount, 1);
    QCOMPARE(run.state().OperationCount, 2);
}

void tst_TFCalculator::divisionUnderFrench()
{
    DrillRun run(u"1"_s);
    run.writeSettings(u"1"_s);
    run.dir.write(u"sys/multable.ini"_s, run.dir.read(u"sys/multable.ini"_s).replace("Language=en", "Language=fr"));
    run.create();
    run.show();
    const DrillControls &c = run.ui;
    QCOMPARE(c.OpSel->currentText(), u"Diviser"_s);
    QCOMPARE(c.Label2->text(), u":"_s);
    QCOMPARE(c.F1->text().toInt(), run.state().Table * run.state().Expected);
    QCOMPARE(c.F2->text().toInt(), run.state().Table);
    // Under another language the same question takes the other sign.
    run.windows->FStart->selectLanguage(u"en"_s);
    QTest::mouseClick(c.BitBtn3, Qt::LeftButton);
    QCOMPARE(c.Label2->text(), Obelus);
}

void tst_TFCalculator::storedOperationOutOfRange_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("7") << u"7"_s;
    QTest::newRow("-1") << u"-1"_s;
    QTest::newRow("text") << u"divide"_s;
}

void tst_TFCalculator::storedOperationOutOfRange()
{
    QFETCH(QString, stored);
    DrillRun run(stored);
    run.create();
    run.drill->show(); // the show step alone
    QCOMPARE(run.ui.OpSel->currentIndex(), -1);
    QCoreApplication::processEvents(); // the first question
    QCOMPARE(run.ui.OpSel->currentIndex(), 0);
    QCOMPARE(run.drill->operatorIndex(), 0);
    QCOMPARE(run.ui.Label2->text(), u"x"_s);
}

void tst_TFCalculator::missingOperatorList()
{
    DrillRun run(u"2"_s);
    run.create();
    run.dir.remove(u"sys/enOpSel.txt"_s);
    run.show();
    QCOMPARE(run.messages.messages,
             QStringList{u"Cannot open file "_s + QDir::toNativeSeparators(run.dir.path(u"sys/enOpSel.txt"_s))});
    QCOMPARE(run.ui.OpSel->count(), 0);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(run.ui.Label2->text(), u"x"_s);
        run.answer(run.expected());
        QCOMPARE(run.resultColour(), ColorValue::toColor(32768));
    }
}

void tst_TFCalculator::operationIsReadAtEachShowing()
{
    DrillRun run(u"1"_s);
    run.create();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    run.startDrill([&] {
        QCOMPARE(c.OpSel->currentIndex(), 1);
        QCOMPARE(c.Label2->text(), Obelus);
        c.OpSel->setFocus();
        QTest::keyClick(c.OpSel, Qt::Key_Up); // the pupil picks Multiply
        QCOMPARE(c.OpSel->currentIndex(), 0);
        QCOMPARE(c.Label2->text(), u"x"_s);
        // The division replaced unanswered does not count.
        QCOMPARE(run.state().OperationCount, 1);
    });
    QCOMPARE(d->operatorIndex(), 0); // what the quit would write
    run.startDrill([&] {
        QCOMPARE(c.OpSel->currentIndex(), 1);
        QCOMPARE(c.Label2->text(), Obelus);
    });
}

void tst_TFCalculator::alternationAcrossShowingsAndResets()
{
    DrillRun run(u"2"_s);
    run.create();
    QStringList signs;
    run.startDrill([&] {
        signs << run.ui.Label2->text();
        run.answer(run.expected());
        signs << run.ui.Label2->text();
    });
    run.startDrill([&] {
        signs << run.ui.Label2->text();
        QTest::mouseClick(run.ui.BitBtn3, Qt::LeftButton);
        signs << run.ui.Label2->text();
    });
    QCOMPARE(signs, (QStringList{u"x"_s, Obelus, u"x"_s, Obelus}));
}

void tst_TFCalculator::closingReturnsToTheStartWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("back button") << u"back"_s;
    QTest::newRow("close box") << u"close"_s;
}

void tst_TFCalculator::closingReturnsToTheStartWindow()
{
    QFETCH(QString, how);
    DrillRun run;
    run.create();
    TFStart *start = run.windows->FStart;
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    start->showAndActivate();
    bool startWasHidden = false;
    run.startDrill([&] {
        startWasHidden = !start->isVisible();
        run.answer(run.expected() + u'1');
        if (how == u"back")
            QTest::mouseClick(c.BitBtn1, Qt::LeftButton);
        else
            d->close();
        QVERIFY(!d->isVisible());
    });
    QVERIFY(startWasHidden);
    QVERIFY(start->isVisible());
    QCOMPARE(run.state().ErrorCount, 1);

    // The counters carry over to the next drill, which poses a new question
    // in place of the one left unanswered.
    run.startDrill([&] {
        QCOMPARE(run.state().OperationCount, 2);
        QCOMPARE(c.Label10->text(), u"1"_s);
        QCOMPARE(c.Label12->text(), u"Ready?"_s);
        QCOMPARE(c.Label6->text(), u"Your turn"_s);
        QCOMPARE(c.Label11->text(), u"0 out of 10"_s);
    });
}

// A stray Escape, wherever the focus stands, leaves the pupil in the drill.
void tst_TFCalculator::escapeStaysInTheDrill()
{
    DrillRun run;
    run.create();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    run.startDrill([&] {
        for (QWidget *focus : std::initializer_list<QWidget *>{c.Ans, c.BitBtn3, c.OpSel}) {
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            QCoreApplication::processEvents();
            QVERIFY(d->isVisible());
        }
        QCOMPARE(run.state().OperationCount, 1);
    });
}

// Each showing puts the window in the middle of the screen, the first too,
// wherever it was left.
void tst_TFCalculator::everyShowingIsCentred()
{
    DrillRun run;
    run.create();
    TFCalculator *d = run.drill;
    const QPoint middle = d->screen()->availableGeometry().center();
    for (int showing = 1; showing <= 2; ++showing) {
        QPoint centre;
        run.startDrill([&] {
            centre = d->frameGeometry().center();
            d->move(3, 5);
        });
        QVERIFY2((centre - middle).manhattanLength() <= 1,
                 qPrintable(u"showing %1 centred at %2,%3"_s.arg(showing).arg(centre.x()).arg(centre.y())));
    }
}

void tst_TFCalculator::dialogsDoNotPoseAQuestion_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("expert") << u"BitBtn6"_s << u"FSwap"_s;
    QTest::newRow("sound") << u"BitBtn8"_s << u"FSound"_s;
    QTest::newRow("screen colours") << u"BitBtn10"_s << u"FColor"_s;
}

void tst_TFCalculator::dialogsDoNotPoseAQuestion()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    DrillRun run;
    run.create();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    run.startDrill([&] {
        const QString question = Judgement::resultLine(run.state());
        QString opened;
        QTimer::singleShot(0, d, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            opened = modal->objectName();
            if (modal != d)
                static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(d->findChild<QPushButton *>(button), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(opened, dialog);
        QCOMPARE(d->focusWidget(), c.Ans); // the pupil answers on with the keyboard
        QCOMPARE(run.state().OperationCount, 1);
        QCOMPARE(Judgement::resultLine(run.state()), question);
    });
}

void tst_TFCalculator::hideTextLinksLastAcrossARestart()
{
    DrillRun run;
    run.create();
    TFCalculator *d = run.drill;
    const DrillControls &c = run.ui;
    run.startDrill([&] {
        QCOMPARE(c.Label27->text(), u"Hide this text"_s);
        QTest::mouseClick(c.Label27, Qt::LeftButton);
        QVERIFY(c.Image4->isVisible());
        QVERIFY(c.Image6->isVisible());
        QCOMPARE(c.Label27->text(), u"Show the text"_s);
        c.Panel9->show(); // as in mental mode, where the pupil can reach the left link
        QVERIFY(c.Label17->isVisible());
        QTest::mouseClick(c.Label26, Qt::LeftButton);
        QVERIFY(!c.Label17->isVisible());
        QVERIFY(!c.Label25->isVisible());
        QCOMPARE(c.Label26->text(), u"Show the text"_s);
    });
    run.windows->FStart->BitBtn1Click(); // quit: the settings are written
    QVERIFY(run.dir.read(u"sys/multable.ini"_s).contains("HideTextRight=1"));

    run.create();
    d = run.drill;
    run.startDrill([&] {
        QVERIFY(c.Image4->isVisible());
        QCOMPARE(c.Label27->text(), u"Show the text"_s);
        QCOMPARE(c.Label26->text(), u"Show the text"_s);
        QTest::mouseClick(c.Label27, Qt::LeftButton);
        QVERIFY(!c.Image4->isVisible());
        QCOMPARE(c.Label27->text(), u"Hide this text"_s);
    });
}

QTEST_MAIN(tst_TFCalculator)
#include "tst_TFCalculator.moc"
