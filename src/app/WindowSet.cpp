#include "WindowSet.h"

#include "TAfterRecordDlg.h"
#include "TFAbout.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "TFColor.h"
#include "TFSound.h"
#include "TFSoundTest.h"
#include "TFStart.h"
#include "TFSwap.h"
#include "TMakeBackGround.h"
#include "TPrintDlg.h"
#include "TRPrintAllWith.h"
#include "TRPrintAllWithout.h"
#include "TRPrintGrid.h"
#include "TRPrintRandom.h"
#include "TRecordDlg.h"

WindowSet::WindowSet(const QString &appDir)
{
    context.AppDir = appDir.endsWith(u'/') ? appDir : appDir + u'/';
    context.history.setFile(context.path(QStringLiteral("sys/history.txt")));
}

// Later windows may refer to earlier ones while they are destroyed.
WindowSet::~WindowSet()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

template<typename Window>
Window *WindowSet::make()
{
    auto window = std::make_unique<Window>(*this);
    Window *raw = window.get();
    m_windows.push_back(std::move(window));
    return raw;
}

bool WindowSet::create()
{
    if (!createStartWindow())
        return false;
    createOtherWindows();
    return true;
}

bool WindowSet::start()
{
    if (!createStartWindow())
        return false;
    FStart->showAtStartup([this] { createOtherWindows(); });
    return true;
}

bool WindowSet::createStartWindow()
{
    FStart = make<TFStart>();
    return FStart->FormCreate();
}

void WindowSet::createOtherWindows()
{
    FCalculator = make<TFCalculator>();
    PrintDlg = make<TPrintDlg>();
    RecordDlg = make<TRecordDlg>();
    AfterRecordDlg = make<TAfterRecordDlg>();
    FSwap = make<TFSwap>();
    FSound = make<TFSound>();
    FAudio = make<TFAudio>();
    FColor = make<TFColor>();
    RPrintAllWith = make<TRPrintAllWith>();
    RPrintAllWithout = make<TRPrintAllWithout>();
    RPrintRandom = make<TRPrintRandom>();
    MakeBackGround = make<TMakeBackGround>();
    FAbout = make<TFAbout>();
    RPrintGrid = make<TRPrintGrid>();
    FSoundTest = make<TFSoundTest>();
}

void WindowSet::UpdateLanguage()
{
    FStart->LoadCaptions();
    FCalculator->LoadCaptions();
    FSwap->LoadCaptions();
    FSound->LoadCaptions();
    FAudio->LoadCaptions();
    AfterRecordDlg->LoadCaptions();
    RecordDlg->LoadCaptions();
    PrintDlg->LoadCaptions();
    FColor->LoadCaptions();
    MakeBackGround->LoadCaptions();
}
