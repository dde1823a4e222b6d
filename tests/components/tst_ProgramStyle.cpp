// The program's style frames the control that has the keyboard focus clearly,
// whether the focus came by key or by mouse, and only that control.

#include "ProgramStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Maker = std::function<QWidget *(QWidget *)>;

int focusPixels(QWidget *control)
{
    const QImage picture = control->grab().toImage();
    const QRgb frame = ProgramStyle::focusColour().rgb();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == frame;
    return count;
}

} // namespace

class tst_ProgramStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new ProgramStyle); }
    void focusFrame_data();
    void focusFrame();
};

void tst_ProgramStyle::focusFrame_data()
{
    QTest::addColumn<Maker>("make");
    QTest::newRow("button") << Maker([](QWidget *p) { return new QPushButton(u"Start"_s, p); });
    QTest::newRow("check box") << Maker([](QWidget *p) { return new QCheckBox(u"Seven"_s, p); });
    QTest::newRow("radio button") << Maker([](QWidget *p) { return new QRadioButton(u"Written"_s, p); });
    QTest::newRow("edit box") << Maker([](QWidget *p) { return new QLineEdit(u"12"_s, p); });
    QTest::newRow("spin box") << Maker([](QWidget *p) { return new QSpinBox(p); });
    QTest::newRow("drop-down list") << Maker([](QWidget *p) {
        auto *box = new QComboBox(p);
        box->addItems({u"Multiply"_s, u"Divide"_s});
        return box;
    });
}

void tst_ProgramStyle::focusFrame()
{
    QFETCH(Maker, make);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QWidget *control = make(&window);
    auto *other = new QPushButton(u"Other"_s, &window);
    layout->addWidget(control);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focusPixels(control), 0);
    control->setFocus(Qt::MouseFocusReason);
    // A frame all round: at least twice its width and twice its height.
    QVERIFY2(focusPixels(control) >= control->width() + control->height(),
             qPrintable(QString::number(focusPixels(control))));
}

QTEST_MAIN(tst_ProgramStyle)
#include "tst_ProgramStyle.moc"
