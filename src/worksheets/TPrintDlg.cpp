#include "TPrintDlg.h"

#include "AppContext.h"
#include "ControlNames.h"
#include "Messages.h"
#include "NamedChild.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "SettingsFile.h"
#include "WeakFactSheet.h"
#include "WorksheetOutput.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int DialogWidth = 430;

} // namespace

TPrintDlg::TPrintDlg(AppContext &context)
    : CaptionedDialog(context, u"PrintDlg"_s, u"vPrintDlgCaption"_s)
    , RadioButton3(makeNamed<QRadioButton>(this, u"RadioButton3"_s))
    , OperBox(makeNamed<QComboBox>(this, u"OperBox"_s))
    , RadioButton2(makeNamed<QRadioButton>(this, u"RadioButton2"_s))
    , RadioButton1(makeNamed<QRadioButton>(this, u"RadioButton1"_s))
    , RadioButton4(makeNamed<QRadioButton>(this, u"RadioButton4"_s))
    , GroupBox1(makeNamed<QGroupBox>(this, u"GroupBox1"_s))
    , RadioGroup1(makeNamed<QGroupBox>(this, u"RadioGroup1"_s))
    , RadioGroup1Items{makeNamed<QRadioButton>(this, u"RadioGroup1Item0"_s),
                       makeNamed<QRadioButton>(this, u"RadioGroup1Item1"_s)}
    , OKBtn(makeNamed<QPushButton>(this, u"OKBtn"_s))
    , CancelBtn(makeNamed<QPushButton>(this, u"CancelBtn"_s))
{
    makeFixedDialog();

    auto *sheetLayout = new QVBoxLayout(GroupBox1);
    sheetLayout->addWidget(RadioButton3);
    auto *operatorRow = new QHBoxLayout;
    operatorRow->addSpacing(24);
    operatorRow->addWidget(OperBox, 1);
    operatorRow->addSpacing(24);
    sheetLayout->addLayout(operatorRow);
    sheetLayout->addSpacing(6);
    for (QRadioButton *button : {RadioButton2, RadioButton1, RadioButton4})
        sheetLayout->addWidget(button);
    RadioButton3->setChecked(true);

    auto *outputLayout = new QVBoxLayout(RadioGroup1);
    for (QRadioButton *item : RadioGroup1Items)
        outputLayout->addWidget(item);
    RadioGroup1Items[0]->setChecked(true);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(RadioGroup1);
    bottom->addStretch();
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(bottom);

    connect(OKBtn, &QPushButton::clicked, this, &TPrintDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPrintDlg::reject);
    LoadCaptions();
}

void TPrintDlg::setDrillOperator(std::function<int()> drillOperator)
{
    m_drillOperator = std::move(drillOperator);
}

void TPrintDlg::FormShow()
{
    CaptionedDialog::FormShow();
    loadOperators();
    selectOperator();
    RadioButton3->setText(text(u"vRandomRBCaption"_s));
    RadioButton2->setText(text(u"vNoAnswerRBCaption"_s));
    RadioButton1->setText(text(u"vWithAnswerRBCaption"_s));
    RadioButton4->setText(text(u"vGridRBCaption"_s));
    // The choice of sheets has no title of its own: it answers the
    // dialog's question.
    ControlNames::name(GroupBox1, text(u"vPrintDlgCaption"_s));
    RadioGroup1->setTitle(text(u"vRadioGroup1Caption"_s));
    RadioGroup1Items[0]->setText(text(u"vRG1Item0Lbl"_s));
    RadioGroup1Items[1]->setText(text(u"vRG1Item1Lbl"_s));
    OKBtn->setText(text(u"vPrintBtnCaption"_s));
    CancelBtn->setText(text(u"vCancelBtnCaption"_s));
    m_worksheets.presetTexts(texts());
    fitToWidth(DialogWidth);
}

void TPrintDlg::loadOperators()
{
    const AppContext &ctx = context();
    const std::optional<QStringList> names = OperatorList::load(ctx.AppDir, ctx.LanguageCode);
    if (!names) {
        const QString path = ctx.path(OperatorList::relativePath(ctx.LanguageCode));
        Messages::show(u"Cannot open file %1"_s.arg(QDir::toNativeSeparators(path)));
    }
    OperBox->clear();
    OperBox->addItems(OperatorList::complete(names.value_or(QStringList())));
}

// The drill window's operator once it has been shown; before that the one
// stored in the settings, which is set right in the file when it names none.
void TPrintDlg::selectOperator()
{
    const int drill = m_drillOperator ? m_drillOperator() : -1;
    if (drill >= 0 && drill < OperBox->count()) {
        OperBox->setCurrentIndex(drill);
        return;
    }
    ProfileFile settings(context().path(SettingsFile::RelativePath));
    const int stored = SettingsFile::storedOperationIndex(settings);
    if (stored >= 0 && stored < OperBox->count()) {
        OperBox->setCurrentIndex(stored);
        return;
    }
    OperBox->setCurrentIndex(0);
    SettingsFile::writeOperation(settings, 0);
    Messages::showFailure(settings.save(), settings.path());
}

void TPrintDlg::OKBtnClick()
{
    if (RadioButton3->isChecked()) {
        produce(m_worksheets.makeRandom(texts(), randomRequest()), true);
        m_worksheets.emptyColumns();
    } else if (RadioButton2->isChecked()) {
        produce(m_worksheets.makeFixed(WorksheetKind::WithoutAnswers, texts()), false);
    } else if (RadioButton1->isChecked()) {
        produce(m_worksheets.makeFixed(WorksheetKind::WithAnswers, texts()), false);
    } else if (RadioButton4->isChecked()) {
        produce(m_worksheets.makeFixed(WorksheetKind::Grid, texts()), false);
    }
    accept();
}

RandomWorksheetRequest TPrintDlg::randomRequest() const
{
    const AppContext &ctx = context();
    RandomWorksheetRequest request;
    request.draw.tables = ctx.LBChoice;
    request.draw.multiplicators = ctx.LBRange;
    request.draw.operation = OperatorKinds::fromIndex(OperBox->currentIndex()).value_or(OperatorKind::Multiply);
    request.draw.crossed = ctx.settings.Inversion;
    request.draw.languageCode = ctx.LanguageCode;
    request.operatorName = OperBox->currentText();
    request.smallestMultiplicator = ctx.settings.Range;
    return request;
}

// The operator of the fallback sheet follows the dialog's rule.
void TPrintDlg::previewWeakFactsSheet()
{
    loadOperators();
    selectOperator();
    AppContext &ctx = context();
    const auto facts = WeakFactSheet::facts(ctx.history.answers(), QDate::currentDate());
    WorksheetOutput(texts()).preview(m_worksheets.makeWeak(texts(), randomRequest(), facts), true);
    m_worksheets.emptyColumns();
}

void TPrintDlg::produce(const ReportPage &page, bool modalPreview)
{
    const WorksheetOutput output(texts());
    if (RadioGroup1Items[0]->isChecked())
        output.preview(page, modalPreview);
    else
        output.print(page);
}
