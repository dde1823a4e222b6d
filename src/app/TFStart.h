#pragma once

#include "GradientSpec.h"
#include "TFStartUi.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>

class EventSounds;
class ProfileFile;
class TFAbout;
class TFCalculator;
class TFSwap;
class TPrintDlg;
struct AppContext;

// The main window: the pupil ticks the tables to practise and starts a drill,
// prints worksheets or opens the expert options. Quitting it writes the
// choice of tables and the settings back and ends the program.
class TFStart : public QMainWindow
{
    Q_OBJECT

public:
    // The windows the start window opens; one not made (in a test) is not
    // opened.
    struct Dialogs
    {
        TFCalculator *drill = nullptr;
        TPrintDlg *print = nullptr;
        TFSwap *expert = nullptr;
        TFAbout *about = nullptr;
    };

    TFStart(AppContext &context, EventSounds &sounds);

    void setDialogs(const Dialogs &dialogs) { m_dialogs = dialogs; }

    // Start-up; false when the program can't run and must end.
    bool FormCreate();

    // Shows the window and runs its show and activation steps.
    void showAndActivate();
    // Shows the window at once; once it has been drawn, or as soon as the
    // pupil presses a key or clicks, runs prepare and then the show and
    // activation steps, which may need what prepare makes.
    void showAtStartup(std::function<void()> prepare);
    // Runs what showAtStartup left pending, once; nothing after that.
    void finishStartup();
    void FormActivate();

    void LoadCaptions();
    void CanGo();
    void GlobalCheck(bool checked);
    void selectLanguage(const QString &code);

    // The background, as the screen colour window leaves it.
    void setBackground(const GradientSpec &background);

    // The multiplicators that operations may use: from the smallest one to 12.
    void setSmallestMultiplicator(int smallest);

    // The start button's steps: the start sound, then the drill in this
    // window's place until it closes.
    void openDrill();

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn9Click();
    void Help1Click();
    void BitBtn6Click();
    void About1Click();

    bool hasQuit() const { return m_quit; }

signals:
    // After the show steps of the window itself.
    void shown();
    // The activation steps start.
    void activated();
    // The File menu's "Progress": the pupil asks to see the progress window.
    void progressRequested();
    // Every window is to take its texts from the new language.
    void languageSwitched();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &context() const { return m_context; }
    void connectControls();
    void checkLanguage(const QString &code);
    void FormShow();
    void SetConfig(const ProfileFile &settings);
    void tickChosenTables();
    void saveChoiceAndSettings();
    void placePanels();

    TFStartUi ui;
    // The lines of the choice file as read at start-up.
    QStringList LBTmp;
    AppContext &m_context;
    EventSounds &m_sounds;
    Dialogs m_dialogs;
    bool m_quit = false;
    bool m_keepStoredLanguage = false;
    std::function<void()> m_prepareShowSteps;
};
