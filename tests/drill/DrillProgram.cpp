#include "DrillProgram.h"

#include "DrillTimers.h"
#include "IntervalTimer.h"
#include "TFCalculator.h"
#include "TFStart.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QByteArray languageFile(const QString &division)
{
    return "[FCalculator]\r\n"
           "vResultWaitLbl=Your turn\r\nvResultRightLbl=Well done!\r\nvResultWrongLbl=Not right\r\n"
           "vResultLateLbl=Time is up!\r\nvResultRightLateLbl=Right, but late\r\n"
           "vResultWrongLateLbl=Wrong and late\r\nvModeWrittenStateLbl=Written\r\n"
           "vModeMentalStateLbl=In your head\r\nvModeWaitingStateLbl=Ready?\r\n"
           "vModeTimerStateLbl=Clock on!\r\nvAverageCalc=out of 10\r\n"
           "vTimerGoBtn=Start the &timer\r\nvTimerStopBtn=Stop the ti&mer\r\n"
           "vModeWrittenItem=&Written\r\nvModeMentalItem=M&ental\r\n"
           "[RecordDlg]\r\nvRecordDlgCaption=Record\r\nvNextOpRBCaption=Next &operations\r\n"
           "vNextErrRBCaption=Next &errors\r\nvNoRecRBCaption=&No recording\r\nvRecNextLbl=How many:\r\n"
           "vInfoLbl=Then drill them again.\r\n"
           "[AfterRecordDlg]\r\nvAfterRecordDlgCaption=Recorded\r\nvWhatToDoLbl=What now? (" + division.toLatin1()
           + ")\r\nvOKCaptionBtn=&Review\r\nvCancelCaptionBtn=&Erase\r\nvEraseOperationsMsg=Erased.\r\n";
}

} // namespace

DrillProgram::DrillProgram(const QByteArray &extraSettings, const QString &language, Shown shown)
{
    // The first of two equal keys counts.
    dir.write(u"sys/multable.ini"_s, extraSettings + "[GLOBAL]\r\nLanguage=" + language.toLatin1()
                                         + "\r\nRange=1\r\nOperation=0\r\n[CHRONO]\r\nTimer1=3\r\nTimer2=1\r\n"
                                           "Jauge=1\r\n[SON]\r\nBouton=0\r\n");
    dir.write(u"sys/choices.txt"_s, "3\r\n7\r\n");
    dir.write(u"sys/en.lng"_s, languageFile(u"en"_s));
    dir.write(u"sys/enOpSel.txt"_s, "Multiply\r\nDivide\r\nAlternate\r\nRandom\r\n");
    dir.write(u"sys/fr.lng"_s, languageFile(u"fr"_s));
    dir.write(u"sys/frOpSel.txt"_s, "Multiplier\r\nDiviser\r\nAlterner\r\nHasard\r\n");
    windows = std::make_unique<WindowSet>(dir.path());
    if (shown == Shown::StartWindow) {
        if (!windows->create(WindowSet::DrillWindow | WindowSet::ProgressWindow))
            qFatal("The program did not start");
        drill = windows->FCalculator;
        windows->FStart->showAndActivate();
        activate(windows->FStart);
        return;
    }
    if (!windows->create(WindowSet::DrillWindow))
        qFatal("The program did not start");
    drill = windows->FCalculator;
    drill->show();
    activate(drill);
}

void DrillProgram::activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("The window did not become active");
}

IntervalTimer *DrillProgram::timer(const QString &name) const
{
    return find<IntervalTimer>(name);
}

DrillTimers *DrillProgram::timers() const
{
    return drill->findChild<DrillTimers *>();
}

void DrillProgram::answer(const QString &typed) const
{
    auto *box = find<QLineEdit>(u"Ans"_s);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

QString DrillProgram::recordCaption() const
{
    return find<QLabel>(u"BitBtn7Caption"_s)->text();
}

QString DrillProgram::questionLine() const
{
    return find<QLabel>(u"F1"_s)->text() + find<QLabel>(u"Label2"_s)->text() + find<QLabel>(u"F2"_s)->text();
}

void DrillProgram::keys(Qt::Key key, Qt::KeyboardModifiers modifiers, int times) const
{
    // To the open dialog, else to the drill window, active again as the
    // window manager makes it once a dialog over it closes.
    for (int i = 0; i < times; ++i) {
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            window = drill;
        if (!window->isActiveWindow())
            activate(window);
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
}

void DrillProgram::typeDigits(const QString &digits) const
{
    for (QChar digit : digits)
        keys(Qt::Key(Qt::Key_0 + digit.digitValue()));
}

bool DrillProgram::tabTo(QWidget *target) const
{
    for (int i = 0; i < 60 && !target->hasFocus(); ++i)
        keys(Qt::Key_Tab);
    return target->hasFocus();
}

void DrillProgram::whenModal(const std::function<void(QWidget *dialog)> &inside, int triesLeft)
{
    QTimer::singleShot(0, qApp, [inside, triesLeft] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog) {
            // Events are still being processed on the way to the dialog.
            if (triesLeft == 0)
                qFatal("No dialog is open");
            whenModal(inside, triesLeft - 1);
            return;
        }
        activate(dialog);
        inside(dialog);
    });
}
