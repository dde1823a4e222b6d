#pragma once

#include "PrintOutput.h"

#include <QDialog>

class QPrintPreviewWidget;
class QPrinter;

// The print preview: the page as it will come out, with zoom, printing on
// the default printer and saving as a PDF file.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    explicit ReportPreview(const PrintJob &job, QWidget *parent = nullptr);
    ~ReportPreview() override;

private:
    void paintPage(QPrinter *printer);

    PrintJob m_job;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_view;
};
