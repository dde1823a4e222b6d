#include "TFProgress.h"

#include "DailyChart.h"
#include "FactGrid.h"
#include "MasteryLegend.h"
#include "OperatorKind.h"
#include "WeakFacts.h"
#include "WindowSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *heading(QWidget *parent, const char *name)
{
    QLabel *label = named(new QLabel(parent), name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The language's own number and date formats; the system's for "New".
QLocale localeOf(const QString &languageCode)
{
    const QLocale locale(languageCode);
    return locale.language() == QLocale::C ? QLocale::system() : locale;
}

} // namespace

TFProgress::TFProgress(WindowSet &windows)
    : CaptionedDialog(windows, u"FProgress"_s, u"vFProgressCaption"_s)
    , MultiplyLbl(heading(this, "MultiplyLbl"))
    , DivideLbl(heading(this, "DivideLbl"))
    , MultiplyGrid(named(new FactGrid(FactSign::Multiply, this), "MultiplyGrid"))
    , DivideGrid(named(new FactGrid(FactSign::Divide, this), "DivideGrid"))
    , AxesLbl(named(new QLabel(this), "AxesLbl"))
    , Legend(named(new MasteryLegend(this), "Legend"))
    , TotalsLbl(heading(this, "TotalsLbl"))
    , ChartLbl(named(new QLabel(this), "ChartLbl"))
    , Chart(named(new DailyChart(this), "Chart"))
    , DrillWeakBtn(named(new QPushButton(this), "DrillWeakBtn"))
    , WeakSheetBtn(named(new QPushButton(this), "WeakSheetBtn"))
    , CloseBtn(named(new QPushButton(this), "CloseBtn"))
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
