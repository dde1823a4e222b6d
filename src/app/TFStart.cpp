#include "TFStart.h"

#include "AppContext.h"
#include "Artwork.h"
#include "CaptionTexts.h"
#include "ChoiceFile.h"
#include "EventSounds.h"
#include "HelpPanel.h"
#include "HistorySaving.h"
#include "LanguageCode.h"
#include "Messages.h"
#include "MultiplicatorRange.h"
#include "NamedChild.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "Random.h"
#include "SettingsFile.h"
#include "TFAbout.h"
#include "TFCalculator.h"
#include "TFSwap.h"
#include "TGradient.h"
#include "TPrintDlg.h"
#include "TextExcerpt.h"
#include "TextLines.h"
#include "WrittenFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"FStart"_s;
constexpr std::chrono::milliseconds StartupWithoutDrawing{250};

// Opens a dialog of the start window; one not made stays shut.
void openDialog(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}

const char *const TableKeys[12] = {"vOne", "vTwo",   "vThree", "vFour", "vFive",   "vSix",
                                   "vSeven", "vEight", "vNine", "vTen", "vEleven", "vTwelve"};

} // namespace

TFStart::TFStart(AppContext &context, EventSounds &sounds)
    : m_context(context)
    , m_sounds(sounds)
{
    ui.setupUi(this);
    connectControls();
}

void TFStart::connectControls()
{
    connect(ui.Progress1, &QAction::triggered, this, &TFStart::progressRequested);
    connect(ui.Quit, &QAction::triggered, this, &TFStart::BitBtn1Click);
    for (QAction *language : ui.Languages)
        connect(language, &QAction::triggered, this,
                [this, code = language->data().toString()] { selectLanguage(code); });
    connect(ui.Help1, &QAction::triggered, this, &TFStart::Help1Click);
    connect(ui.About1, &QAction::triggered, this, &TFStart::About1Click);
    for (QCheckBox *box : ui.CheckBoxes)
        connect(box, &QCheckBox::toggled, this, &TFStart::CanGo);
    connect(ui.BitBtn3, &QPushButton::clicked, this, &TFStart::BitBtn3Click);
    connect(ui.BitBtn4, &QPushButton::clicked, this, &TFStart::BitBtn4Click);
    connect(ui.BitBtn9, &QPushButton::clicked, this, &TFStart::BitBtn9Click);
    connect(ui.BitBtn2, &QPushButton::clicked, this, &TFStart::BitBtn2Click);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &TFStart::BitBtn1Click);
    connect(ui.BitBtn5, &QPushButton::clicked, this, &TFStart::BitBtn5Click);
    connect(ui.Panel4, &HelpPanel::closeClicked, this, &TFStart::BitBtn6Click);
}

bool TFStart::FormCreate()
{
    AppContext &ctx = context();
    ctx.StartupSoundPending = true;
    WrittenFiles::removeInterruptedSaves(ctx.AppDir);
    const ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    if (!settings.exists()) {
        Messages::show(u"Initiation file not found !\nPlease re-install Numerillo"_s);
        return false;
    }
    for (const auto &[path, result] : OperatorList::createDefaultsIfMissing(ctx.AppDir))
        Messages::showFailure(result, path);

    const QString storedLanguage = SettingsFile::storedLanguage(settings);
    ctx.LanguageCode = LanguageCode::atStartup(storedLanguage, QLocale::system().language());
    // A stored text that is no code goes back as it was, unless the pupil
    // chooses a language.
    m_keepStoredLanguage = !storedLanguage.isEmpty() && !LanguageCode::isValid(storedLanguage);
    for (QAction *language : ui.Languages)
        language->setEnabled(
            QFileInfo(LanguageCode::languageFilePath(ctx.AppDir, language->data().toString())).isFile());
    LoadCaptions();
    // The menu bar's height is known once its menus have their titles.
    resize(minimumSizeHint());
    checkLanguage(ctx.LanguageCode);
    setWindowTitle(AppContext::programTitle());

    SetConfig(settings);
    tickChosenTables();
    Random::seedFromClock();
    ui.showLogo();
    return true;
}

void TFStart::SetConfig(const ProfileFile &settings)
{
    const QString choicePath = context().path(ChoiceFile::RelativePath);
    if (const auto lines = TextLines::read(choicePath))
        LBTmp = *lines;
    else
        Messages::show(u"Cannot open file %1"_s.arg(QDir::toNativeSeparators(choicePath)));

    GradientSpec background;
    SettingsFile::read(settings, context().settings, background);
    ui.Gradient1->setSpec(background);
    setSmallestMultiplicator(context().settings.Range);
}

void TFStart::tickChosenTables()
{
    const ChoiceFile::Choice choice = ChoiceFile::parse(LBTmp);
    for (int table : choice.tables)
        ui.CheckBoxes[table - 1]->setChecked(true);
    if (choice.badLine)
        Messages::show(u"'%1' is not a valid integer value"_s.arg(TextExcerpt::shortened(*choice.badLine)));
}

void TFStart::LoadCaptions()
{
    const CaptionTexts texts = CaptionTexts::load(context().languageFile(), Section);
    for (int i = 0; i < 12; ++i)
        ui.CheckBoxes[i]->setText(texts.text(QString::fromLatin1(TableKeys[i])));
    ui.BitBtn3->setText(texts.text(u"vSelectAllBtn"_s));
    ui.BitBtn4->setText(texts.text(u"vInverseSelBtn"_s));
    ui.BitBtn9->setText(texts.text(u"vExpertBtn"_s));
    ui.BitBtn2->setText(texts.text(u"vStartWorkBtn"_s));
    ui.BitBtn5->setText(texts.text(u"vPrintCalcBtn"_s));
    ui.BitBtn1->setText(texts.text(u"vQuitBtn"_s));
    ui.Label1->setText(texts.text(u"vComment"_s));
    ui.GroupBox1->setTitle(u' ' + texts.text(u"vCaptionGroupBox"_s) + u' ');
    ui.FileMenu->setTitle(texts.text(u"vMenuFilesCaption"_s));
    ui.Progress1->setText(texts.text(u"vMenuProgressCaption"_s));
    ui.Quit->setText(texts.text(u"vMenuQuitCaption"_s));
    ui.LanguageMenu->setTitle(texts.text(u"vMenuLangCaption"_s));
    ui.HelpMenu->setTitle(texts.text(u"vMenuAboutCaption"_s));
    ui.Help1->setText(texts.text(u"vMenuAboutIndexcaption"_s));
    ui.About1->setText(texts.text(u"vMenuAbout1Caption"_s));
    // The help panel shares its texts with the drill window's.
    const CaptionTexts help = CaptionTexts::load(context().languageFile(), u"FCalculator"_s);
    ui.Panel4->setTexts(help.text(u"vHelpTopInfoLbl"_s), help.text(u"vHelpCloseBtn"_s));
}

void TFStart::checkLanguage(const QString &code)
{
    for (QAction *language : ui.Languages)
        language->setChecked(language->data().toString() == code);
}

void TFStart::selectLanguage(const QString &code)
{
    context().LanguageCode = code;
    m_keepStoredLanguage = false;
    checkLanguage(code);
    emit languageSwitched();
}

// The window is on screen before its show steps run, so that the pupil sees
// it while the entering sound plays or a message about the sound appears.
void TFStart::showAndActivate()
{
    show();
    FormShow();
    FormActivate();
}

void TFStart::showAtStartup(std::function<void()> prepare)
{
    m_prepareShowSteps = std::move(prepare);
    // Watches every event until then: the first drawing, and the pupil's
    // first key or click, which must wait for the other windows.
    qApp->installEventFilter(this);
    // A window that is not drawn at once (started minimised, say) finishes
    // its start-up all the same.
    QTimer::singleShot(StartupWithoutDrawing, this, &TFStart::finishStartup);
    ui.BitBtn1->setFocus();
    show();
}

void TFStart::finishStartup()
{
    if (!m_prepareShowSteps)
        return;
    qApp->removeEventFilter(this);
    std::exchange(m_prepareShowSteps, {})();
    placePanels();
    FormShow();
    FormActivate();
}

// The background fills the window, so its first painting is the moment the
// pupil sees the window; the rest of the start-up follows in the next turn.
// A key, a click or the close box before that (Enter, quit, a language
// switch) is held until every window exists and the show steps have run,
// and then takes its course.
bool TFStart::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (watched == ui.Gradient1)
            QTimer::singleShot(0, this, &TFStart::finishStartup);
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::Close:
        finishStartup();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFStart::FormShow()
{
    if (m_dialogs.drill)
        m_dialogs.drill->takeBackground(ui.Gradient1->spec());
    ui.BitBtn1->setFocus();
    emit shown();
}

void TFStart::FormActivate()
{
    emit activated();
    if (m_dialogs.expert)
        m_dialogs.expert->applySmallestMultiplicator(context().settings.Range);
    CanGo();
}

void TFStart::CanGo()
{
    QStringList &chosen = context().LBChoice;
    chosen.clear();
    for (QCheckBox *box : ui.CheckBoxes) {
        if (box->isChecked())
            chosen << QString::number(box->property("tag").toInt());
    }
    ui.BitBtn2->setEnabled(!chosen.isEmpty());
    ui.BitBtn5->setEnabled(!chosen.isEmpty());
}

void TFStart::setBackground(const GradientSpec &background)
{
    ui.Gradient1->setSpec(background);
}

void TFStart::setSmallestMultiplicator(int smallest)
{
    context().LBRange = MultiplicatorRange::from(smallest);
}

void TFStart::GlobalCheck(bool checked)
{
    for (QCheckBox *box : ui.CheckBoxes)
        box->setChecked(checked);
    CanGo();
}

void TFStart::BitBtn3Click()
{
    GlobalCheck(true);
}

void TFStart::BitBtn4Click()
{
    for (QCheckBox *box : ui.CheckBoxes)
        box->setChecked(!box->isChecked());
    CanGo();
}

void TFStart::BitBtn2Click()
{
    openDrill();
}

void TFStart::openDrill()
{
    TFCalculator *drill = m_dialogs.drill;
    if (!drill)
        return;
    if (context().settings.Bouton != 0 && !m_sounds.playToEnd(SoundEvent::StartDrill))
        Messages::show(u"Sound problem..."_s);
    drill->setWindowState(windowState());
    hide();
    drill->exec();
    setWindowState(drill->windowState());
    showAndActivate();
}

void TFStart::BitBtn5Click()
{
    openDialog(m_dialogs.print);
    FormActivate();
}

void TFStart::BitBtn9Click()
{
    openDialog(m_dialogs.expert);
    FormActivate();
}

void TFStart::About1Click()
{
    openDialog(m_dialogs.about);
    FormActivate();
}

void TFStart::Help1Click()
{
    if (!ui.Panel4->load(LanguageCode::helpPagePath(context().AppDir, context().LanguageCode)))
        return;
    placePanels();
    ui.Panel4->show();
    ui.Panel4->raise();
    ui.Panel4->focusPage();
}

void TFStart::BitBtn6Click()
{
    ui.Panel4->hide();
}

void TFStart::placePanels()
{
    ui.centrePanel();
    // The hidden help panel waits until the pupil sees the window: laying
    // out its bar would cost the first drawing a millisecond.
    if (!m_prepareShowSteps)
        ui.placeHelpPanel();
}

void TFStart::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placePanels();
}

void TFStart::BitBtn1Click()
{
    if (m_quit)
        return;
    const bool sound = context().settings.Bouton > 0;
    ui.Image1->setVisible(sound);
    QCoreApplication::processEvents();
    saveChoiceAndSettings();
    HistorySaving::save(context().history);
    if (sound)
        m_sounds.playToEnd(SoundEvent::QuitProgram);
    m_quit = true;
    close();
    QCoreApplication::quit();
}

// Enter starts the drill whenever it can, wherever the focus stands: the
// buttons of a main window leave the key to it. While help is open, Enter
// closes it, as in the drill window.
void TFStart::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !ui.Panel4->isHidden()) {
        BitBtn6Click();
        return;
    }
    if (enter && ui.BitBtn2->isEnabled()) {
        ui.BitBtn2->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TFStart::closeEvent(QCloseEvent *event)
{
    if (m_quit) {
        event->accept();
        return;
    }
    event->ignore();
    BitBtn1Click();
}

void TFStart::saveChoiceAndSettings()
{
    const AppContext &ctx = context();
    const QString choicePath = ctx.path(ChoiceFile::RelativePath);
    Messages::showFailure(TextLines::write(choicePath, ctx.LBChoice), choicePath);

    ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    SettingsFile::QuitValues values;
    if (!m_keepStoredLanguage)
        values.language = ctx.LanguageCode;
    values.range = ctx.LBRange.isEmpty() ? ctx.settings.Range : ctx.LBRange.first().toInt();
    // Before the drill window is made, the stored operator stays.
    values.operation = m_dialogs.drill ? m_dialogs.drill->operatorIndex() : SettingsFile::storedOperation(settings);
    values.settings = ctx.settings;
    values.background = ui.Gradient1->spec();
    SettingsFile::write(settings, values);
    Messages::showFailure(settings.save(), settings.path());
}
