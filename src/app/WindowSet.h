#pragma once

#include "AppContext.h"

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

// The program's windows, created once in a fixed order and alive
// until the program ends, with the context they share.
class WindowSet
{
public:
    explicit WindowSet(const QString &appDir);
    ~WindowSet();

    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    // Creates every window; false when the start window refused to start,
    // and the other windows are then not created.
    bool create();

    // The program's start: creates the start window and shows it at once. The
    // other windows are made once the pupil sees it, before its show steps
    // run. False when the start window refused to start.
    bool start();

    // Every window with texts reloads them, the start window first.
    void UpdateLanguage();

    AppContext context;

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

private:
    template<typename Window>
    Window *make();
    bool createStartWindow();
    void createOtherWindows();

    std::vector<std::unique_ptr<QWidget>> m_windows;
};
