#include "WorksheetOutput.h"

#include "Messages.h"
#include "PrintOutput.h"
#include "PrintSystem.h"
#include "ReportPage.h"
#include "ReportPainter.h"
#include "ReportPdf.h"

#include <QFileDialog>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString withoutShortcut(QString caption)
{
    return caption.remove(u'&');
}

} // namespace

WorksheetOutput::WorksheetOutput(const CaptionTexts &texts)
    : m_texts(texts)
{
}

PrintJob WorksheetOutput::job(const ReportPage &page) const
{
    PrintJob job;
    job.title = u"Numerillo"_s;
    job.paint = [page](QPainter &painter) { ReportPainter::paint(painter, page); };
    job.printCaption = m_texts.text(u"vPrintBtnCaption"_s);
    job.saveCaption = m_texts.text(u"vSavePdfBtn"_s);
    job.print = [output = *this, page] { output.print(page); };
    job.save = [output = *this, page](QWidget *parent) { output.saveAsPdf(page, parent); };
    return job;
}

void WorksheetOutput::preview(const ReportPage &page, bool modal) const
{
    QString error;
    if (!PrintSystem::output().preview(job(page), modal, error))
        Messages::show(error);
}

bool WorksheetOutput::print(const ReportPage &page) const
{
    QString error;
    switch (PrintSystem::output().print(job(page), error)) {
    case PrintOutput::Result::Printed:
        return true;
    case PrintOutput::Result::NoPrinter:
        Messages::show(m_texts.text(u"vNoPrinterMsg"_s));
        return false;
    case PrintOutput::Result::Failed:
        break;
    }
    Messages::show(m_texts.text(u"vPrintFailedMsg"_s).replace(u"%s"_s, error));
    return false;
}

void WorksheetOutput::saveAsPdf(const ReportPage &page, QWidget *parent) const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(parent, withoutShortcut(m_texts.text(u"vSavePdfBtn"_s)),
                                                      folder + u"/worksheet.pdf"_s, u"PDF (*.pdf)"_s);
    if (path.isEmpty())
        return;
    Messages::showFailure(ReportPdf::write(path, u"Numerillo"_s, {page}), path);
}
