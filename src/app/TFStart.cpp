#include "TFStart.h"

#include "Artwork.h"
#include "CaptionTexts.h"
#include "ChoiceFile.h"
#include "LanguageCode.h"
#include "Messages.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "Random.h"
#include "SettingsFile.h"
#include "TFAbout.h"
#include "TFCalculator.h"
#include "TFSound.h"
#include "TFSwap.h"
#include "TGradient.h"
#include "TPrintDlg.h"
#include "TextLines.h"
#include "UpDown.h"
#include "WindowSet.h"

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
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QSize ClientSize(748, 533);
const QRect PanelRect(130, 74, 488, 383);
const QString Section = u"FStart"_s;
constexpr std::chrono::milliseconds StartupWithoutDrawing{250};

template<typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

const char *const TableKeys[12] = {"vOne", "vTwo",   "vThree", "vFour", "vFive",   "vSix",
                                   "vSeven", "vEight", "vNine", "vTen", "vEleven", "vTwelve"};

} // namespace

TFStart::TFStart(WindowSet &windows)
    : Gradient1(named(new TGradient, u"Gradient1"_s))
    , Panel1(named(new QFrame(Gradient1), u"Panel1"_s))
    , GroupBox1(named(new QGroupBox(Panel1), u"GroupBox1"_s))
    , BitBtn3(named(new QPushButton(GroupBox1), u"BitBtn3"_s))
    , BitBtn4(named(new QPushButton(GroupBox1), u"BitBtn4"_s))
    , Image4(named(new QLabel(GroupBox1), u"Image4"_s))
    , BitBtn9(named(new QPushButton(GroupBox1), u"BitBtn9"_s))
    , BitBtn2(named(new QPushButton(GroupBox1), u"BitBtn2"_s))
    , BitBtn1(named(new QPushButton(GroupBox1), u"BitBtn1"_s))
    , BitBtn5(named(new QPushButton(GroupBox1), u"BitBtn5"_s))
    , Image1(named(new QLabel(GroupBox1), u"Image1"_s))
    , Label1(named(new QLabel, u"Label1"_s))
    , Panel4(named(new QFrame(Gradient1), u"Panel4"_s))
    , Label5(named(new QLabel, u"Label5"_s))
    , BitBtn6(named(new QPushButton, u"BitBtn6"_s))
    , m_windows(windows)
    , m_languages{{{"En", u"English"_s, u"en"_s},
                   {"Fr", u"Fran\u00e7ais"_s, u"fr"_s},
                   {"Nl", u"Dutch"_s, u"nl"_s},
                   {"De", u"Deutsch"_s, u"de"_s},
                   {"It", u"Italiano"_s, u"it"_s},
                   {"Sp", u"Espa\u00f1ol"_s, u"es"_s},
                   {"New", u"New"_s, u"New"_s}}}
{
    setObjectName(u"FStart"_s);
    setCentralWidget(Gradient1);
    buildMenus();
    buildTables();
    Gradient1->setMinimumSize(ClientSize);
}

AppContext &TFStart::context() const
{
    return m_windows.context;
}

void TFStart::buildMenus()
{
    FileMenu = menuBar()->addMenu(QString());
    Progress1 = named(FileMenu->addAction(QString()), u"Progress1"_s);
    connect(Progress1, &QAction::triggered, this, &TFStart::progressRequested);
    FileMenu->addSeparator();
    Quit = named(FileMenu->addAction(QString()), u"Quit"_s);
    connect(Quit, &QAction::triggered, this, &TFStart::BitBtn1Click);

    LanguageMenu = menuBar()->addMenu(QString());
    for (Language &language : m_languages) {
        language.action = named(LanguageMenu->addAction(language.caption),
                                QString::fromLatin1(language.actionName));
        language.action->setCheckable(true);
        language.action->setEnabled(false);
        connect(language.action, &QAction::triggered, this,
                [this, code = language.code] { selectLanguage(code); });
    }

    HelpMenu = menuBar()->addMenu(QString());
    Help1 = named(HelpMenu->addAction(QString()), u"Help1"_s);
    HelpMenu->addSeparator();
    About1 = named(HelpMenu->addAction(QString()), u"About1"_s);
    connect(Help1, &QAction::triggered, this, &TFStart::Help1Click);
    connect(About1, &QAction::triggered, this, &TFStart::About1Click);
}

void TFStart::buildTables()
{
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->resize(PanelRect.size());
    GroupBox1->setGeometry(23, 8, 442, 281);

    for (int i = 0; i < 12; ++i) {
        QCheckBox *box = named(new QCheckBox(GroupBox1), u"CheckBox%1"_s.arg(i + 1));
        box->setProperty("tag", i + 1);
        box->setGeometry(i < 6 ? 18 : 116, 26 + (i % 6) * 26, 96, 22);
        connect(box, &QCheckBox::toggled, this, &TFStart::CanGo);
        CheckBoxes[i] = box;
    }
    auto *line = new QFrame(GroupBox1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(216, 24, 2, 158);

    BitBtn3->setGeometry(232, 26, 192, 30);
    BitBtn4->setGeometry(232, 62, 192, 30);
    Image4->setPixmap(Artwork::logo(QSize(153, 41)));
    Image4->setGeometry(232 + (192 - 153) / 2, 116, 153, 41);

    BitBtn9->setGeometry(18, 194, 200, 32);
    BitBtn2->setGeometry(224, 194, 200, 32);
    BitBtn1->setGeometry(18, 234, 200, 32);
    BitBtn5->setGeometry(224, 234, 200, 32);
    BitBtn2->setDefault(true);
    BitBtn2->setEnabled(false);
    BitBtn5->setEnabled(false);
    Image1->setPixmap(Artwork::loudspeaker(32, true));
    Image1->setGeometry(GroupBox1->width() / 2 - 16, 160, 32, 32);
    Image1->hide();

    auto *info = named(new QFrame(Panel1), u"Panel2"_s);
    info->setGeometry(23, 297, 442, 76);
    info->setFrameShape(QFrame::StyledPanel);
    info->setAutoFillBackground(true);
    info->setBackgroundRole(QPalette::ToolTipBase);
    Label1->setParent(info);
    Label1->setGeometry(info->rect().adjusted(8, 4, -8, -4));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setForegroundRole(QPalette::ToolTipText);

    QList<QWidget *> order(CheckBoxes.begin(), CheckBoxes.end());
    order << BitBtn3 << BitBtn4 << BitBtn9 << BitBtn2 << BitBtn5 << BitBtn1;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(BitBtn3, &QPushButton::clicked, this, &TFStart::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFStart::BitBtn4Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TFStart::BitBtn9Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFStart::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFStart::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFStart::BitBtn5Click);

    // The help panel lies over the tables while it is open.
    Panel4->setFrameShape(QFrame::Panel);
    Panel4->setAutoFillBackground(true);
    auto *bar = named(new QFrame(Panel4), u"Panel5"_s);
    bar->setAutoFillBackground(true);
    bar->setPalette(QPalette(QColor(238, 238, 238)));
    bar->setFixedHeight(41);
    Label5->setParent(bar);
    Label5->setFont(QFont(u"Arial"_s, 10));
    BitBtn6->setParent(bar);
    connect(BitBtn6, &QPushButton::clicked, this, &TFStart::BitBtn6Click);
    Panel4->hide();
}

bool TFStart::FormCreate()
{
    StartupSoundPending = true;
    AppContext &ctx = context();
    const ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    if (!settings.exists()) {
        Messages::show(u"Initiation file not found !\nPlease re-install Numerillo"_s);
        return false;
    }
    for (const QString &path : OperatorList::createDefaultsIfMissing(ctx.AppDir))
        Messages::show(u"Cannot create file %1"_s.arg(QDir::toNativeSeparators(path)));

    ctx.LanguageCode = LanguageCode::atStartup(SettingsFile::storedLanguage(settings),
                                               QLocale::system().language());
    for (Language &language : m_languages)
        language.action->setEnabled(
            QFileInfo::exists(LanguageCode::languageFilePath(ctx.AppDir, language.code)));
    LoadCaptions();
    // The menu bar's height is known once its menus have their titles.
    resize(minimumSizeHint());
    for (Language &language : m_languages)
        language.action->setChecked(language.code == ctx.LanguageCode);
    setWindowTitle(u"Numerillo"_s);

    SetConfig(settings);
    tickChosenTables();
    Random::seedFromClock();
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
    Gradient1->setSpec(background);
    setSmallestMultiplicator(context().settings.Range);
}

void TFStart::tickChosenTables()
{
    const ChoiceFile::Choice choice = ChoiceFile::parse(LBTmp);
    for (int table : choice.tables)
        CheckBoxes[table - 1]->setChecked(true);
    if (choice.badLine)
        Messages::show(u"'%1' is not a valid integer value"_s.arg(*choice.badLine));
}

void TFStart::LoadCaptions()
{
    const CaptionTexts texts = CaptionTexts::load(context().languageFile(), Section);
    for (int i = 0; i < 12; ++i)
        CheckBoxes[i]->setText(texts.text(QString::fromLatin1(TableKeys[i])));
    BitBtn3->setText(texts.text(u"vSelectAllBtn"_s));
    BitBtn4->setText(texts.text(u"vInverseSelBtn"_s));
    BitBtn9->setText(texts.text(u"vExpertBtn"_s));
    BitBtn2->setText(texts.text(u"vStartWorkBtn"_s));
    BitBtn5->setText(texts.text(u"vPrintCalcBtn"_s));
    BitBtn1->setText(texts.text(u"vQuitBtn"_s));
    Label1->setText(texts.text(u"vComment"_s));
    GroupBox1->setTitle(u' ' + texts.text(u"vCaptionGroupBox"_s) + u' ');
    FileMenu->setTitle(texts.text(u"vMenuFilesCaption"_s));
    Progress1->setText(texts.text(u"vMenuProgressCaption"_s));
    Quit->setText(texts.text(u"vMenuQuitCaption"_s));
    LanguageMenu->setTitle(texts.text(u"vMenuLangCaption"_s));
    HelpMenu->setTitle(texts.text(u"vMenuAboutCaption"_s));
    Help1->setText(texts.text(u"vMenuAboutIndexcaption"_s));
    About1->setText(texts.text(u"vMenuAbout1Caption"_s));
}

void TFStart::selectLanguage(const QString &code)
{
    context().LanguageCode = code;
    for (Language &language : m_languages)
        language.action->setChecked(language.code == code);
    m_windows.UpdateLanguage();
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
    Gradient1->installEventFilter(this);
    // A window that is not drawn at once (started minimised, say) finishes
    // its start-up all the same.
    QTimer::singleShot(StartupWithoutDrawing, this, &TFStart::finishStartup);
    BitBtn1->setFocus();
    show();
}

void TFStart::finishStartup()
{
    if (!m_prepareShowSteps)
        return;
    Gradient1->removeEventFilter(this);
    std::exchange(m_prepareShowSteps, {})();
    FormShow();
    FormActivate();
}

// The background fills the window, so its first painting is the moment the
// pupil sees the window; the rest of the start-up follows in the next turn.
bool TFStart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Gradient1 && event->type() == QEvent::Paint)
        QTimer::singleShot(0, this, &TFStart::finishStartup);
    return QMainWindow::eventFilter(watched, event);
}

void TFStart::FormShow()
{
    m_windows.FCalculator->takeBackground(Gradient1->spec());
    BitBtn1->setFocus();
    m_windows.FSound->startWindowShowStep();
}

void TFStart::FormActivate()
{
    m_windows.FSwap->UpDown1->setValue(context().settings.Range);
    m_windows.FSound->startWindowActivationStep();
    m_windows.FSwap->BitBtn1Click();
    CanGo();
}

void TFStart::CanGo()
{
    LBChoice.clear();
    for (QCheckBox *box : CheckBoxes) {
        if (box->isChecked())
            LBChoice << QString::number(box->property("tag").toInt());
    }
    BitBtn2->setEnabled(!LBChoice.isEmpty());
    BitBtn5->setEnabled(!LBChoice.isEmpty());
}

void TFStart::setSmallestMultiplicator(int smallest)
{
    LBRange.clear();
    for (int multiplicator = std::clamp(smallest, 1, 12); multiplicator <= 12; ++multiplicator)
        LBRange << QString::number(multiplicator);
}

void TFStart::GlobalCheck(bool checked)
{
    for (QCheckBox *box : CheckBoxes)
        box->setChecked(checked);
    CanGo();
}

void TFStart::BitBtn3Click()
{
    GlobalCheck(true);
}

void TFStart::BitBtn4Click()
{
    for (QCheckBox *box : CheckBoxes)
        box->setChecked(!box->isChecked());
    CanGo();
}

void TFStart::BitBtn2Click()
{
    if (context().settings.Bouton != 0 && !m_windows.FSound->playToEnd(SoundEvent::StartDrill))
        Messages::show(u"Sound problem..."_s);
    TFCalculator *drill = m_windows.FCalculator;
    drill->setWindowState(windowState());
    hide();
    drill->exec();
    setWindowState(drill->windowState());
    showAndActivate();
}

void TFStart::BitBtn5Click()
{
    m_windows.PrintDlg->exec();
    FormActivate();
}

void TFStart::BitBtn9Click()
{
    m_windows.FSwap->exec();
    FormActivate();
}

void TFStart::About1Click()
{
    m_windows.FAbout->exec();
    FormActivate();
}

void TFStart::Help1Click()
{
    const CaptionTexts texts = CaptionTexts::load(context().languageFile(), u"FCalculator"_s);
    BitBtn6->setText(texts.text(u"vHelpCloseBtn"_s));
    Label5->setText(texts.text(u"vHelpTopInfoLbl"_s));
    const QString page = context().path(u"sys/"_s + context().LanguageCode + u"-help.html"_s);
    if (!QFileInfo(page).isFile()) {
        Messages::show(u"Can't locate file: "_s + QDir::toNativeSeparators(page));
        return;
    }
    if (!htmlLite1) {
        // Made when first needed: the page display is slow to create.
        htmlLite1 = named(new QTextBrowser(Panel4), u"htmlLite1"_s);
        htmlLite1->setOpenLinks(true);
        htmlLite1->setOpenExternalLinks(false);
        htmlLite1->document()->setDefaultFont(QFont(u"Times New Roman"_s));
    }
    htmlLite1->setSource(QUrl::fromLocalFile(page));
    placePanels();
    Panel4->show();
    Panel4->raise();
    htmlLite1->setFocus();
}

void TFStart::BitBtn6Click()
{
    Panel4->hide();
}

void TFStart::placePanels()
{
    const QSize area = Gradient1->size();
    Panel1->move((area.width() - PanelRect.width()) / 2, (area.height() - PanelRect.height()) / 2);
    Panel4->setGeometry((area.width() - 489) / 2, 7, 489, area.height() - 20);
    QWidget *bar = Label5->parentWidget();
    bar->setGeometry(0, 0, Panel4->width(), 41);
    Label5->setGeometry(8, 0, bar->width() - 120, 41);
    BitBtn6->setGeometry(bar->width() - 104, 8, 96, 26);
    if (htmlLite1)
        htmlLite1->setGeometry(0, 41, Panel4->width(), Panel4->height() - 41);
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
    Image1->setVisible(sound);
    QCoreApplication::processEvents();
    saveChoiceAndSettings();
    if (sound)
        m_windows.FSound->playToEnd(SoundEvent::QuitProgram);
    m_quit = true;
    close();
    QCoreApplication::quit();
}

// Enter starts the drill whenever it can, wherever the focus stands: the
// buttons of a main window leave the key to it.
void TFStart::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && BitBtn2->isEnabled()) {
        BitBtn2->click();
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
    if (!TextLines::write(choicePath, LBChoice))
        Messages::show(u"Cannot create file %1"_s.arg(QDir::toNativeSeparators(choicePath)));

    SettingsFile::QuitValues values;
    values.language = ctx.LanguageCode;
    values.range = LBRange.isEmpty() ? ctx.settings.Range : LBRange.first().toInt();
    values.operation = m_windows.FCalculator->operatorIndex();
    values.settings = ctx.settings;
    values.background = Gradient1->spec();
    ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    SettingsFile::write(settings, values);
    if (!settings.save())
        Messages::show(u"Unable to write to %1"_s.arg(QDir::toNativeSeparators(settings.path())));
}
