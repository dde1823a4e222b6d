#pragma once

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>

class ProfileFile;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTextBrowser;
class TGradient;
class WindowSet;
struct AppContext;

// The main window: the pupil ticks the tables to practise and starts a drill,
// prints worksheets or opens the expert options. Quitting it writes the
// choice of tables and the settings back and ends the program.
class TFStart : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFStart(WindowSet &windows);

    // Start-up; false when the program can't run and must end.
    bool FormCreate();

    // Shows the window and runs its show and activation steps.
    void showAndActivate();
    // Shows the window at once; once it has been drawn, runs prepare and then
    // the show and activation steps, which may need what prepare makes.
    void showAtStartup(std::function<void()> prepare);
    // Runs what showAtStartup left pending, once; nothing after that.
    void finishStartup();
    void FormActivate();

    void LoadCaptions();
    void CanGo();
    void GlobalCheck(bool checked);
    void selectLanguage(const QString &code);

    // The multiplicators that operations may use: from the smallest one to 12.
    void setSmallestMultiplicator(int smallest);

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

    // The chosen tables and the usable multiplicators, ascending decimal texts.
    QStringList LBChoice;
    QStringList LBRange;
    // The lines of the choice file as read at start-up.
    QStringList LBTmp;

    bool StartupSoundPending = true;

    TGradient *Gradient1;
    QFrame *Panel1;
    QGroupBox *GroupBox1;
    std::array<QCheckBox *, 12> CheckBoxes;
    QPushButton *BitBtn3;
    QPushButton *BitBtn4;
    QLabel *Image4;
    QPushButton *BitBtn9;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn5;
    QLabel *Image1;
    QLabel *Label1;

    QMenu *FileMenu;
    QMenu *LanguageMenu;
    QMenu *HelpMenu;
    QAction *Progress1;
    QAction *Quit;
    QAction *Help1;
    QAction *About1;

    // The help panel.
    QFrame *Panel4;
    QLabel *Label5;
    QPushButton *BitBtn6;
    QTextBrowser *htmlLite1 = nullptr;

signals:
    // The File menu's "Progress": the pupil asks to see the progress window.
    void progressRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Language
    {
        const char *actionName;
        QString caption;
        QString code;
        QAction *action = nullptr;
    };

    AppContext &context() const;
    void buildMenus();
    void buildTables();
    void FormShow();
    void SetConfig(const ProfileFile &settings);
    void tickChosenTables();
    void saveChoiceAndSettings();
    void placePanels();

    WindowSet &m_windows;
    std::array<Language, 7> m_languages;
    bool m_quit = false;
    std::function<void()> m_prepareShowSteps;
};
