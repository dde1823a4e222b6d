#pragma once

#include "PrintOutput.h"

#include <QList>
#include <QStringList>

// Records what the program sends to the screen or to paper instead of
// opening a preview or printing, with the texts each page shows.
class FakePrintOutput : public PrintOutput
{
public:
    struct Output
    {
        bool preview = false;
        bool modal = false;
        QStringList texts; // every text drawn on the page, in drawing order
        QString printCaption;
        QString saveCaption;
    };

    FakePrintOutput();
    ~FakePrintOutput() override;

    bool preview(const PrintJob &job, bool modal, QString &errorText) override;
    Result print(const PrintJob &job, QString &errorText) override;

    QList<Output> outputs;
    Result printResult = Result::Printed;
    QString printError;

    // The texts a job draws on its page.
    static QStringList textsOf(const PrintJob &job);
};
