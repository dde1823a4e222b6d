#include "PrinterOutput.h"

#include "ReportPreview.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool PrinterOutput::preview(const PrintJob &job, bool modal, QString &)
{
    auto *window = new ReportPreview(job);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (modal) {
        window->exec();
    } else {
        window->setModal(false);
        window->show();
    }
    return true;
}

PrintOutput::Result PrinterOutput::print(const PrintJob &job, QString &errorText)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull() || target.printerName().isEmpty())
        return Result::NoPrinter;

    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(job.title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);

    QPainter painter;
    if (!painter.begin(&printer)) {
        errorText = target.printerName();
        return Result::Failed;
    }
    job.paint(painter);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        errorText = target.printerName();
        return Result::Failed;
    }
    return Result::Printed;
}
