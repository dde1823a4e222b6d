// Builds the program's windows over the delivered language files, in each of
// the six languages, and measures every control that shows a text, in the
// font it is drawn with, against the room it has: a label's line against its
// width (or its wrapped lines against its height), a button's caption with
// its picture, a radio button or check box with its mark, a group title. The
// drill window's result and comment lines are also measured with every state
// text and comment they can show. Reads data/, never writes it.

#include "CaptionTexts.h"
#include "DeliveredProgram.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList LanguageCodes = {u"en"_s, u"fr"_s, u"nl"_s, u"de"_s, u"it"_s, u"es"_s};

QString plain(QString caption)
{
    static const QRegularExpression single(u"&(?!&)"_s);
    return caption.replace(u"&&"_s, u"\u0001"_s).remove(single).replace(u'\u0001', u'&');
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a text needs beyond its room, in pixels; 0 or less when it fits.
int overflow(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) - label->height();
        return label->sizeHint().width() - label->width();
    }
    if (qobject_cast<const QRadioButton *>(widget) || qobject_cast<const QCheckBox *>(widget)) {
        const auto *button = static_cast<const QAbstractButton *>(widget);
        return button->text().isEmpty() ? 0 : button->sizeHint().width() - button->width();
    }
    if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return 0;
        const QStyle *style = button->style();
        int need = widestLine(button->fontMetrics(), plain(button->text()))
                   + 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                          + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        if (!button->icon().isNull())
            need += button->iconSize().width() + 4;
        return need - button->width();
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        if (group->title().isEmpty())
            return 0;
        // The frame's line runs on some 8 pixels each side of the title.
        return group->fontMetrics().horizontalAdvance(plain(group->title())) + 16 - group->width();
    }
    return 0;
}

QString misfit(const QString &where, const QWidget *widget, const QString &text)
{
    const int over = overflow(widget);
    if (over <= 0)
        return {};
    return u"%1 %2 \"%3\": %4 px too %5"_s.arg(where, widget->objectName(), text).arg(over).arg(
        qobject_cast<const QLabel *>(widget) && static_cast<const QLabel *>(widget)->wordWrap()
            ? u"high"_s
            : u"wide"_s);
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}

QStringList misfits(const QString &window, const QWidget *top)
{
    QStringList found;
    for (const QWidget *widget : top->findChildren<QWidget *>()) {
        const QString text = shownText(widget);
        if (!text.isEmpty())
            found << misfit(window, widget, text);
    }
    found.removeAll(QString());
    return found;
}

// The delivered program, measured.
class Program : public DeliveredProgram
{
public:
    using DeliveredProgram::DeliveredProgram;

    // Shows a window as the program does, so that it puts its texts on its
    // controls, and measures them.
    QStringList measured(QWidget *window)
    {
        window->show();
        QCoreApplication::processEvents();
        const QStringList found = misfits(window->objectName().isEmpty()
                                              ? QString::fromLatin1(window->metaObject()->className())
                                              : window->objectName(),
                                          window);
        window->hide();
        QCoreApplication::processEvents();
        return found;
    }

    QString languageText(const QString &section, const QString &key) const
    {
        return CaptionTexts::load(dir.path(u"sys/"_s + code() + u".lng"_s), section).text(key);
    }

    QString code() const { return windows->context.LanguageCode; }
};

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : LanguageCodes)
        QTest::newRow(qPrintable(code)) << code;
}

bool hasArialMetrics()
{
    QFont font(u"Arial"_s);
    const QString family = QFontInfo(font).family();
    return family == u"Arial"_s || family == u"Liberation Sans"_s;
}

} // namespace

class tst_TextsFit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyWindow_data() { addLanguageRows(); }
    void everyWindow();
    void drillStateTexts_data() { addLanguageRows(); }
    void drillStateTexts();
    void soundEditorBrowser_data() { addLanguageRows(); }
    void soundEditorBrowser();
};

void tst_TextsFit::init()
{
    if (!hasArialMetrics())
        QSKIP("no font with Arial's metrics");
}

void tst_TextsFit::everyWindow()
{
    QFETCH(QString, code);
    Program program(code);
    QCOMPARE(program.code(), code);
    QStringList found;
    int windows = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog) {
            found << program.measured(window);
            ++windows;
        }
    }
    QCOMPARE(windows, 13);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// The result line and the comment line with every text they can show, the
// chronometer button with both its captions.
void tst_TextsFit::drillStateTexts()
{
    QFETCH(QString, code);
    Program program(code);
    TFCalculator *drill = program.windows->FCalculator;
    drill->show();
    QCoreApplication::processEvents();

    const QString section = u"FCalculator"_s;
    QWidget *const mark = control<QLabel>(drill, u"Label11"_s);
    const std::pair<QWidget *, QStringList> shown[] = {
        {control<QLabel>(drill, u"Label12"_s),
         {u"vModeWaitingStateLbl"_s, u"vModeTimerStateLbl"_s, u"vModeMentalStateLbl"_s,
          u"vModeWrittenStateLbl"_s, u"vModeClickEnterStateLbl"_s}},
        {control<QLabel>(drill, u"Label6"_s),
         {u"vResultWaitLbl"_s, u"vResultRightLbl"_s, u"vResultWrongLbl"_s, u"vResultLateLbl"_s,
          u"vResultRightLateLbl"_s, u"vResultWrongLateLbl"_s}},
        {control<QPushButton>(drill, u"BitBtn12"_s), {u"vTimerGoBtn"_s, u"vTimerStopBtn"_s}},
        {mark, {u"vAverageCalc"_s}},
    };
    QStringList found;
    for (const auto &[widget, keys] : shown) {
        for (const QString &key : keys) {
            QString text = program.languageText(section, key);
            if (widget == mark)
                text = u"8,8 "_s + text; // the widest mark before its text
            if (auto *label = qobject_cast<QLabel *>(widget))
                label->setText(text);
            else
                static_cast<QPushButton *>(widget)->setText(text);
            found << misfit(section + u'/' + key, widget, text);
        }
    }
    drill->hide();
    found.removeAll(QString());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// The file browser of the sound set editor, opened as its button does.
void tst_TextsFit::soundEditorBrowser()
{
    QFETCH(QString, code);
    Program program(code);
    TFAudio *editor = program.windows->FAudio;
    editor->show();
    QCoreApplication::processEvents();
    QTest::mouseClick(control<QPushButton>(editor, u"BitBtn1"_s), Qt::LeftButton);
    // The browser's group then names the event; the set's own title, which
    // the user types, is not measured.
    editor->RadioGroup1Click(0);
    QCoreApplication::processEvents();
    const QStringList found = misfits(u"FAudio"_s, editor);
    editor->hide();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

QTEST_MAIN(tst_TextsFit)
#include "tst_TextsFit.moc"
