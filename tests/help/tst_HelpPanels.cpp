#include "AppDirFixture.h"
#include "HelpPanel.h"
#include "HtmlView.h"
#include "LinkRecorder.h"
#include "MessageRecorder.h"
#include "TFCalculator.h"
#include "TFStart.h"
#include "TGradient.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString LongTarget = QString(10000, u'x') + u".html"_s;

// The links of the fixture's English page, each on a line of its own.
const QStringList Links = {u"mailto:pupil@school.example"_s,
                           u"MAILTO:TEACHER@SCHOOL.EXAMPLE"_s,
                           u"http://numerillo.example/"_s,
                           u"HTTP://NUMERILLO.EXAMPLE/PAGE"_s,
                           u"https://numerillo.example/secure"_s,
                           u"HTTPS://NUMERILLO.EXAMPLE/"_s,
                           u"#tables"_s,
                           u"more.html"_s,
                           u"help/keypad.png"_s,
                           u"file:///etc/passwd"_s,
                           u"../outside.html"_s,
                           u"escape.html"_s,
                           LongTarget};

QByteArray englishPage()
{
    QByteArray page = "<html><head><meta charset=\"windows-1252\"></head><body><p>English help</p>";
    for (const QString &link : Links)
        page += "<p><a href=\"" + link.toLatin1() + "\">link</a></p>";
    page += "<img src=\"help/missing.png\"><img src=\"file:///etc/passwd\">";
    for (int i = 0; i < 60; ++i)
        page += "<p>More about the tables.</p>";
    page += "<h2><a name=\"tables\">Tables</a></h2><p>The tables.</p></body></html>";
    return page;
}

QByteArray languageFile(const char *hint, const char *close)
{
    return QByteArray("[FCalculator]\r\nvHelpTopInfoLbl=") + hint + "\r\nvHelpCloseBtn=" + close
           + "\r\nvCaptionBtn1=&Back\r\n";
}

// A program folder with English and French help, sound off, the start
// window and the drill window ready to be shown.
class HelpRun
{
public:
    HelpRun()
    {
        dir.write(u"sys/multable.ini"_s, "[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=0\r\n");
        dir.write(u"sys/choices.txt"_s, "3\r\n");
        dir.write(u"sys/en.lng"_s, languageFile("Click the blue words.", "&Close"));
        dir.write(u"sys/fr.lng"_s, languageFile("Cliquez sur les mots bleus.", "&Fermer"));
        dir.write(u"sys/enOpSel.txt"_s, "Multiply\r\nDivide\r\nAlternate\r\nRandom\r\n");
        dir.write(u"sys/en-help.html"_s, englishPage());
        dir.write(u"sys/fr-help.html"_s, "<html><body><p>Aide en fran\xe7" "ais</p></body></html>");
        dir.write(u"sys/more.html"_s, "<html><body><p>Another page</p></body></html>");
        dir.write(u"sys/help/keypad.png"_s, QByteArray());
        dir.write(u"outside.html"_s, "<html><body><p>Outside</p></body></html>");
        QFile::link(u"/etc/passwd"_s, dir.path(u"sys/escape.html"_s));
        windows = std::make_unique<WindowSet>(dir.path());
        if (!windows->create())
            qFatal("the windows could not be made");
        start = windows->FStart;
        drill = windows->FCalculator;
    }

    ~HelpRun()
    {
        drill->hide();
        start->hide();
    }

    // Opens the start window's help from its menu.
    void openStartHelp()
    {
        start->show();
        control<QAction>(start, u"Help1"_s)->trigger();
    }

    // Shows the drill window and opens its help with its button.
    void openDrillHelp()
    {
        drill->show();
        QCoreApplication::processEvents();
        QTest::mouseClick(control<QPushButton>(drill, u"BitBtn9"_s), Qt::LeftButton);
    }

    void openHelp(bool inDrill)
    {
        if (inDrill)
            openDrillHelp();
        else
            openStartHelp();
    }

    HelpPanel *panel(bool inDrill) const { return inDrill ? control<HelpPanel>(drill, u"Panel14"_s) : control<HelpPanel>(start, u"Panel4"_s); }
    HtmlView *page(bool inDrill) const { return panel(inDrill)->findChild<HtmlView *>(u"htmlLite1"_s); }

    // Clicks the link with the given target where it stands on the page.
    static void clickLink(HtmlView *view, const QString &target)
    {
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != target)
                    continue;
                QTextCursor cursor(view->document());
                cursor.setPosition(fragment.position() + 1);
                view->setTextCursor(cursor);
                view->ensureCursorVisible();
                const QPoint at = view->cursorRect(cursor).center();
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        }
        QFAIL(qPrintable(u"no link to "_s + target.left(40)));
    }

    QStringList drillTopBarDisabled() const
    {
        QStringList disabled;
        for (const char *name : {"BitBtn1", "BitBtn6", "BitBtn8", "BitBtn9", "BitBtn10", "OpSel"}) {
            if (!drill->findChild<QWidget *>(QString::fromLatin1(name))->isEnabled())
                disabled << QString::fromLatin1(name);
        }
        return disabled;
    }

    AppDirFixture dir;
    MessageRecorder messages;
    LinkRecorder links;
    std::unique_ptr<WindowSet> windows;
    TFStart *start = nullptr;
    TFCalculator *drill = nullptr;
};

} // namespace

class tst_HelpPanels : public QObject
{
    Q_OBJECT

private slots:
    void startPanelOpensFromTheMenu();
    void drillPanelOpensFromItsButton();
    void hiddenPanelsHaveTheirBarLaidOut_data();
    void hiddenPanelsHaveTheirBarLaidOut();
    void enterClosesTheDrillPanel();
    void enterClosesTheStartPanelInsteadOfStartingADrill();
    void closingTheDrillWindowLeavesItWhole();
    void heightFollowsTheBackground_data();
    void heightFollowsTheBackground();
    void linkRouting_data();
    void linkRouting();
    void missingPage_data();
    void missingPage();
    void languageChangeShowsTheNewPageAtTheNextOpening_data();
    void languageChangeShowsTheNewPageAtTheNextOpening();
    void pageEncoding_data();
    void pageEncoding();
    void hostilePages_data();
    void hostilePages();
    void readsNothingOutsideThePageFolder();
};

void tst_HelpPanels::startPanelOpensFromTheMenu()
{
    HelpRun run;
    run.openStartHelp();
    HelpPanel *panel = control<HelpPanel>(run.start, u"Panel4"_s);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(129, 7, 489, control<TGradient>(run.start, u"Gradient1"_s)->height() - 20));
    QCOMPARE(panel->findChild<QLabel *>(u"Label5"_s)->text(), u"Click the blue words."_s);
    QCOMPARE(panel->findChild<QLabel *>(u"Label5"_s)->font(), QFont(u"Arial"_s, 10));
    QCOMPARE(panel->findChild<QWidget *>(u"Panel5"_s)->height(), 41);
    QCOMPARE(panel->findChild<QPushButton *>(u"BitBtn6"_s)->text(), u"&Close"_s);
    HtmlView *page = run.page(false);
    QVERIFY(page->toPlainText().startsWith(u"English help"_s));
    QCOMPARE(page->document()->defaultFont().family(), u"Times New Roman"_s);
    QCOMPARE(page->window()->focusWidget(), page);
    QTest::mouseClick(panel->findChild<QPushButton *>(u"BitBtn6"_s), Qt::LeftButton);
    QVERIFY(panel->isHidden());
}

void tst_HelpPanels::drillPanelOpensFromItsButton()
{
    HelpRun run;
    run.openDrillHelp();
    TFCalculator *d = run.drill;
    HelpPanel *panel = control<HelpPanel>(d, u"Panel14"_s);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry().center().x(), control<QWidget>(d, u"Panel12"_s)->rect().center().x());
    QCOMPARE(panel->x(), 127);
    QCOMPARE(panel->width(), 491);
    QCOMPARE(panel->height(), control<TGradient>(d, u"Gradient1"_s)->height() - 40);
    QCOMPARE(panel->findChild<QWidget *>(u"Panel15"_s)->height(), 38);
    QCOMPARE(panel->findChild<QLabel *>(u"Label1"_s)->text(), u"Click the blue words."_s);
    QVERIFY(control<QFrame>(d, u"Panel5"_s)->isHidden());
    QVERIFY(control<QPushButton>(d, u"Button1"_s)->isHidden());
    QCOMPARE(run.drillTopBarDisabled(),
             QStringList({u"BitBtn1"_s, u"BitBtn6"_s, u"BitBtn8"_s, u"BitBtn9"_s, u"BitBtn10"_s, u"OpSel"_s}));
    HtmlView *page = run.page(true);
    QCOMPARE(page->document()->defaultFont().family(), u"Arial"_s);
    QCOMPARE(page->document()->rootFrame()->frameFormat().leftMargin(), 5.0);
    QCOMPARE(page->document()->rootFrame()->frameFormat().topMargin(), 0.0);
    QCOMPARE(page->window()->focusWidget(), page);
    // In front of the other controls of the drill area.
    QCOMPARE(control<QWidget>(d, u"Panel12"_s)->children().last(), panel);

    QTest::mouseClick(panel->findChild<QPushButton *>(u"BitBtn4"_s), Qt::LeftButton);
    QVERIFY(panel->isHidden());
    QVERIFY(control<QFrame>(d, u"Panel5"_s)->isVisible());
    QVERIFY(!control<QPushButton>(d, u"Button1"_s)->isHidden());
    QVERIFY(run.drillTopBarDisabled().isEmpty());
    QCOMPARE(d->focusWidget(), control<QLineEdit>(d, u"Ans"_s));
}

void tst_HelpPanels::hiddenPanelsHaveTheirBarLaidOut_data()
{
    QTest::addColumn<bool>("inDrill");
    QTest::newRow("start") << false;
    QTest::newRow("drill") << true;
}

// Before help is first opened, the hint already has the place it gets on
// screen: what measures the window's texts sees the real room.
void tst_HelpPanels::hiddenPanelsHaveTheirBarLaidOut()
{
    QFETCH(bool, inDrill);
    HelpRun run;
    QWidget *window = inDrill ? static_cast<QWidget *>(run.drill) : run.start;
    window->show();
    QCoreApplication::processEvents();
    HelpPanel *panel = run.panel(inDrill);
    const auto *hint = panel->findChild<QLabel *>(inDrill ? u"Label1"_s : u"Label5"_s);
    QVERIFY(panel->isHidden());
    const QRect hidden = hint->geometry();
    QVERIFY2(hidden.width() > panel->width() / 2, qPrintable(QString::number(hidden.width())));

    run.openHelp(inDrill);
    QVERIFY(panel->isVisible());
    QCOMPARE(hint->geometry(), hidden);
}

void tst_HelpPanels::enterClosesTheDrillPanel()
{
    HelpRun run;
    run.openDrillHelp();
    QTest::keyClick(run.page(true), Qt::Key_Return);
    QVERIFY(control<HelpPanel>(run.drill, u"Panel14"_s)->isHidden());
    QVERIFY(control<QFrame>(run.drill, u"Panel5"_s)->isVisible());
    // Enter answers again.
    const int operations = run.windows->context.drill.OperationCount;
    QTest::keyClicks(control<QLineEdit>(run.drill, u"Ans"_s), u"5"_s);
    QTest::keyClick(control<QLineEdit>(run.drill, u"Ans"_s), Qt::Key_Return);
    QCOMPARE(run.windows->context.drill.OperationCount, operations + 1);
}

void tst_HelpPanels::enterClosesTheStartPanelInsteadOfStartingADrill()
{
    HelpRun run;
    run.openStartHelp();
    QVERIFY(control<QPushButton>(run.start, u"BitBtn2"_s)->isEnabled()); // a table is ticked
    bool drillStarted = false;
    QTimer::singleShot(0, run.drill, [&] {
        if (run.drill->isVisible()) {
            drillStarted = true;
            run.drill->reject();
        }
    });
    QTest::keyClick(run.page(false), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(control<HelpPanel>(run.start, u"Panel4"_s)->isHidden());
    QVERIFY(!drillStarted);
}

void tst_HelpPanels::closingTheDrillWindowLeavesItWhole()
{
    HelpRun run;
    run.openDrillHelp();
    run.drill->reject();
    QVERIFY(!run.drill->isVisible());
    run.drill->show();
    QCoreApplication::processEvents();
    QVERIFY(control<HelpPanel>(run.drill, u"Panel14"_s)->isHidden());
    QVERIFY(control<QFrame>(run.drill, u"Panel5"_s)->isVisible());
    QVERIFY(control<QPushButton>(run.drill, u"Button1"_s)->isVisible());
    QVERIFY(run.drillTopBarDisabled().isEmpty());
}

void tst_HelpPanels::heightFollowsTheBackground_data()
{
    QTest::addColumn<bool>("inDrill");
    QTest::addColumn<int>("less");
    QTest::newRow("start window") << false << 20;
    QTest::newRow("drill window") << true << 40;
}

void tst_HelpPanels::heightFollowsTheBackground()
{
    QFETCH(bool, inDrill);
    QFETCH(int, less);
    HelpRun run;
    run.openHelp(inDrill);
    QWidget *window = inDrill ? static_cast<QWidget *>(run.drill) : run.start;
    const TGradient *background = inDrill ? control<TGradient>(run.drill, u"Gradient1"_s) : control<TGradient>(run.start, u"Gradient1"_s);
    for (const QSize size : {QSize(1000, 800), QSize(900, 620)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        HelpPanel *panel = run.panel(inDrill);
        QCOMPARE(panel->height(), background->height() - less);
        QCOMPARE(panel->geometry().center().x(), background->rect().center().x());
        QVERIFY(run.page(inDrill)->geometry().bottom() < panel->height());
    }
}

void tst_HelpPanels::linkRouting_data()
{
    QTest::addColumn<bool>("inDrill");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("toTheSystem");
    QTest::addColumn<QString>("shows"); // the page's text afterwards

    for (bool inDrill : {false, true}) {
        const char *window = inDrill ? "drill" : "start";
        const auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s: %s", window, name) << inDrill; };
        row("mail") << Links[0] << true << u"English help"_s;
        row("mail in capitals") << Links[1] << true << u"English help"_s;
        row("web") << Links[2] << true << u"English help"_s;
        row("web in capitals") << Links[3] << true << u"English help"_s;
        row("secure web") << Links[4] << true << u"English help"_s;
        row("secure web in capitals") << Links[5] << true << u"English help"_s;
        row("anchor") << Links[6] << false << u"English help"_s;
        row("local page") << Links[7] << false << u"Another page"_s;
        row("system file") << Links[9] << false << u"English help"_s;
        row("page above the help folder") << Links[10] << false << u"English help"_s;
        row("link that leads out of the folder") << Links[11] << false << u"English help"_s;
        row("target of 10,000 characters") << Links[12] << false << u"English help"_s;
    }
}

void tst_HelpPanels::linkRouting()
{
    QFETCH(bool, inDrill);
    QFETCH(QString, target);
    QFETCH(bool, toTheSystem);
    QFETCH(QString, shows);
    HelpRun run;
    run.openHelp(inDrill);
    HtmlView *page = run.page(inDrill);
    const QUrl before = page->source();
    HelpRun::clickLink(page, target);
    QCOMPARE(run.links.opened, toTheSystem ? QList<QUrl>{QUrl(target)} : QList<QUrl>{});
    QVERIFY2(page->toPlainText().startsWith(shows), qPrintable(page->toPlainText().left(60)));
    if (target.startsWith(u'#')) {
        QCOMPARE(page->source().fragment(), u"tables"_s);
        QVERIFY(page->verticalScrollBar()->value() > 0);
    } else if (shows == u"English help"_s) {
        QCOMPARE(page->source(), before);
    }
    QVERIFY(!page->isBackwardAvailable()); // no history of visited pages
    QVERIFY(run.messages.messages.isEmpty());
}

void tst_HelpPanels::missingPage_data()
{
    QTest::addColumn<bool>("inDrill");
    QTest::newRow("start window") << false;
    QTest::newRow("drill window") << true;
}

void tst_HelpPanels::missingPage()
{
    QFETCH(bool, inDrill);
    HelpRun run;
    run.dir.remove(u"sys/en-help.html"_s);
    run.openHelp(inDrill);
    QCOMPARE(run.messages.messages,
             QStringList{u"Can't locate file: "_s + QDir::toNativeSeparators(run.dir.path(u"sys/en-help.html"_s))});
    QVERIFY(run.panel(inDrill)->isHidden());
    if (inDrill) {
        QVERIFY(run.drillTopBarDisabled().isEmpty());
        QVERIFY(control<QFrame>(run.drill, u"Panel5"_s)->isVisible());
        QVERIFY(control<QPushButton>(run.drill, u"Button1"_s)->isVisible());
    }
}

void tst_HelpPanels::languageChangeShowsTheNewPageAtTheNextOpening_data()
{
    missingPage_data();
}

void tst_HelpPanels::languageChangeShowsTheNewPageAtTheNextOpening()
{
    QFETCH(bool, inDrill);
    HelpRun run;
    run.openHelp(inDrill);
    QVERIFY(run.page(inDrill)->toPlainText().startsWith(u"English help"_s));
    run.start->selectLanguage(u"fr"_s);
    QVERIFY(run.page(inDrill)->toPlainText().startsWith(u"English help"_s)); // until it opens again
    QTest::mouseClick(run.panel(inDrill)->closeButton(), Qt::LeftButton);
    run.openHelp(inDrill);
    QCOMPARE(run.page(inDrill)->toPlainText(), u"Aide en fran\u00e7ais"_s);
    QCOMPARE(run.panel(inDrill)->closeButton()->text(), u"&Fermer"_s);
}

void tst_HelpPanels::pageEncoding_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("undeclared: Windows-1252") << QByteArray("<p>\x80 5 \xf7 \xe9t\xe9</p>");
    QTest::newRow("declared Windows-1252")
        << QByteArray("<meta charset=\"windows-1252\"><p>\x80 5 \xf7 \xe9t\xe9</p>");
    QTest::newRow("declared UTF-8")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                      "<p>\xe2\x82\xac 5 \xc3\xb7 \xc3\xa9t\xc3\xa9</p>");
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf<p>\xe2\x82\xac 5 \xc3\xb7 \xc3\xa9t\xc3\xa9</p>");
}

// A page made by a user in the program's own code page shows right, and so
// does one that names another encoding.
void tst_HelpPanels::pageEncoding()
{
    QFETCH(QByteArray, content);
    HelpRun run;
    run.dir.write(u"sys/en-help.html"_s, content);
    run.openStartHelp();
    QCOMPARE(run.page(false)->toPlainText(), u"\u20ac 5 \u00f7 \u00e9t\u00e9"_s);
}

void tst_HelpPanels::hostilePages_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("begins");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x89PNG\x00\x00", 10) << QString();
    QByteArray huge = "<html><body><p>Huge page</p>";
    while (huge.size() < 5 * 1024 * 1024)
        huge += "<p>Lots and lots of text about the multiplication tables.</p>";
    QTest::newRow("5 MB") << huge << u"Huge page"_s;
}

void tst_HelpPanels::hostilePages()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, begins);
    HelpRun run;
    run.dir.write(u"sys/en-help.html"_s, content);
    run.openStartHelp();
    QVERIFY(control<HelpPanel>(run.start, u"Panel4"_s)->isVisible());
    QVERIFY(run.messages.messages.isEmpty());
    const QString shown = run.page(false)->toPlainText();
    QVERIFY(shown.startsWith(begins));
    QVERIFY(shown.size() <= HtmlView::MaxBytes);
}

void tst_HelpPanels::readsNothingOutsideThePageFolder()
{
    HelpRun run;
    run.openDrillHelp();
    HtmlView *page = run.page(true);
    QVERIFY(page->loadResource(QTextDocument::ImageResource, QUrl(u"file:///etc/passwd"_s)).isNull());
    QVERIFY(page->loadResource(QTextDocument::HtmlResource, QUrl(u"../outside.html"_s)).isNull());
    QVERIFY(page->loadResource(QTextDocument::HtmlResource, QUrl(u"escape.html"_s)).isNull());
    QVERIFY(page->loadResource(QTextDocument::ImageResource, QUrl(u"help/missing.png"_s)).isNull());
    QCOMPARE(page->loadResource(QTextDocument::ImageResource, QUrl(u"more.html"_s)).toByteArray(),
             run.dir.read(u"sys/more.html"_s));
}

QTEST_MAIN(tst_HelpPanels)
#include "tst_HelpPanels.moc"
