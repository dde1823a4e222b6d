#include "AppDirFixture.h"
#include "MessageRecorder.h"
#include "TFStart.h"
#include "TFSwap.h"
#include "UpDown.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

class tst_TFSwap : public QObject
{
    Q_OBJECT

private slots:
    void opensOnStoredValuesAndTexts();
    void arrowsStopAtTheBounds_data();
    void arrowsStopAtTheBounds();
    void boxCannotBeTypedInto();
    void crossingTakesEffectAtOnce();
    void escapeConfirmsLikeOk();

private:
    TFSwap *open(const QByteArray &settings);

    std::unique_ptr<AppDirFixture> m_dir;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<WindowSet> m_windows;
};

TFSwap *tst_TFSwap::open(const QByteArray &settings)
{
    m_windows.reset();
    m_dir = std::make_unique<AppDirFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    m_dir->write(u"sys/multable.ini"_s, "[GLOBAL]\r\nLanguage=en\r\n" + settings);
    m_dir->write(u"sys/en.lng"_s, "[FSwap]\r\nvFSWapCaption=Expert options\r\n"
                                  "vCrossYesRadioBtnCaption=Yes\r\nvCrossNoRadioBtnCaption=No\r\n"
                                  "vSmallestMultiplicatorLbl=Smallest multiplicator:\r\n");
    m_windows = std::make_unique<WindowSet>(m_dir->path());
    if (!m_windows->create(WindowSet::ExpertDialog))
        return nullptr;
    TFSwap *dialog = m_windows->FSwap;
    dialog->show();
    return QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
}

void tst_TFSwap::opensOnStoredValuesAndTexts()
{
    TFSwap *dialog = open("Range=5\r\n[CALCULS]\r\nInversion=1\r\n");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"Expert options"_s);
    QCOMPARE(control<QRadioButton>(dialog, u"RadioButton1"_s)->text(), u"Yes"_s);
    QCOMPARE(control<QLabel>(dialog, u"Label2"_s)->text(), u"Smallest multiplicator:"_s);
    QCOMPARE(control<QLineEdit>(dialog, u"Edit1"_s)->text(), u"5"_s);
    QVERIFY(control<QRadioButton>(dialog, u"RadioButton1"_s)->isChecked());
    QVERIFY(!control<QRadioButton>(dialog, u"RadioButton2"_s)->isChecked());
}

void tst_TFSwap::arrowsStopAtTheBounds_data()
{
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("shown");

    QTest::newRow("down at 1") << QByteArray("Range=1") << "down" << 1 << "1";
    QTest::newRow("up at 12") << QByteArray("Range=12") << "up" << 1 << "12";
    QTest::newRow("up from 10 three times") << QByteArray("Range=10") << "up" << 3 << "12";
    QTest::newRow("down from 3") << QByteArray("Range=3") << "down" << 1 << "2";
}

void tst_TFSwap::arrowsStopAtTheBounds()
{
    QFETCH(QByteArray, range);
    QFETCH(QString, arrow);
    QFETCH(int, clicks);
    QFETCH(QString, shown);
    TFSwap *dialog = open(range + "\r\n");
    QVERIFY(dialog);
    auto *button = control<UpDown>(dialog, u"UpDown1"_s)->findChild<QToolButton *>(arrow);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(dialog, u"Edit1"_s)->text(), shown);

    QTest::mouseClick(control<QPushButton>(dialog, u"BitBtn1"_s), Qt::LeftButton);
    QCOMPARE(m_windows->context.settings.Range, shown.toInt());
    QCOMPARE(m_windows->context.LBRange.first(), shown);
}

void tst_TFSwap::boxCannotBeTypedInto()
{
    TFSwap *dialog = open("Range=4\r\n");
    QVERIFY(dialog);
    QTest::keyClicks(control<QLineEdit>(dialog, u"Edit1"_s), u"9"_s);
    QCOMPARE(control<QLineEdit>(dialog, u"Edit1"_s)->text(), u"4"_s);
    QTest::keyClick(control<QLineEdit>(dialog, u"Edit1"_s), Qt::Key_Up);
    QCOMPARE(control<QLineEdit>(dialog, u"Edit1"_s)->text(), u"5"_s);
}

void tst_TFSwap::crossingTakesEffectAtOnce()
{
    TFSwap *dialog = open({});
    QVERIFY(dialog);
    QVERIFY(control<QRadioButton>(dialog, u"RadioButton2"_s)->isChecked());
    QTest::mouseClick(control<QRadioButton>(dialog, u"RadioButton1"_s), Qt::LeftButton);
    QVERIFY(m_windows->context.settings.Inversion);
    QTest::mouseClick(control<QRadioButton>(dialog, u"RadioButton2"_s), Qt::LeftButton);
    QVERIFY(!m_windows->context.settings.Inversion);
}

void tst_TFSwap::escapeConfirmsLikeOk()
{
    TFSwap *dialog = open("Range=2\r\n");
    QVERIFY(dialog);
    QTest::mouseClick(control<UpDown>(dialog, u"UpDown1"_s)->findChild<QToolButton *>(u"up"_s), Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_windows->context.settings.Range, 3);
}

QTEST_MAIN(tst_TFSwap)
#include "tst_TFSwap.moc"
