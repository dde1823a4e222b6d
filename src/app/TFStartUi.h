#pragma once

#include <array>

class HelpPanel;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class TGradient;

// The start window's controls and their places, made once by setupUi; the
// window connects them and gives them their texts.
struct TFStartUi
{
    void setupUi(QMainWindow *window);
    // Centres the tables in the background.
    void centrePanel();
    // Places the help panel over the tables and lays out its bar.
    void placeHelpPanel();
    // Shows the logo, which may still be drawn elsewhere while the rest is
    // built: the last step before the window shows.
    void showLogo();

    TGradient *Gradient1;
    QFrame *Panel1;
    QGroupBox *GroupBox1;
    std::array<QCheckBox *, 12> CheckBoxes; // CheckBox1 to CheckBox12, tagged with their table
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
    // En, Fr, Nl, De, It, Sp and New, each with its language code as data.
    std::array<QAction *, 7> Languages;
    QAction *Help1;
    QAction *About1;

    // The help panel, over the tables while it is open.
    HelpPanel *Panel4;

private:
    void buildMenus(QMainWindow *window);
    void buildTables();
};
