#pragma once

#include "CaptionTexts.h"
#include "RandomSheetGenerator.h"
#include "TRPrintAllWith.h"
#include "TRPrintAllWithout.h"
#include "TRPrintGrid.h"
#include "TRPrintRandom.h"

#include <optional>

enum class WorksheetKind { Random, WithoutAnswers, WithAnswers, Grid, WeakFacts };

// Everything the random worksheet is made from.
struct RandomWorksheetRequest
{
    RandomSheetRequest draw;
    QString operatorName;      // the operator's name in the current language
    int smallestMultiplicator = 1;
};

// The four worksheet pages and the draws of the random one. The print dialog
// and the command line fill them from the texts of the language file.
class Worksheets
{
public:
    // The texts that do not depend on a request.
    void presetTexts(const CaptionTexts &texts);

    // A freshly drawn random worksheet with its header.
    const ReportPage &makeRandom(const CaptionTexts &texts, const RandomWorksheetRequest &request);
    // The random worksheet drawn from the weak facts with their families; with
    // no facts, from the request's tables, and the sheet says so.
    const ReportPage &makeWeak(const CaptionTexts &texts, const RandomWorksheetRequest &fallback,
                               const std::optional<QList<Fact>> &facts);
    // One of the three fixed pages with its texts.
    const ReportPage &makeFixed(WorksheetKind kind, const CaptionTexts &texts);

    // The random worksheet's columns are empty outside the making of one.
    void emptyColumns();

    const ReportPage &page(WorksheetKind kind) const;

private:
    TRPrintAllWith m_with;
    TRPrintAllWithout m_without;
    TRPrintRandom m_random;
    TRPrintGrid m_grid;
    RandomSheetGenerator m_generator;
};
