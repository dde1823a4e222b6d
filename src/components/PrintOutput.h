#pragma once

#include <QString>

#include <functional>

class QPainter;
class QWidget;

// One page to preview or print, as the program hands it to the printing
// module: how to draw it, and what the preview's buttons do.
struct PrintJob
{
    QString title;
    // Draws the page with the paper's top-left corner at the origin.
    std::function<void(QPainter &painter)> paint;
    QString printCaption;
    QString saveCaption;
    // The preview's buttons: print on the default printer, save as a PDF file.
    std::function<void()> print;
    std::function<void(QWidget *parent)> save;
};

// Printing and print preview, with Qt's print support behind them.
class PrintOutput
{
public:
    enum class Result { Printed, NoPrinter, Failed };

    virtual ~PrintOutput() = default;

    // A modal preview returns when the user closes it; a non-modal one
    // returns at once and lives on its own, with its own copy of the job.
    // False, with the reason, when no preview could be shown.
    virtual bool preview(const PrintJob &job, bool modal, QString &errorText) = 0;

    // One copy on the system's default printer, without a printer dialog.
    virtual Result print(const PrintJob &job, QString &errorText) = 0;
};
