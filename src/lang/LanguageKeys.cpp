#include "LanguageKeys.h"

using namespace Qt::StringLiterals;

namespace {

struct SectionKeys
{
    QString section;
    QStringList keys;
};

const QList<SectionKeys> &table()
{
    static const QList<SectionKeys> all = {
        {u"FStart"_s,
         {u"vOne"_s, u"vTwo"_s, u"vThree"_s, u"vFour"_s, u"vFive"_s, u"vSix"_s,
          u"vSeven"_s, u"vEight"_s, u"vNine"_s, u"vTen"_s, u"vEleven"_s, u"vTwelve"_s,
          u"vSelectAllBtn"_s, u"vInverseSelBtn"_s, u"vExpertBtn"_s, u"vStartWorkBtn"_s,
          u"vPrintCalcBtn"_s, u"vQuitBtn"_s, u"vComment"_s, u"vCaptionGroupBox"_s,
          u"vMenuFilesCaption"_s, u"vMenuQuitCaption"_s, u"vMenuLangCaption"_s,
          u"vMenuAboutCaption"_s, u"vMenuAboutIndexcaption"_s, u"vMenuAbout1Caption"_s,
          u"vMenuProgressCaption"_s}},
        {u"FCalculator"_s,
         {u"vCaptionBtn1"_s, u"vCaptionBtn6"_s, u"vCaptionBtn8"_s, u"vCaptionBtn10"_s,
          u"vCaptionBtn9"_s, u"vCaptionBtn2"_s, u"vLastCalcLbl"_s, u"vResultWaitLbl"_s,
          u"vResultRightLbl"_s, u"vResultWrongLbl"_s, u"vResultLateLbl"_s,
          u"vResultRightLateLbl"_s, u"vResultWrongLateLbl"_s, u"vModeWrittenStateLbl"_s,
          u"vModeMentalStateLbl"_s, u"vModeWaitingStateLbl"_s, u"vModeClickEnterStateLbl"_s,
          u"vModeTimerStateLbl"_s, u"vCounterLbl"_s, u"vOperationLbl"_s, u"vErrorsLbl"_s,
          u"vAverageLbl"_s, u"vAverageCalc"_s, u"vResetBtn"_s, u"vTimerGoBtn"_s,
          u"vTimerStopBtn"_s, u"vThinkTimeCaption"_s, u"vGaugeCaption"_s,
          u"vGaugeVisibleItem"_s, u"vGaugeHiddenItem"_s, u"vModeCaption"_s,
          u"vModeWrittenItem"_s, u"vModeMentalItem"_s, u"vDispAnswerCaption"_s,
          u"vHideTextLbl"_s, u"vViewInfoLbl"_s, u"vRightInfoText1Lbl"_s,
          u"vRightInfoText2Lbl"_s, u"vRightInfoText3Lbl"_s, u"vLeftInfoTextTopLbl"_s,
          u"vLeftInfoTextBotLbl"_s, u"vHelpTopInfoLbl"_s, u"vHelpCloseBtn"_s,
          u"vAnswerHint"_s, u"vClearHint"_s, u"vRecordHint"_s, u"vAnswerHelpHint"_s, u"vRecordListHint"_s, u"vTimerSwitchHint"_s, u"vVerdictRightImg"_s, u"vVerdictWrongImg"_s}},
        {u"FSwap"_s,
         {u"vFSWapCaption"_s, u"vCrossMultiplicatorsLbl"_s, u"vCrossYesRadioBtnCaption"_s,
          u"vCrossNoRadioBtnCaption"_s, u"vSmallestMultiplicatorLbl"_s, u"vSeeHelpFileLbl"_s,
          u"vUpHint"_s, u"vDownHint"_s}},
        {u"FSound"_s,
         {u"vFSoundCaption"_s, u"vGroupBoxCaption"_s, u"vListenCaptionBtn"_s,
          u"vEditCaptionBtn"_s, u"vNoSoundCaptionLbl"_s,
          u"vCheckProgressHint"_s}},
        {u"FAudio"_s,
         {u"vFAudioCaption"_s, u"vSeqTitleLbl"_s, u"vMaxCharLbl"_s, u"vRadioGroupCaption"_s,
          u"vAssocLbl"_s, u"vAssocOtherBtn"_s, u"vSoundFilesLbl"_s, u"vAssociateCaptionBtn"_s,
          u"vCancelCaptionBtn"_s, u"vChangedMessageDlg"_s, u"vCustomizeCaption"_s,
          u"vEventsForCaption"_s,
          u"vPlayHint"_s, u"vStopHint"_s, u"vFoldersHint"_s}},
        {u"AfterRecordDlg"_s,
         {u"vAfterRecordDlgCaption"_s, u"vWhatToDoLbl"_s, u"vOKCaptionBtn"_s,
          u"vCancelCaptionBtn"_s, u"vEraseOperationsMsg"_s}},
        {u"RecordDlg"_s,
         {u"vRecordDlgCaption"_s, u"vNextOpRBCaption"_s, u"vNextErrRBCaption"_s,
          u"vNoRecRBCaption"_s, u"vRecNextLbl"_s, u"vInfoLbl"_s, u"vUpHint"_s, u"vDownHint"_s}},
        {u"PrintDlg"_s,
         {u"vPrintDlgCaption"_s, u"vRandomRBCaption"_s, u"vNoAnswerRBCaption"_s,
          u"vWithAnswerRBCaption"_s, u"vGridRBCaption"_s, u"vRadioGroup1Caption"_s,
          u"vRG1Item0Lbl"_s, u"vRG1Item1Lbl"_s, u"vPrintBtnCaption"_s, u"vCancelBtnCaption"_s,
          u"vQRRandSheetTitle"_s, u"vQRRandSheetComment"_s, u"vQROptions"_s,
          u"vQRRandSheetCrossed"_s, u"vQRRandSheetNotCrossed"_s, u"vQRRandSheetMult"_s,
          u"vQROtherSheetTitle"_s, u"vQROtherSheetComment"_s, u"vQRDateString"_s,
          u"vQRPrintGridCaption"_s, u"vNoPrinterMsg"_s, u"vPrintFailedMsg"_s, u"vSavePdfBtn"_s,
          u"vQRWeakSheetTitle"_s, u"vQRWeakSheetComment"_s, u"vQRWeakFallback"_s}},
        {u"FColor"_s,
         {u"vFcolorCaption"_s, u"vSolidColBtn"_s, u"vFactoryBtn"_s, u"vCancelCaptionBtn"_s, u"vFlipHint"_s,
          u"vTurnHint"_s, u"vGaugeColorHint"_s, u"vKeypadColorHint"_s}},
        {u"MakeBackGround"_s,
         {u"vMakeBackGroundCaption"_s, u"vTopColBtn"_s, u"vMidColBtn"_s, u"vEndColBtn"_s}},
        {u"FProgress"_s,
         {u"vFProgressCaption"_s, u"vMultiplyGridLbl"_s, u"vDivideGridLbl"_s, u"vAxesLbl"_s,
          u"vNotSeenLbl"_s, u"vLearningLbl"_s, u"vShakyLbl"_s, u"vKnownLbl"_s, u"vMasteredLbl"_s,
          u"vCellTip"_s, u"vCellNotSeenTip"_s, u"vTotalsLbl"_s, u"vChartLbl"_s, u"vDayTip"_s,
          u"vDrillWeakBtn"_s, u"vWeakSheetBtn"_s, u"vCloseBtn"_s}},
    };
    return all;
}

} // namespace

namespace LanguageKeys {

const QStringList &sections()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto &entry : table())
            list << entry.section;
        return list;
    }();
    return names;
}

const QStringList &keys(const QString &section)
{
    static const QStringList none;
    for (const auto &entry : table()) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0)
            return entry.keys;
    }
    return none;
}

} // namespace LanguageKeys
