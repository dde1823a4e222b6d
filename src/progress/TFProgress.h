#pragma once

#include "CaptionedDialog.h"
#include "ProgressModel.h"

#include <QStringList>

class DailyChart;
class FactGrid;
class MasteryLegend;
class QLabel;
class QPushButton;

// What the history says the pupil knows: a grid of the multiplications and
// one of the divisions, the totals and the answers of the last eight weeks.
// Its two buttons ask for a drill and a worksheet of the weak facts.
class TFProgress : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFProgress(AppContext &context);

    void LoadCaptions() override;

    // Reads the history again and shows what it says.
    void refresh();
    const ProgressModel &model() const { return m_model; }

signals:
    // The operations to review, as lines of the drill's record list; the
    // window has closed.
    void drillWeakFactsRequested(const QStringList &recordLines);
    void weakSheetRequested();

protected:
    void FormShow() override;

private:
    QLabel *MultiplyLbl;
    QLabel *DivideLbl;
    FactGrid *MultiplyGrid;
    FactGrid *DivideGrid;
    QLabel *AxesLbl;
    MasteryLegend *Legend;
    QLabel *TotalsLbl;
    QLabel *ChartLbl;
    DailyChart *Chart;
    QPushButton *DrillWeakBtn;
    QPushButton *WeakSheetBtn;
    QPushButton *CloseBtn;

    void applyTexts();
    void showTotals();
    void DrillWeakBtnClick();

    ProgressModel m_model;
};
