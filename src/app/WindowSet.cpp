#include "WindowSet.h"

#include "TAfterRecordDlg.h"
#include "TFAbout.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "TFColor.h"
#include "TFProgress.h"
#include "TFSound.h"
#include "TFSoundTest.h"
#include "TFStart.h"
#include "TFSwap.h"
#include "TMakeBackGround.h"
#include "TPrintDlg.h"
#include "TRecordDlg.h"

using namespace Qt::StringLiterals;

WindowSet::WindowSet(const QString &appDir)
    : sounds(context)
{
    context.AppDir = appDir.endsWith(u'/') ? appDir : appDir + u'/';
    context.history.setFile(context.path(u"sys/history.txt"_s));
}

// Later windows may refer to earlier ones while they are destroyed.
WindowSet::~WindowSet()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

template<typename Window, typename... Context>
Window *WindowSet::make(Context &...context)
{
    auto window = std::make_unique<Window>(context...);
    Window *raw = window.get();
    m_windows.push_back(std::move(window));
    return raw;
}

bool WindowSet::create(Windows others)
{
    if (!createStartWindow())
        return false;
    createOtherWindows(others);
    return true;
}

bool WindowSet::start()
{
    if (!createStartWindow())
        return false;
    FStart->showAtStartup([this] { createOtherWindows(AllWindows); });
    return true;
}

bool WindowSet::createStartWindow()
{
    FStart = make<TFStart>(context, sounds);
    QObject::connect(FStart, &TFStart::languageSwitched, FStart, [this] { UpdateLanguage(); });
    return FStart->FormCreate();
}

void WindowSet::createOtherWindows(Windows others)
{
    if (others & SoundOptions)
        others |= SoundCheckWindow;
    if (others & ColourDialog)
        others |= BackgroundDialog;
    if (others & DrillWindow)
        others |= RecordDialog | AfterRecordDialog;
    const auto chosen = [others](Window window) { return others.testFlag(window); };
    if (chosen(DrillWindow))
        FCalculator = make<TFCalculator>(context, sounds);
    if (chosen(PrintDialog))
        PrintDlg = make<TPrintDlg>(context);
    if (chosen(RecordDialog))
        RecordDlg = make<TRecordDlg>(context);
    if (chosen(AfterRecordDialog))
        AfterRecordDlg = make<TAfterRecordDlg>(context);
    if (chosen(ExpertDialog))
        FSwap = make<TFSwap>(context);
    if (chosen(SoundOptions))
        FSound = make<TFSound>(context, sounds);
    if (chosen(SoundEditor))
        FAudio = make<TFAudio>(context, sounds);
    if (chosen(ColourDialog))
        FColor = make<TFColor>(context);
    if (chosen(BackgroundDialog))
        MakeBackGround = make<TMakeBackGround>(context);
    if (chosen(AboutBox))
        FAbout = make<TFAbout>();
    if (chosen(SoundCheckWindow))
        FSoundTest = make<TFSoundTest>();
    if (chosen(ProgressWindow))
        FProgress = make<TFProgress>(context);
    connectWindows();
}

// Direct connections: a reaction runs at once, within the step that tells it.
void WindowSet::connectWindows()
{
    FStart->setDialogs({FCalculator, PrintDlg, FSwap, FAbout});
    if (FCalculator) {
        FCalculator->setDialogs({FSwap, FSound, FColor, RecordDlg, AfterRecordDlg});
        RecordDlg->setDrill(FCalculator);
        RecordDlg->setAfterRecordDialog(AfterRecordDlg);
        AfterRecordDlg->setDrill(FCalculator);
    }
    if (PrintDlg && FCalculator)
        PrintDlg->setDrillOperator([this] { return FCalculator->operatorIndex(); });
    if (FProgress)
        connectProgressWindow();
    if (FSwap)
        QObject::connect(FSwap, &TFSwap::smallestMultiplicatorChosen, FStart, &TFStart::setSmallestMultiplicator);
    if (FColor)
        connectColourWindows();
    if (FSound)
        connectSoundOptions();
}

// The progress window opens from the start window's File menu; the drill of
// its weak facts is a review in the drill window, opened as the start button
// opens it; its weak-fact worksheet is the print dialog's.
void WindowSet::connectProgressWindow()
{
    QObject::connect(FStart, &TFStart::progressRequested, FProgress, &TFProgress::exec);
    if (FCalculator) {
        QObject::connect(FProgress, &TFProgress::drillWeakFactsRequested, FCalculator,
                         &TFCalculator::reviewOperations);
        QObject::connect(FProgress, &TFProgress::drillWeakFactsRequested, FStart, &TFStart::openDrill);
    }
    if (PrintDlg)
        QObject::connect(FProgress, &TFProgress::weakSheetRequested, PrintDlg, &TPrintDlg::previewWeakFactsSheet);
}

// The colour windows show every change on the drill window at once; the
// start window takes the background the colour window leaves.
void WindowSet::connectColourWindows()
{
    FColor->setDialogs({MakeBackGround});
    QObject::connect(FColor, &TFColor::startBackgroundChanged, FStart, &TFStart::setBackground);
    if (!FCalculator)
        return;
    QObject::connect(FColor, &TFColor::drillBackgroundChanged, FCalculator, &TFCalculator::takeBackground);
    QObject::connect(FColor, &TFColor::keypadColourChanged, FCalculator, &TFCalculator::setKeypadColour);
    if (MakeBackGround)
        QObject::connect(MakeBackGround, &TMakeBackGround::backgroundChanged, FCalculator,
                         &TFCalculator::takeBackground);
}

void WindowSet::connectSoundOptions()
{
    FSound->setDialogs({FAudio, FSoundTest});
    QObject::connect(FStart, &TFStart::shown, FSound, &TFSound::startWindowShowStep);
    QObject::connect(FStart, &TFStart::activated, FSound, [this] { FSound->startWindowActivationStep(FStart); });
    if (FCalculator) {
        QObject::connect(FSound, &TFSound::soundSwitched, FCalculator, &TFCalculator::showSoundPicture);
        QObject::connect(FSound, &TFSound::audioDeviceMissing, FCalculator,
                         [this] { FCalculator->setSoundButtonEnabled(false); });
    }
    if (FAudio) {
        QObject::connect(FSound, &TFSound::soundSetChosen, FAudio, &TFAudio::showSoundSet);
        QObject::connect(FAudio, &TFAudio::titleEdited, FSound, &TFSound::setSelectedTitle);
    }
}

void WindowSet::UpdateLanguage()
{
    FStart->LoadCaptions();
    for (CaptionedDialog *window : std::initializer_list<CaptionedDialog *>{
             FCalculator, FSwap, FSound, FAudio, AfterRecordDlg, RecordDlg, PrintDlg, FColor, MakeBackGround, FProgress}) {
        if (window)
            window->LoadCaptions();
    }
}
