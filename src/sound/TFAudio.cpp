#include "TFAudio.h"

#include "AppContext.h"
#include "ControlNames.h"
#include "EventSounds.h"
#include "Messages.h"
#include "NamedChild.h"
#include "ScreenCentre.h"
#include "SoundEntry.h"
#include "SoundTitles.h"
#include "TMediaPlayer.h"
#include "TextExcerpt.h"
#include "TextLines.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

constexpr int NarrowWidth = 427;
constexpr int WideWidth = 634;
constexpr int ClientHeight = 368;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The editor's own French text stands in for a caption the language file lacks.
QString orFrench(const QString &text, const QString &french)
{
    return text.isEmpty() ? french : text;
}

bool isSoundFile(const QFileInfo &file)
{
    const QString suffix = file.suffix().toLower();
    return suffix == u"wav"_s || suffix == u"mp3"_s;
}

} // namespace

TFAudio::TFAudio(AppContext &context, EventSounds &sounds)
    : CaptionedDialog(context, u"FAudio"_s, u"vFAudioCaption"_s)
    , Label8(makeNamed<QLabel>(this, u"Label8"_s))
    , Edit1(makeNamed<QLineEdit>(this, u"Edit1"_s))
    , Label9(makeNamed<QLabel>(this, u"Label9"_s))
    , RadioGroup1(makeNamed<QGroupBox>(this, u"RadioGroup1"_s))
    , Label2(makeNamed<QLabel>(this, u"Label2"_s))
    , Label3(makeNamed<QLabel>(this, u"Label3"_s))
    , MP3(makeNamed<TMediaPlayer>(this, u"MP3"_s))
    , BitBtn1(makeNamed<QPushButton>(this, u"BitBtn1"_s))
    , BitBtn2(makeNamed<QPushButton>(this, u"BitBtn2"_s))
    , Panel1(makeNamed<QFrame>(this, u"Panel1"_s))
    , GroupBox3(makeNamed<QGroupBox>(Panel1, u"GroupBox3"_s))
    , DriveComboBox1(makeNamed<QComboBox>(GroupBox3, u"DriveComboBox1"_s))
    , Label1(makeNamed<QLabel>(GroupBox3, u"Label1"_s))
    , DirectoryListBox1(makeNamed<QTreeView>(GroupBox3, u"DirectoryListBox1"_s))
    , Label7(makeNamed<QLabel>(GroupBox3, u"Label7"_s))
    , FileListBox1(makeNamed<QListWidget>(GroupBox3, u"FileListBox1"_s))
    , MP2(named(new TMediaPlayer(sounds.player, GroupBox3), u"MP2"_s))
    , BitBtn4(makeNamed<QPushButton>(GroupBox3, u"BitBtn4"_s))
    , BitBtn3(makeNamed<QPushButton>(GroupBox3, u"BitBtn3"_s))
    , m_sounds(sounds)
    , m_events(new QButtonGroup(this))
    , m_folders(new QFileSystemModel(this))
    , m_eventTitles(SoundTitles::initialEventTitles())
    , m_setTitles(SoundTitles::initialChoices())
{
    makeFixedDialog();
    buildEditor();
    buildBrowser();
    setFixedSize(NarrowWidth, ClientHeight);

    LoadCaptions();
    // Nothing is reported while the program starts: a missing list shows its
    // error as soon as the window or the set is used.
    loadEventTitles(false);
    if (const int number = context.settings.Bouton; number != 0)
        sounds.loadSequence(number);
}

void TFAudio::buildEditor()
{
    Label8->setGeometry(10, 12, 176, 20);
    Edit1->setGeometry(188, 10, 100, 24);
    Edit1->setMaxLength(SoundTitles::TitleMaxLength);
    Label9->setGeometry(292, 12, 130, 20);
    QFont small = Label9->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label9->setFont(small);

    RadioGroup1->setGeometry(10, 42, 407, 140);
    for (int i = 0; i < SoundSequence::EntryCount; ++i) {
        auto *event = makeNamed<QRadioButton>(RadioGroup1, u"Event%1"_s.arg(i + 1));
        // Two columns, filled column by column.
        event->setGeometry(10 + (i / 4) * 198, 22 + (i % 4) * 28, 194, 24);
        m_events->addButton(event, i);
        Events[size_t(i)] = event;
    }
    Events[0]->setChecked(true);
    for (int i = 0; i < SoundSequence::EntryCount; ++i)
        Events[size_t(i)]->setText(m_eventTitles.value(i));

    Label2->setGeometry(10, 192, 407, 20);
    Label3->setGeometry(10, 214, 407, 40);
    Label3->setAutoFillBackground(true);
    Label3->setPalette(QPalette(Qt::black, Qt::white));
    Label3->setFrameShape(QFrame::Panel);
    Label3->setFrameShadow(QFrame::Sunken);
    Label3->setWordWrap(true);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    MP3->move(10, 262);
    BitBtn1->setGeometry(10, 300, 220, 30);
    BitBtn2->setGeometry(317, 326, 100, 30);
    BitBtn2->setText(u"OK"_s);
    BitBtn2->setDefault(true);

    connect(m_events, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroup1Click(id);
    });
    connect(Edit1, &QLineEdit::editingFinished, this, &TFAudio::Edit1Exit);
    connect(BitBtn1, &QPushButton::clicked, this, &TFAudio::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFAudio::BitBtn2Click);
    // Each player's buttons close the other player first.
    connect(MP2, &TMediaPlayer::buttonPressed, this, [this] { MP3->player.close(); });
    connect(MP3, &TMediaPlayer::buttonPressed, this, [this] { MP2->player.close(); });
}

void TFAudio::buildBrowser()
{
    Panel1->setGeometry(NarrowWidth, 0, WideWidth - NarrowWidth, ClientHeight);
    GroupBox3->setGeometry(0, 6, WideWidth - NarrowWidth - 6, ClientHeight - 12);
    const int width = GroupBox3->width() - 16;

    // Folders take the place of drives: there is one root.
    DriveComboBox1->setGeometry(8, 22, width, 24);
    Label1->setGeometry(8, 48, width, 30);
    Label1->setWordWrap(true);
    QFont small = Label1->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label1->setFont(small);

    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setGeometry(8, 80, width, 118);

    Label7->setGeometry(8, 200, width, 18);
    FileListBox1->setGeometry(8, 218, width, 72);
    MP2->move(8, 294);
    BitBtn4->setGeometry(8, 322, width / 2 - 2, 28);
    BitBtn3->setGeometry(width / 2 + 10, 322, width / 2 - 2, 28);
    Panel1->hide();

    // Folders load in the background: keep the current one in sight.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QModelIndex current = DirectoryListBox1->currentIndex();
        if (m_folders->filePath(current).startsWith(loaded))
            DirectoryListBox1->scrollTo(current, QAbstractItemView::PositionAtCenter);
    });
    connect(DirectoryListBox1, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { DirectoryListBox1Change(m_folders->filePath(index)); });
    connect(FileListBox1, &QListWidget::currentRowChanged, this, &TFAudio::FileListBox1Change);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TFAudio::FileListBox1DblClick);
    connect(BitBtn4, &QPushButton::clicked, this, &TFAudio::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFAudio::BitBtn3Click);
}

void TFAudio::showSoundSet(int number, const QStringList &titles)
{
    m_setNumber = number;
    m_setTitles = titles;
}

QString TFAudio::setTitle() const
{
    return m_setTitles.value(m_setNumber);
}

void TFAudio::stopPlayers()
{
    MP2->player.close();
    MP3->player.close();
}

QString TFAudio::selectedFile() const
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

int TFAudio::selectedEvent() const
{
    return std::max(m_events->checkedId(), 0);
}

QString TFAudio::eventTitle(int index) const
{
    return m_eventTitles.value(index);
}

void TFAudio::loadEventTitles(bool reportFailure)
{
    const QString path = SoundTitles::eventTitlesPath(context().AppDir, context().LanguageCode);
    if (const auto titles = SoundTitles::loadEventTitles(path))
        m_eventTitles = *titles;
    else if (reportFailure)
        Messages::show(u"Cannot open file %1"_s.arg(native(path)));
    for (int i = 0; i < SoundSequence::EntryCount; ++i)
        Events[size_t(i)]->setText(QString(eventTitle(i)).replace(u'&', u"&&"_s));
}

void TFAudio::FormShow()
{
    CaptionedDialog::FormShow();
    loadEventTitles(true);
    Label8->setText(text(u"vSeqTitleLbl"_s));
    ControlNames::name(Edit1, text(u"vSeqTitleLbl"_s));
    ControlNames::name(DirectoryListBox1, text(u"vFoldersHint"_s));
    ControlNames::name(FileListBox1, text(u"vSoundFilesLbl"_s));
    for (TMediaPlayer *player : {MP2, MP3})
        player->setButtonNames(text(u"vPlayHint"_s), text(u"vStopHint"_s));
    Label9->setText(text(u"vMaxCharLbl"_s));
    RadioGroup1->setTitle(text(u"vRadioGroupCaption"_s));
    Label2->setText(text(u"vAssocLbl"_s));
    BitBtn1->setText(text(u"vAssocOtherBtn"_s));
    Label7->setText(text(u"vSoundFilesLbl"_s));
    BitBtn4->setText(text(u"vAssociateCaptionBtn"_s));
    BitBtn3->setText(text(u"vCancelCaptionBtn"_s));
    ScreenCentre::place(this);
    FormActivate();
}

void TFAudio::FormActivate()
{
    Changed = false;
    const QString title = setTitle();
    RadioGroup1->setTitle(text(u"vRadioGroupCaption"_s) + u" \""_s + title + u"\" "_s);
    Events[0]->setChecked(true);
    RadioGroup1Click(0);
    Edit1->setText(title);
    // A file that can't be read was reported when the set was loaded.
    m_sounds.reloadSequence();
    showEntry(0);
    GroupBox3->setTitle(eventTitle(0));
    selectFirstFile();
}

void TFAudio::showEntry(int index)
{
    const QString path = m_sounds.ListBox1.resolved(index, context().AppDir);
    Label3->setText(native(path));
    MP3->player.FileName = path;
}

void TFAudio::RadioGroup1Click(int index)
{
    GroupBox3->setTitle(eventTitle(index));
    Label2->setText(text(u"vAssocLbl"_s) + u' ' + SoundTitles::eventNumber(eventTitle(index)));
    showEntry(index);
}

void TFAudio::Edit1Exit()
{
    const QString title = Edit1->text();
    GroupBox3->setTitle(
        u"%1 \"%2\""_s.arg(orFrench(text(u"vCustomizeCaption"_s), u"Personnalisation de"_s), title));
    RadioGroup1->setTitle(
        u" %1 \"%2\" "_s.arg(orFrench(text(u"vEventsForCaption"_s), u"\u00c9v\u00e9nements pour"_s), title));
    m_setTitles[m_setNumber] = title;
    emit titleEdited(title);
    repaint();
}

void TFAudio::selectFirstFile()
{
    const bool any = FileListBox1->count() > 0;
    if (any)
        FileListBox1->setCurrentRow(0);
    MP2->player.FileName = selectedFile();
    MP2->setVisible(any);
    BitBtn4->setEnabled(any);
}

void TFAudio::BitBtn1Click()
{
    QString folder = context().path(u"sounds"_s);
    if (!QFileInfo(folder).isDir())
        folder = QFileInfo(context().AppDir).isDir() ? context().AppDir : QDir::rootPath();
    DirectoryListBox1Change(QDir::cleanPath(folder));
    Panel1->show();
    BitBtn1->setEnabled(false);
    setFixedSize(WideWidth, ClientHeight);
}

void TFAudio::BitBtn3Click()
{
    Panel1->hide();
    BitBtn1->setEnabled(true);
    setFixedSize(NarrowWidth, ClientHeight);
}

// The folder tree starts watching the disk only when the browser is first
// used, so that start-up does not wait for it.
void TFAudio::watchFolders()
{
    if (DirectoryListBox1->model() == m_folders)
        return;
    DriveComboBox1->addItem(QFileIconProvider().icon(QFileIconProvider::Drive), QDir::rootPath());
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    DirectoryListBox1->setModel(m_folders);
    DirectoryListBox1->setRootIndex(m_folders->index(QDir::rootPath()));
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
}

void TFAudio::DirectoryListBox1Change(const QString &folder)
{
    watchFolders();
    Label1->setText(native(folder));
    const QModelIndex index = m_folders->index(folder);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->expand(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);

    FileListBox1->blockSignals(true);
    FileListBox1->clear();
    const QFileIconProvider icons;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : entries) {
        if (!isSoundFile(file))
            continue;
        auto *item = new QListWidgetItem(icons.icon(file), file.fileName(), FileListBox1);
        item->setData(Qt::UserRole, file.absoluteFilePath());
    }
    FileListBox1->blockSignals(false);
    selectFirstFile();
    repaint();
}

void TFAudio::FileListBox1Change()
{
    MP2->player.FileName = selectedFile();
    BitBtn4->setEnabled(!selectedFile().isEmpty());
}

void TFAudio::FileListBox1DblClick()
{
    MP2->PlayButton->setFocus();
    MP2->PlayClick();
}

void TFAudio::BitBtn4Click()
{
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    const QString stored = SoundEntry::storedForm(context().AppDir, file);
    if (!SoundEntry::isStorable(stored)) {
        Messages::show(u"The name of the file %1 holds characters that a sound set can't keep.\r\n"
                       "Please rename the file, or move it to a folder whose name has none of them."_s
                           .arg(native(file)));
        return;
    }
    Changed = true;
    const int event = selectedEvent();
    m_sounds.ListBox1.setEntry(event, stored);
    showEntry(event);
}

void TFAudio::BitBtn2Click()
{
    if (Changed) {
        const QString question = u"\"%1\" %2"_s.arg(TextExcerpt::shortened(setTitle()), text(u"vChangedMessageDlg"_s));
        if (Messages::ask(question))
            Messages::showFailure(m_sounds.ListBox1.save(m_sounds.FileName), m_sounds.FileName);
    }
    const QString titles = SoundTitles::choicesPath(context().AppDir);
    Messages::showFailure(TextLines::write(titles, m_setTitles), titles);
    BitBtn3Click();
    accept();
}

void TFAudio::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        CaptionedDialog::keyPressEvent(event);
        return;
    }
    if (Panel1->isVisible())
        BitBtn3Click();
}

void TFAudio::reject()
{
    BitBtn2Click();
}

void TFAudio::done(int result)
{
    MP2->player.close();
    CaptionedDialog::done(result);
}
