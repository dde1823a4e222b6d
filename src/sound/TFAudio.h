#pragma once

#include "CaptionedDialog.h"
#include "SoundSequence.h"

#include <array>

class EventSounds;
class QButtonGroup;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeView;
class TMediaPlayer;

// The sound set editor: the current set's title and the sound file of each
// of its eight events, chosen in a file browser. Its two players are MP2,
// which previews the browser's files with the player that sounds every
// event, and MP3, which plays the file of the selected event.
class TFAudio : public CaptionedDialog
{
    Q_OBJECT

public:
    TFAudio(AppContext &context, EventSounds &sounds);

    // The set the sound options have chosen, among the titles of Silence and
    // the five sets.
    void showSoundSet(int number, const QStringList &titles);
    // Both players stop and close their files.
    void stopPlayers();

    void FormActivate();
    void RadioGroup1Click(int index);
    void Edit1Exit();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn2Click();
    void DirectoryListBox1Change(const QString &folder);
    void FileListBox1Change();
    void FileListBox1DblClick();

    bool Changed = false;

signals:
    void titleEdited(const QString &title);

protected:
    void FormShow() override;
    // Escape closes the browser; OK is the pupil's only way out, and a close
    // box that a window manager draws all the same does what OK does.
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;
    void done(int result) override;

private:
    QLabel *Label8;
    QLineEdit *Edit1;
    QLabel *Label9;
    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, SoundSequence::EntryCount> Events;
    QLabel *Label2;
    QLabel *Label3;
    TMediaPlayer *MP3;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    QFrame *Panel1;
    QGroupBox *GroupBox3;
    QComboBox *DriveComboBox1;
    QLabel *Label1;
    QTreeView *DirectoryListBox1;
    QLabel *Label7;
    QListWidget *FileListBox1;
    TMediaPlayer *MP2;
    QPushButton *BitBtn4;
    QPushButton *BitBtn3;

    void watchFolders();
    void buildEditor();
    void buildBrowser();
    void loadEventTitles(bool reportFailure);
    QString eventTitle(int index) const;
    QString setTitle() const;
    // The file selected in the browser, empty when none is.
    QString selectedFile() const;
    int selectedEvent() const;
    void showEntry(int index);
    void selectFirstFile();

    EventSounds &m_sounds;
    QButtonGroup *m_events;
    QFileSystemModel *m_folders;
    QStringList m_eventTitles;
    QStringList m_setTitles;
    int m_setNumber = 0;
};
