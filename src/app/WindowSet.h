#pragma once

#include "AppContext.h"
#include "EventSounds.h"

#include <QFlags>
#include <QString>

#include <memory>
#include <vector>

class QWidget;
class TFStart;
class TFCalculator;
class TPrintDlg;
class TRecordDlg;
class TAfterRecordDlg;
class TFSwap;
class TFSound;
class TFAudio;
class TFColor;
class TMakeBackGround;
class TFAbout;
class TFSoundTest;
class TFProgress;

// The program's windows, created once in a fixed order and alive
// until the program ends, with the context and the sounds they share. The
// one place that knows every window: it hands each window the dialogs it
// opens and connects what one window tells to the windows that react.
class WindowSet
{
public:
    // The windows besides the start window, which is always made. A test
    // makes only those it needs; the sound options bring their progress
    // window along, the colour window its background window, the drill
    // window its two record dialogs.
    enum Window : unsigned {
        DrillWindow = 1u << 0,
        PrintDialog = 1u << 1,
        RecordDialog = 1u << 2,
        AfterRecordDialog = 1u << 3,
        ExpertDialog = 1u << 4,
        SoundOptions = 1u << 5,
        SoundEditor = 1u << 6,
        ColourDialog = 1u << 7,
        BackgroundDialog = 1u << 8,
        AboutBox = 1u << 9,
        SoundCheckWindow = 1u << 10,
        ProgressWindow = 1u << 11,
        AllWindows = (1u << 12) - 1,
    };
    Q_DECLARE_FLAGS(Windows, Window)

    explicit WindowSet(const QString &appDir);
    ~WindowSet();

    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    // Creates the start window and the chosen others; false when the start
    // window refused to start, and the others are then not created.
    bool create(Windows others = AllWindows);

    // The program's start: creates the start window and shows it at once. The
    // other windows are made once the pupil sees it, before its show steps
    // run. False when the start window refused to start.
    bool start();

    // Every window with texts reloads them, the start window first.
    void UpdateLanguage();

    AppContext context;
    EventSounds sounds;

    TFStart *FStart = nullptr;
    TFCalculator *FCalculator = nullptr;
    TPrintDlg *PrintDlg = nullptr;
    TRecordDlg *RecordDlg = nullptr;
    TAfterRecordDlg *AfterRecordDlg = nullptr;
    TFSwap *FSwap = nullptr;
    TFSound *FSound = nullptr;
    TFAudio *FAudio = nullptr;
    TFColor *FColor = nullptr;
    TMakeBackGround *MakeBackGround = nullptr;
    TFAbout *FAbout = nullptr;
    TFSoundTest *FSoundTest = nullptr;
    TFProgress *FProgress = nullptr;

private:
    template<typename Window, typename... Context>
    Window *make(Context &...context);
    bool createStartWindow();
    void createOtherWindows(Windows others);
    void connectWindows();
    void connectColourWindows();
    void connectSoundOptions();
    void connectProgressWindow();

    std::vector<std::unique_ptr<QWidget>> m_windows;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowSet::Windows)
