#include "Worksheets.h"

#include "LanguageKeys.h"
#include "WorksheetLook.h"

using namespace Qt::StringLiterals;

void Worksheets::presetTexts(const CaptionTexts &texts)
{
    const QString date = texts.text(u"vQRDateString"_s);
    for (ReportPage *page : std::initializer_list<ReportPage *>{&m_with, &m_without, &m_random, &m_grid})
        page->setText(WorksheetLook::DateText, date);

    m_random.setText(u"QRRandomTitle"_s, texts.text(u"vQRRandSheetTitle"_s));
    m_random.setText(u"QRRandomComment"_s, texts.text(u"vQRRandSheetComment"_s));
    m_random.setText(u"QROptions"_s, texts.text(u"vQROptions"_s));
    m_random.setText(u"QROptionCrossed"_s, texts.text(u"vQRRandSheetCrossed"_s));
    m_random.setText(u"QROptionMultiplier"_s, texts.text(u"vQRRandSheetMult"_s));

    const QString tablesTitle = texts.text(u"vQROtherSheetTitle"_s);
    m_without.setText(u"QROtherTitle"_s, tablesTitle);
    m_without.setText(u"QRComment"_s, texts.text(u"vQROtherSheetComment"_s));
    m_with.setText(u"QROtherTitle"_s, tablesTitle);
    m_grid.setText(u"QRGridCaption"_s, texts.text(QStringView(LanguageKeys::GridCaptionKey).toString()));
}

const ReportPage &Worksheets::makeRandom(const CaptionTexts &texts, const RandomWorksheetRequest &request)
{
    presetTexts(texts);
    m_random.setColumns(m_generator.make(request.draw));
    m_random.setText(u"QRRandomComment"_s, texts.text(u"vQRRandSheetComment"_s) + u' '
                                               + request.draw.tables.join(u", "_s) + u" *"_s);
    m_random.setText(u"QROptionCrossed"_s, texts.text(request.draw.crossed ? u"vQRRandSheetCrossed"_s
                                                                             : u"vQRRandSheetNotCrossed"_s));
    m_random.setText(u"QROptionMultiplier"_s, texts.text(u"vQRRandSheetMult"_s) + u' '
                                                  + QString::number(request.smallestMultiplicator));
    m_random.setText(u"QRLabel2"_s, request.operatorName);
    return m_random;
}

const ReportPage &Worksheets::makeWeak(const CaptionTexts &texts, const RandomWorksheetRequest &fallback,
                                       const std::optional<QList<Fact>> &facts)
{
    if (!facts) {
        makeRandom(texts, fallback);
        m_random.setText(u"QRRandomTitle"_s, texts.text(u"vQRWeakSheetTitle"_s));
        m_random.setText(u"QRRandomComment"_s, texts.text(u"vQRWeakFallback"_s) + u' '
                                                   + fallback.draw.tables.join(u", "_s) + u" *"_s);
        return m_random;
    }
    presetTexts(texts);
    m_random.setColumns(m_generator.make(*facts, fallback.draw.languageCode));
    m_random.setText(u"QRRandomTitle"_s, texts.text(u"vQRWeakSheetTitle"_s));
    m_random.setText(u"QRRandomComment"_s, texts.text(u"vQRWeakSheetComment"_s));
    // The options of the random sheet do not shape this one.
    for (const QString &option : {u"QROptions"_s, u"QROptionCrossed"_s, u"QROptionMultiplier"_s, u"QRLabel2"_s})
        m_random.setText(option, QString());
    return m_random;
}

const ReportPage &Worksheets::makeFixed(WorksheetKind kind, const CaptionTexts &texts)
{
    presetTexts(texts);
    return page(kind);
}

void Worksheets::emptyColumns()
{
    m_random.emptyColumns();
}

const ReportPage &Worksheets::page(WorksheetKind kind) const
{
    switch (kind) {
    case WorksheetKind::Random:
    case WorksheetKind::WeakFacts:
        return m_random;
    case WorksheetKind::WithoutAnswers:
        return m_without;
    case WorksheetKind::WithAnswers:
        return m_with;
    case WorksheetKind::Grid:
        break;
    }
    return m_grid;
}
