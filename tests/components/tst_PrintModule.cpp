#include "LoadedPrintOutput.h"

#include <QApplication>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QWidget *preview()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"ReportPreview" && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class tst_PrintModule : public QObject
{
    Q_OBJECT

private slots:
    void previewDrawsThePageAndOffersItsButtons();
    void missingModuleIsReported();
};

// Through the real module: the preview draws the page and its buttons run
// what the program gave them; it lives on its own until closed.
void tst_PrintModule::previewDrawsThePageAndOffersItsButtons()
{
    LoadedPrintOutput output(QStringLiteral(NUMERILLO_PRINT_MODULE));
    int paints = 0;
    int prints = 0;
    int saves = 0;
    PrintJob job;
    job.title = u"Sheet"_s;
    job.paint = [&](QPainter &painter) {
        ++paints;
        painter.drawText(QPointF(100, 100), u"Hello"_s);
    };
    job.printCaption = u"Print it"_s;
    job.saveCaption = u"Keep it"_s;
    job.print = [&] { ++prints; };
    job.save = [&](QWidget *) { ++saves; };

    QString error;
    QVERIFY(output.preview(job, false, error));
    QWidget *window = preview();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), u"Sheet"_s);
    QVERIFY(window->findChild<QPrintPreviewWidget *>());
    QTRY_VERIFY(paints > 0);

    auto *tools = window->findChild<QToolBar *>(u"PreviewTools"_s);
    QVERIFY(tools);
    for (QAction *action : tools->actions()) {
        if (action->text() == u"Print it" || action->text() == u"Keep it")
            action->trigger();
    }
    QCOMPARE(prints, 1);
    QCOMPARE(saves, 1);
    window->close();
    QTRY_VERIFY(!preview());
}

void tst_PrintModule::missingModuleIsReported()
{
    QTemporaryDir dir;
    LoadedPrintOutput output(dir.filePath(u"numerillo-print"_s));
    QString error;
    QVERIFY(!output.preview(PrintJob(), true, error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QCOMPARE(output.print(PrintJob(), error), PrintOutput::Result::Failed);
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(tst_PrintModule)
#include "tst_PrintModule.moc"
