#include "TFProgress.h"

#include "AppContext.h"
#include "DailyChart.h"
#include "FactGrid.h"
#include "MasteryLegend.h"
#include "NamedChild.h"
#include "OperatorKind.h"
#include "WeakFacts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *heading(QWidget *parent, const QString &name)
{
    auto *label = makeNamed<QLabel>(parent, name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The whole caption and the style's margins each side of it, which the
// button's own size hint leaves a little short of.
void fitCaption(QPushButton *button)
{
    const QStyle *style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                             + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'))
                            + margins);
}

// The language's own number and date formats; the system's for "New".
QLocale localeOf(const QString &languageCode)
{
    const QLocale locale(languageCode);
    return locale.language() == QLocale::C ? QLocale::system() : locale;
}

} // namespace

TFProgress::TFProgress(AppContext &context)
    : CaptionedDialog(context, u"FProgress"_s, u"vFProgressCaption"_s)
    , MultiplyLbl(heading(this, u"MultiplyLbl"_s))
    , DivideLbl(heading(this, u"DivideLbl"_s))
    , MultiplyGrid(named(new FactGrid(FactSign::Multiply, this), u"MultiplyGrid"_s))
    , DivideGrid(named(new FactGrid(FactSign::Divide, this), u"DivideGrid"_s))
    , AxesLbl(makeNamed<QLabel>(this, u"AxesLbl"_s))
    , Legend(makeNamed<MasteryLegend>(this, u"Legend"_s))
    , TotalsLbl(heading(this, u"TotalsLbl"_s))
    , ChartLbl(makeNamed<QLabel>(this, u"ChartLbl"_s))
    , Chart(makeNamed<DailyChart>(this, u"Chart"_s))
    , DrillWeakBtn(makeNamed<QPushButton>(this, u"DrillWeakBtn"_s))
    , WeakSheetBtn(makeNamed<QPushButton>(this, u"WeakSheetBtn"_s))
    , CloseBtn(makeNamed<QPushButton>(this, u"CloseBtn"_s))
{
    AxesLbl->setWordWrap(true);
    ChartLbl->setWordWrap(true);
    MultiplyLbl->setBuddy(MultiplyGrid);
    DivideLbl->setBuddy(DivideGrid);
    MultiplyGrid->setModel(&m_model);
    DivideGrid->setModel(&m_model);
    CloseBtn->setDefault(true);

    auto *grids = new QGridLayout;
    grids->addWidget(MultiplyLbl, 0, 0);
    grids->addWidget(DivideLbl, 0, 1);
    grids->addWidget(MultiplyGrid, 1, 0);
    grids->addWidget(DivideGrid, 1, 1);
    grids->setHorizontalSpacing(24);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(DrillWeakBtn);
    buttons->addWidget(WeakSheetBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grids);
    layout->addWidget(AxesLbl);
    layout->addWidget(Legend);
    layout->addSpacing(6);
    layout->addWidget(TotalsLbl);
    layout->addSpacing(6);
    layout->addWidget(ChartLbl);
    layout->addWidget(Chart);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(DrillWeakBtn, &QPushButton::clicked, this, &TFProgress::DrillWeakBtnClick);
    connect(WeakSheetBtn, &QPushButton::clicked, this, &TFProgress::weakSheetRequested);
    connect(CloseBtn, &QPushButton::clicked, this, &TFProgress::accept);

    LoadCaptions();
}

void TFProgress::LoadCaptions()
{
    CaptionedDialog::LoadCaptions();
    applyTexts();
}

void TFProgress::FormShow()
{
    refresh();
    applyTexts();
    CaptionedDialog::FormShow();
    fitToWidth(std::max(layout()->minimumSize().width(), Chart->sizeHint().width() + 24));
    MultiplyGrid->setFocus();
}

void TFProgress::refresh()
{
    m_model = ProgressModel(context().history.answers(), QDate::currentDate());
    MultiplyGrid->update();
    DivideGrid->update();
    Chart->setDays(m_model.days());
    DrillWeakBtn->setEnabled(!WeakFacts::select(m_model).isEmpty());
    showTotals();
}

void TFProgress::applyTexts()
{
    const QLocale locale = localeOf(context().LanguageCode);
    FactGrid::Texts grid{text(u"vCellTip"_s), text(u"vCellNotSeenTip"_s),
                         {text(u"vNotSeenLbl"_s), text(u"vLearningLbl"_s), text(u"vShakyLbl"_s),
                          text(u"vKnownLbl"_s), text(u"vMasteredLbl"_s)},
                         OperatorKinds::divisionSign(context().LanguageCode), locale};
    MultiplyGrid->setTexts(grid);
    DivideGrid->setTexts(grid);
    Legend->setNames(grid.states);
    Chart->setTexts(text(u"vDayTip"_s), locale);

    MultiplyLbl->setText(text(u"vMultiplyGridLbl"_s));
    DivideLbl->setText(text(u"vDivideGridLbl"_s));
    MultiplyGrid->setAccessibleName(MultiplyLbl->text());
    DivideGrid->setAccessibleName(DivideLbl->text());
    AxesLbl->setText(text(u"vAxesLbl"_s));
    ChartLbl->setText(text(u"vChartLbl"_s));
    Chart->setAccessibleName(ChartLbl->text());
    DrillWeakBtn->setText(text(u"vDrillWeakBtn"_s));
    WeakSheetBtn->setText(text(u"vWeakSheetBtn"_s));
    CloseBtn->setText(text(u"vCloseBtn"_s));
    for (QPushButton *button : {DrillWeakBtn, WeakSheetBtn, CloseBtn})
        fitCaption(button);
    showTotals();
}

void TFProgress::showTotals()
{
    const QString totals = text(u"vTotalsLbl"_s);
    if (!totals.isEmpty())
        TotalsLbl->setText(totals.arg(m_model.answers()).arg(m_model.accuracy()).arg(m_model.mastered()));
    TotalsLbl->setAccessibleName(TotalsLbl->text());
}

void TFProgress::DrillWeakBtnClick()
{
    const QStringList lines = WeakFacts::recordLines(
        WeakFacts::drill(m_model), OperatorKinds::divisionSign(context().LanguageCode));
    accept();
    emit drillWeakFactsRequested(lines);
}
