#pragma once

#include "CaptionTexts.h"

class QWidget;
class ReportPage;
struct PrintJob;

// Sends a worksheet to the screen or to paper through the program's print
// output, and tells the user when nothing came out.
class WorksheetOutput
{
public:
    // The print dialog's texts: its buttons and messages.
    explicit WorksheetOutput(const CaptionTexts &texts);

    // A modal preview returns once the user closed it; a non-modal one keeps
    // its own copy of the page.
    void preview(const ReportPage &page, bool modal) const;
    // On the default printer; false, after a message, when nothing was printed.
    bool print(const ReportPage &page) const;
    // Asks for a file name and writes the page there as PDF.
    void saveAsPdf(const ReportPage &page, QWidget *parent) const;

private:
    PrintJob job(const ReportPage &page) const;

    CaptionTexts m_texts;
};
