// Builds every window of the program over the delivered language files, in
// each of the six languages, and asks Qt's accessibility interface for the
// name of every control a screen reader can reach: none may be unnamed, and
// a button that shows only a picture also has a tooltip. After a switch of
// language every control bears the name it has in a program started in that
// language. Reads data/, never writes it.

#include "DeliveredProgram.h"
#include "TFStart.h"
#include "WindowSet.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMap>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList LanguageCodes = {u"en"_s, u"fr"_s, u"nl"_s, u"de"_s, u"it"_s, u"es"_s};

// The roles of what a pupil can press, tick, type into, choose from or read
// a value off.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::ProgressBar:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::Grouping:
        return true;
    default:
        return false;
    }
}

// Parts that Qt makes inside a control (a spin box's edit field, a scroll
// area's bars, a drop-down list's list) are named through the control that
// holds them.
bool isInnerPart(const QWidget *widget)
{
    if (widget->objectName().startsWith(u"qt_"_s))
        return true;
    for (const QWidget *holder = widget->parentWidget(); holder;
         holder = holder->parentWidget()) {
        if (qobject_cast<const QComboBox *>(holder) || qobject_cast<const QAbstractSpinBox *>(holder))
            return true;
    }
    return qobject_cast<const QScrollBar *>(widget)
           && qobject_cast<const QAbstractScrollArea *>(widget->parentWidget()->parentWidget());
}

QString path(const QWidget *widget)
{
    QStringList names;
    for (const QObject *object = widget; object; object = object->parent())
        names.prepend(object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                                     : object->objectName());
    return names.join(u'/');
}

// Shows every window in turn, as the program does, so that it puts its
// texts on its controls, and hands it over while it is shown.
void forEveryShownWindow(const std::function<void(QWidget *)> &look)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog)
            continue;
        window->show();
        QCoreApplication::processEvents();
        look(window);
        window->hide();
        QCoreApplication::processEvents();
    }
}

// Every control of every window with the name a screen reader says.
QMap<QString, QString> accessibleNames()
{
    QMap<QString, QString> names;
    forEveryShownWindow([&names](QWidget *window) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            if (face && isControl(face->role()) && !isInnerPart(widget))
                names.insert(path(widget), face->text(QAccessible::Name));
        }
    });
    return names;
}

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : LanguageCodes)
        QTest::newRow(qPrintable(code)) << code;
}

} // namespace

class tst_AccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void everyControlNamed_data() { addLanguageRows(); }
    void everyControlNamed();
    void pictureButtonsHaveTips_data() { addLanguageRows(); }
    void pictureButtonsHaveTips();
    void languageSwitchRenames();
};

void tst_AccessibleNames::everyControlNamed()
{
    QFETCH(QString, code);
    DeliveredProgram program(code);
    const QMap<QString, QString> names = accessibleNames();
    QVERIFY(names.size() > 100);
    QStringList unnamed;
    for (auto name = names.cbegin(); name != names.cend(); ++name) {
        if (name.value().trimmed().isEmpty())
            unnamed << name.key();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
}

void tst_AccessibleNames::pictureButtonsHaveTips()
{
    QFETCH(QString, code);
    DeliveredProgram program(code);
    QStringList untipped;
    int pictureButtons = 0;
    forEveryShownWindow([&](QWidget *window) {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->icon().isNull() || !button->text().isEmpty() || isInnerPart(button))
                continue;
            ++pictureButtons;
            if (button->toolTip().trimmed().isEmpty())
                untipped << path(button);
        }
    });
    QVERIFY(pictureButtons >= 3); // the bin, the camera and the ambulance at least
    QVERIFY2(untipped.isEmpty(), qPrintable(untipped.join(u'\n')));
}

void tst_AccessibleNames::languageSwitchRenames()
{
    QMap<QString, QString> switched;
    {
        DeliveredProgram program(u"en"_s);
        program.windows->FStart->selectLanguage(u"de"_s);
        switched = accessibleNames();
    }
    QMap<QString, QString> german;
    {
        DeliveredProgram program(u"de"_s);
        german = accessibleNames();
    }
    QCOMPARE(switched.keys(), german.keys());
    QStringList differing;
    for (auto name = german.cbegin(); name != german.cend(); ++name) {
        if (switched.value(name.key()) != name.value())
            differing << u"%1: \"%2\" instead of \"%3\""_s.arg(name.key(), switched.value(name.key()), name.value());
    }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join(u'\n')));
}

QTEST_MAIN(tst_AccessibleNames)
#include "tst_AccessibleNames.moc"
