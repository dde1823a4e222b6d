#include "TFCalculator.h"

#include "Artwork.h"
#include "ColorValue.h"
#include "DrillIcons.h"
#include "LanguageCode.h"
#include "HelpPanel.h"
#include "IntervalTimer.h"
#include "Judgement.h"
#include "LinkLabel.h"
#include "Marking.h"
#include "Messages.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "QuestionGenerator.h"
#include "SafeFile.h"
#include "SettingsFile.h"
#include "TFColor.h"
#include "TFSound.h"
#include "TFStart.h"
#include "TFSwap.h"
#include "TGradient.h"
#include "WindowSet.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QSize ClientSize(746, 558);
const QSize CentralBlock(488, 329);
const int TopBarHeight = 41;
const int HelpPanelWidth = 491;

const int Green = 32768;
const int Red = 255;
const int Grey = 8421504;

template<typename Widget>
Widget *make(QWidget *parent, const QString &name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QFrame *panel(QWidget *parent, const QString &name, QFrame::Shape shape = QFrame::Panel,
              QFrame::Shadow shadow = QFrame::Raised)
{
    auto *frame = make<QFrame>(parent, name);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    frame->setAutoFillBackground(true);
    return frame;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *wrappedLabel(QWidget *parent, const QString &name, int pixels)
{
    auto *label = make<QLabel>(parent, name);
    label->setWordWrap(true);
    label->setFont(pixelFont(label->font(), pixels));
    return label;
}

} // namespace

TFCalculator::TFCalculator(WindowSet &windows)
    : CaptionedDialog(windows, u"FCalculator"_s, QString())
    , m_soundOn(Artwork::loudspeaker(20, true))
    , m_soundOff(Artwork::loudspeaker(20, false))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    QFont base(u"Arial"_s);
    base.setPixelSize(13);
    setFont(base);

    Panel8 = panel(this, u"Panel8"_s, QFrame::NoFrame);
    Panel12 = make<QWidget>(this, u"Panel12"_s);
    Gradient1 = make<TGradient>(Panel12, u"Gradient1"_s);
    Panel5 = panel(Panel12, u"Panel5"_s, QFrame::Box, QFrame::Plain);
    Panel5->setLineWidth(2);
    Panel5->resize(CentralBlock);
    setBackground(Panel5, Qt::white);

    buildTopBar();
    buildKeypad();
    buildMentalPanel();
    buildResultPanel();
    buildHelpTexts();
    buildChronoOptions();
    buildHelpPanel();
    buildHiddenControls();

    setMinimumSize(ClientSize);
    resize(ClientSize);

    // Creation: texts, keypad colour, title and fresh counters.
    LoadCaptions();
    setKeypadColour(context().settings.CalcColor);
    setWindowTitle(windows.FStart->windowTitle());
    DrillState &drill = context().drill;
    drill.OperationCount = 0;
    drill.ErrorCount = 0;
    drill.Replaying = false;
    Label8->setText(u"0"_s);
    Label10->setText(u"0"_s);
    setResultColour(Grey);
    showSoundPicture(context().settings.Bouton != 0);
}

void TFCalculator::buildTopBar()
{
    Panel16 = panel(Panel8, u"Panel16"_s, QFrame::NoFrame);
    Panel17 = panel(Panel8, u"Panel17"_s, QFrame::NoFrame);
    Panel18 = panel(Panel17, u"Panel18"_s, QFrame::NoFrame);
    OpSel = make<QComboBox>(Panel16, u"OpSel"_s);
    OpSel->setGeometry(4, 8, 143, 25);
    OpSel->setFont(pixelFont(font(), 12));
    connect(OpSel, &QComboBox::activated, this, &TFCalculator::FormActivate);

    const struct
    {
        QPushButton *TFCalculator::*member;
        const char *name;
        QPixmap picture;
    } buttons[] = {
        {&TFCalculator::BitBtn1, "BitBtn1", DrillIcons::backArrow(20)},
        {&TFCalculator::BitBtn6, "BitBtn6", DrillIcons::bulb(20)},
        {&TFCalculator::BitBtn8, "BitBtn8", QPixmap()},
        {&TFCalculator::BitBtn10, "BitBtn10", DrillIcons::monitor(20)},
        {&TFCalculator::BitBtn9, "BitBtn9", DrillIcons::questionMark(20)},
    };
    int x = 6;
    for (const auto &button : buttons) {
        QPushButton *created = make<QPushButton>(Panel18, QString::fromLatin1(button.name));
        created->setGeometry(x, 7, 102, 26);
        created->setIcon(button.picture);
        created->setIconSize(QSize(20, 20));
        this->*button.member = created;
        x += 106;
    }
    Panel18->resize(x + 2, TopBarHeight);
    connect(BitBtn1, &QPushButton::clicked, this, &TFCalculator::BitBtn1Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFCalculator::BitBtn6Click);
    connect(BitBtn8, &QPushButton::clicked, this, &TFCalculator::BitBtn8Click);
    connect(BitBtn10, &QPushButton::clicked, this, &TFCalculator::BitBtn10Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TFCalculator::BitBtn9Click);
}

void TFCalculator::buildKeypad()
{
    Panel1 = panel(Panel5, u"Panel1"_s);
    Panel1->setGeometry(2, 2, 231, 325);
    Panel13 = panel(Panel1, u"Panel13"_s, QFrame::NoFrame);
    Panel13->setGeometry(2, 2, 227, 321);

    Panel3 = make<QWidget>(Panel13, u"Panel3"_s);
    Panel3->setGeometry(0, 0, 227, 48);
    const QFont question = pixelFont(font(), 24, true);
    F1 = make<QLabel>(Panel3, u"F1"_s);
    F1->setGeometry(2, 9, 54, 30);
    F1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = make<QLabel>(Panel3, u"Label2"_s);
    Label2->setGeometry(56, 9, 24, 30);
    Label2->setAlignment(Qt::AlignCenter);
    F2 = make<QLabel>(Panel3, u"F2"_s);
    F2->setGeometry(80, 9, 36, 30);
    F2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *equals = make<QLabel>(Panel3, u"Label3"_s);
    equals->setGeometry(116, 9, 22, 30);
    equals->setAlignment(Qt::AlignCenter);
    equals->setText(u"="_s);
    Ans = make<QLineEdit>(Panel3, u"Ans"_s);
    Ans->setGeometry(140, 7, 80, 34);
    Ans->setAlignment(Qt::AlignCenter);
    // Typed answers: digits only, at most three; the keypad may add more.
    Ans->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,3}"_s), Ans));
    for (QWidget *widget : {static_cast<QWidget *>(F1), static_cast<QWidget *>(Label2),
                            static_cast<QWidget *>(F2), static_cast<QWidget *>(equals),
                            static_cast<QWidget *>(Ans)})
        widget->setFont(question);
    connect(Ans, &QLineEdit::textChanged, this, &TFCalculator::AnsChange);

    // Held behind the keypad: it keeps the focus in mental mode.
    Button1 = make<QPushButton>(Panel13, u"Button1"_s);
    Button1->setGeometry(10, 60, 20, 20);
    Button1->setFocusPolicy(Qt::ClickFocus); // taken from the program, never by Tab

    const int columns[] = {6, 80, 154};
    const int rows[] = {52, 105, 158, 211, 264};
    const QSize key(69, 48);
    const QFont digits = pixelFont(font(), 20, true);
    const char digitOfKey[] = "7894561230";
    for (int i = 0; i < 10; ++i) {
        QToolButton *button = make<QToolButton>(Panel13, u"SpeedButton%1"_s.arg(i + 1));
        const QChar digit = QLatin1Char(digitOfKey[i]);
        button->setText(digit);
        button->setFont(digits);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(QRect(QPoint(columns[i % 3], rows[i / 3]), key));
        connect(button, &QToolButton::clicked, this, [this, digit] { SpeedButton1Click(digit); });
        SpeedButtons[i] = button;
    }
    BitBtn2 = make<QPushButton>(Panel13, u"BitBtn2"_s);
    BitBtn2->setGeometry(columns[1], rows[3], columns[2] + key.width() - columns[1], key.height());
    BitBtn2->setIcon(DrillIcons::checkMark(24));
    BitBtn2->setIconSize(QSize(24, 24));
    BitBtn2->setFont(pixelFont(font(), 16, true));
    BitBtn2->setDefault(true);
    BitBtn2->setEnabled(false);

    BitBtn11 = make<QPushButton>(Panel13, u"BitBtn11"_s);
    BitBtn7 = make<QPushButton>(Panel13, u"BitBtn7"_s);
    SpeedButton11 = make<QToolButton>(Panel13, u"SpeedButton11"_s);
    SpeedButton11->setFocusPolicy(Qt::NoFocus);
    const std::pair<QAbstractButton *, QPixmap> tools[] = {{BitBtn11, DrillIcons::wasteBin(32)},
                                                          {BitBtn7, DrillIcons::camera(32)},
                                                          {SpeedButton11, DrillIcons::ambulance(32)}};
    for (int i = 0; i < 3; ++i) {
        tools[i].first->setGeometry(QRect(QPoint(columns[i], rows[4]), key));
        tools[i].first->setIcon(tools[i].second);
        tools[i].first->setIconSize(QSize(32, 32));
    }
    Button1->lower();

    connect(BitBtn2, &QPushButton::clicked, this, &TFCalculator::BitBtn2Click);
    connect(BitBtn11, &QPushButton::clicked, this, &TFCalculator::BitBtn11Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TFCalculator::SpeedButton11Click);

    auto *gaugeFrame = panel(Panel5, u"Bevel1"_s, QFrame::Panel, QFrame::Sunken);
    gaugeFrame->setGeometry(236, 6, 14, 317);
    Gauge1 = make<QProgressBar>(gaugeFrame, u"Gauge1"_s);
    Gauge1->setOrientation(Qt::Vertical);
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(2, 2, 10, 313);
    Gauge1->setRange(0, 8 * context().settings.Timer1);
    Gauge1->setValue(0);
    QPalette silver = Gauge1->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    Gauge1->setPalette(silver);
}

// Read through the program's reader, which opens only regular files.
QPixmap TFCalculator::picture(const QString &relative) const
{
    QPixmap pixmap;
    if (const auto bytes = SafeFile::read(context().path(relative)))
        pixmap.loadFromData(*bytes);
    return pixmap;
}

// The textures are read when the window is first shown, not while the
// program starts.
void TFCalculator::loadTextures()
{
    if (m_texturesLoaded)
        return;
    m_texturesLoaded = true;
    Image2->setPixmap(picture(u"pictures/keypad-texture.jpg"_s));
    Image4->setPixmap(picture(u"pictures/help-texture.jpg"_s));
}

void TFCalculator::buildMentalPanel()
{
    Panel9 = panel(Panel13, u"Panel9"_s, QFrame::NoFrame);
    Panel9->setGeometry(0, 48, 227, 273);
    Image2 = make<QLabel>(Panel9, u"Image2"_s);
    Image2->setGeometry(Panel9->rect());
    Image2->setScaledContents(true);
    Label17 = wrappedLabel(Panel9, u"Label17"_s, 16);
    Label17->setFont(pixelFont(font(), 16, true));
    Label17->setStyleSheet(u"color: white;"_s);
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setGeometry(10, 14, 207, 50);
    Label25 = wrappedLabel(Panel9, u"Label25"_s, 13);
    Label25->setStyleSheet(u"color: white;"_s);
    Label25->setAlignment(Qt::AlignCenter);
    Label25->setGeometry(10, 70, 207, 110);
    Image5 = make<QLabel>(Panel9, u"Image5"_s);
    Image5->setPixmap(Artwork::logo(QSize(153, 41)));
    Image5->setGeometry(37, 190, 153, 41);
    Label26 = make<LinkLabel>(Panel9, u"Label26"_s);
    Label26->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label26->setGeometry(60, 250, 160, 18);
    Label26->setAutoFillBackground(true); // readable over the dark texture
    setBackground(Label26, Qt::white);
    Label26->setContentsMargins(4, 0, 4, 0);
    connect(Label26, &LinkLabel::clicked, this, &TFCalculator::Label26Click);
    Panel9->hide();
}

void TFCalculator::buildResultPanel()
{
    Panel6 = panel(Panel5, u"Panel6"_s);
    Panel6->setGeometry(252, 2, 234, 325);
    Panel4 = panel(Panel6, u"Panel4"_s, QFrame::NoFrame);
    Panel4->setGeometry(2, 2, 230, 321);
    Panel2 = panel(Panel4, u"Panel2"_s, QFrame::NoFrame);
    Panel2->setGeometry(0, 0, 230, 166);

    const QFont bold = pixelFont(font(), 13, true);
    Label13 = make<QLabel>(Panel2, u"Label13"_s);
    Label13->setGeometry(6, 3, 218, 17);
    Label13->setFont(bold);
    Label6 = make<QLabel>(Panel2, u"Label6"_s);
    Label6->setGeometry(6, 20, 218, 17);
    Label12 = make<QLabel>(Panel2, u"Label12"_s);
    Label12->setGeometry(6, 39, 218, 32);
    Label12->setFrameShape(QFrame::Panel);
    Label12->setFrameShadow(QFrame::Sunken);
    Label12->setAlignment(Qt::AlignCenter);
    Label12->setFont(pixelFont(font(), 20, true));
    Label24 = make<QLabel>(Panel2, u"Label24"_s);
    Label24->setGeometry(6, 76, 218, 17);
    Label24->setFont(bold);

    const std::pair<QLabel **, QLabel **> lines[] = {
        {&Label7, &Label8}, {&Label9, &Label10}, {&Label22, &Label11}};
    const char *const names[][2] = {{"Label7", "Label8"}, {"Label9", "Label10"}, {"Label22", "Label11"}};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = make<QLabel>(Panel2, QString::fromLatin1(names[i][0]));
        QLabel *value = make<QLabel>(Panel2, QString::fromLatin1(names[i][1]));
        caption->setGeometry(14, 94 + 17 * i, 110, 17);
        value->setGeometry(96, 94 + 17 * i, 128, 17);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFont(bold);
        *lines[i].first = caption;
        *lines[i].second = value;
    }
    BitBtn3 = make<QPushButton>(Panel2, u"BitBtn3"_s);
    BitBtn3->setGeometry(40, 146, 150, 20);
    connect(BitBtn3, &QPushButton::clicked, this, &TFCalculator::BitBtn3Click);

    BitBtn12 = make<QPushButton>(Panel4, u"BitBtn12"_s);
    BitBtn12->setGeometry(6, 168, 218, 26);
    BitBtn12->setIcon(DrillIcons::stopwatch(20));
    BitBtn12->setIconSize(QSize(20, 20));
}

void TFCalculator::buildHelpTexts()
{
    Panel10 = panel(Panel4, u"Panel10"_s, QFrame::Panel, QFrame::Sunken);
    Panel10->setGeometry(0, 196, 230, 125);
    Panel11 = panel(Panel10, u"Panel11"_s, QFrame::NoFrame);
    Panel11->setGeometry(1, 1, 228, 123);
    Panel11->setBackgroundRole(QPalette::ToolTipBase);

    Label16 = wrappedLabel(Panel11, u"Label16"_s, 11);
    Label18 = wrappedLabel(Panel11, u"Label18"_s, 11);
    Label19 = wrappedLabel(Panel11, u"Label19"_s, 11);
    // The Enter key's check mark and the answer-help key, inside the first text.
    Label16->setContentsMargins(20, 0, 0, 0);
    auto *check = make<QLabel>(Label16, u"Image1"_s);
    check->setPixmap(DrillIcons::checkMark(14));
    check->setGeometry(0, 1, 16, 14);
    auto *help = make<QLabel>(Label16, u"Image3"_s);
    help->setPixmap(DrillIcons::ambulance(16));
    help->setGeometry(0, 16, 16, 16);
    auto *texts = new QVBoxLayout(Panel11);
    texts->setContentsMargins(4, 2, 4, 16);
    texts->setSpacing(3);
    texts->addWidget(Label16);
    texts->addWidget(Label18);
    texts->addWidget(Label19);
    texts->addStretch();

    Image4 = make<QLabel>(Panel11, u"Image4"_s);
    Image4->setGeometry(Panel11->rect());
    Image4->setScaledContents(true);
    Image6 = make<QLabel>(Panel11, u"Image6"_s);
    Image6->setPixmap(Artwork::logo(QSize(153, 41)));
    Image6->setGeometry(37, 36, 153, 41);
    Label27 = make<LinkLabel>(Panel11, u"Label27"_s);
    Label27->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label27->setGeometry(60, 105, 164, 16);
    connect(Label27, &LinkLabel::clicked, this, &TFCalculator::Label27Click);
}

void TFCalculator::buildChronoOptions()
{
    Panel7 = panel(Panel4, u"Panel7"_s, QFrame::Panel, QFrame::Sunken);
    Panel7->setGeometry(Panel10->geometry());
    Panel7->setFont(pixelFont(font(), 11));
    auto *grid = new QGridLayout(Panel7);
    grid->setContentsMargins(3, 2, 3, 3);
    grid->setSpacing(3);

    GroupBox1 = make<QGroupBox>(Panel7, u"GroupBox1"_s);
    SpinEdit1 = make<QSpinBox>(GroupBox1, u"SpinEdit1"_s);
    SpinEdit1->setRange(1, 15);
    auto *think = new QHBoxLayout(GroupBox1);
    think->setContentsMargins(4, 2, 4, 2);
    think->addWidget(SpinEdit1);
    think->addWidget(new QLabel(u"sec."_s, GroupBox1));

    const auto radioGroup = [this](const QString &name, std::array<QRadioButton *, 2> &items) {
        QGroupBox *group = make<QGroupBox>(Panel7, name);
        auto *column = new QVBoxLayout(group);
        column->setContentsMargins(4, 0, 4, 0);
        column->setSpacing(0);
        for (int i = 0; i < 2; ++i) {
            items[i] = make<QRadioButton>(group, name + u"Item"_s + QString::number(i));
            column->addWidget(items[i]);
        }
        group->setEnabled(false);
        return group;
    };
    RadioGroup1 = radioGroup(u"RadioGroup1"_s, RadioGroup1Items);
    RadioGroup2 = radioGroup(u"RadioGroup2"_s, RadioGroup2Items);
    RadioGroup2Items[0]->setChecked(true);

    GroupBox2 = make<QGroupBox>(Panel7, u"GroupBox2"_s);
    TrackBar2 = make<QSlider>(GroupBox2, u"TrackBar2"_s);
    TrackBar2->setOrientation(Qt::Horizontal);
    TrackBar2->setRange(1, 4);
    TrackBar2->setTickPosition(QSlider::TicksBelow);
    auto *display = new QGridLayout(GroupBox2);
    display->setContentsMargins(4, 0, 4, 0);
    display->setSpacing(0);
    display->addWidget(TrackBar2, 0, 0, 1, 4);
    display->addWidget(new QLabel(u"sec."_s, GroupBox2), 0, 4);
    const QString scale[] = {u"0.2"_s, u"1"_s, u"2"_s, u"3"_s};
    for (int i = 0; i < 4; ++i)
        display->addWidget(new QLabel(scale[i], GroupBox2), 1, i);
    GroupBox2->hide();

    grid->addWidget(GroupBox1, 0, 0);
    grid->addWidget(RadioGroup1, 0, 1);
    grid->addWidget(RadioGroup2, 1, 0);
    grid->addWidget(GroupBox2, 1, 1);
    Panel7->hide();
}

void TFCalculator::buildHelpPanel()
{
    Panel14 = new HelpPanel({"Panel14", "Panel15", "Label1", "BitBtn4", 38, 239, font(), u"Arial"_s,
                             QMargins(5, 0, 5, 0)},
                            Panel12);
    connect(Panel14, &HelpPanel::closeClicked, this, &TFCalculator::BitBtn4Click);
}

void TFCalculator::buildHiddenControls()
{
    TrackBar1 = make<QSlider>(this, u"TrackBar1"_s);
    TrackBar1->setRange(1, 2);
    TrackBar1->hide();
    Memo1 = make<QPlainTextEdit>(this, u"Memo1"_s);
    Memo1->hide();
    Timer1 = new IntervalTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer2 = new IntervalTimer(this);
    Timer2->setObjectName(u"Timer2"_s);
    Timer3 = new IntervalTimer(this);
    Timer3->setObjectName(u"Timer3"_s);
}

void TFCalculator::LoadCaptions()
{
    CaptionedDialog::LoadCaptions();
    BitBtn1->setText(text(u"vCaptionBtn1"_s));
    BitBtn6->setText(text(u"vCaptionBtn6"_s));
    BitBtn8->setText(text(u"vCaptionBtn8"_s));
    BitBtn10->setText(text(u"vCaptionBtn10"_s));
    BitBtn9->setText(text(u"vCaptionBtn9"_s));
    BitBtn2->setText(text(u"vCaptionBtn2"_s));
    Label13->setText(text(u"vLastCalcLbl"_s));
    Label24->setText(text(u"vCounterLbl"_s));
    Label7->setText(text(u"vOperationLbl"_s));
    Label9->setText(text(u"vErrorsLbl"_s));
    Label22->setText(text(u"vAverageLbl"_s));
    BitBtn3->setText(text(u"vResetBtn"_s));
    GroupBox1->setTitle(text(u"vThinkTimeCaption"_s));
    RadioGroup1->setTitle(text(u"vGaugeCaption"_s));
    RadioGroup1Items[0]->setText(text(u"vGaugeVisibleItem"_s));
    RadioGroup1Items[1]->setText(text(u"vGaugeHiddenItem"_s));
    RadioGroup2->setTitle(text(u"vModeCaption"_s));
    RadioGroup2Items[0]->setText(text(u"vModeWrittenItem"_s));
    RadioGroup2Items[1]->setText(text(u"vModeMentalItem"_s));
    GroupBox2->setTitle(text(u"vDispAnswerCaption"_s));
}

void TFCalculator::takeBackground(const GradientSpec &spec)
{
    Gradient1->setSpec(spec);
    colourTopBar(spec.firstColor());
}

void TFCalculator::colourTopBar(int colour)
{
    for (QFrame *part : {Panel16, Panel17, Panel18, Panel8})
        setBackground(part, ColorValue::toColor(colour));
}

int TFCalculator::operatorIndex() const
{
    return OpSel->currentIndex();
}

void TFCalculator::restoreFocus()
{
    if (context().drill.MentalMode)
        Button1->setFocus();
    else
        Ans->setFocus();
}

void TFCalculator::showSoundPicture(bool soundOn)
{
    BitBtn8->setIcon(soundOn ? m_soundOn : m_soundOff);
}

void TFCalculator::loadOperators()
{
    const AppContext &ctx = context();
    OpSel->clear();
    if (const auto names = OperatorList::load(ctx.AppDir, ctx.LanguageCode)) {
        OpSel->addItems(names->mid(0, OperatorKinds::Count));
        // The open list shows the names in full, even where the box is too narrow.
        OpSel->view()->setMinimumWidth(OpSel->view()->sizeHintForColumn(0) + 8);
    } else {
        Messages::show(u"Cannot open file %1"_s.arg(
            QDir::toNativeSeparators(ctx.path(OperatorList::relativePath(ctx.LanguageCode)))));
    }
    const ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    const int stored = OperatorKinds::indexFromStored(settings.readString(u"GLOBAL"_s, u"Operation"_s, u"0"_s));
    OpSel->setCurrentIndex(stored < OpSel->count() ? stored : -1);
}

void TFCalculator::FormShow()
{
    const AppContext &ctx = context();
    loadTextures();
    loadOperators();
    Panel14->setTexts(text(u"vHelpTopInfoLbl"_s), text(u"vHelpCloseBtn"_s));
    BitBtn12->setText(text(u"vTimerGoBtn"_s));
    Label11->setText(ctx.drill.MarkText + u' ' + text(u"vAverageCalc"_s));
    Label12->setText(text(u"vModeWaitingStateLbl"_s));
    Label6->setText(text(u"vResultWaitLbl"_s));
    Label9->show();
    Label10->setText(QString::number(ctx.drill.ErrorCount));
    Label10->show();
    Label16->setText(text(u"vRightInfoText1Lbl"_s));
    Label18->setText(text(u"vRightInfoText2Lbl"_s));
    Label19->setText(text(u"vRightInfoText3Lbl"_s));
    Label17->setText(text(u"vLeftInfoTextTopLbl"_s));
    Label25->setText(text(u"vLeftInfoTextBotLbl"_s));
    RadioGroup1Items[ctx.settings.Jauge ? 0 : 1]->setChecked(true);
    Gauge1->setVisible(ctx.settings.Jauge);
    context().drill.MentalMode = false;
    applyHideTextLeft();
    applyHideTextRight();
}

void TFCalculator::showEvent(QShowEvent *event)
{
    CaptionedDialog::showEvent(event);
    if (event->spontaneous() || m_showing)
        return;
    m_showing = true;
    // The first question comes once the window is up, once per showing.
    QTimer::singleShot(0, this, &TFCalculator::activateOnce);
}

void TFCalculator::activateOnce()
{
    if (isVisible())
        FormActivate();
}

void TFCalculator::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_showing = false;
    CaptionedDialog::hideEvent(event);
}

void TFCalculator::FormActivate()
{
    AppContext &ctx = context();
    DrillState &drill = ctx.drill;
    std::optional<OperatorKind> kind = OperatorKinds::fromIndex(OpSel->currentIndex());
    if (!kind) {
        OpSel->setCurrentIndex(OpSel->count() > 0 ? 0 : -1);
        kind = OperatorKind::Multiply;
    }
    const QuestionGenerator::Request request{*kind, OperatorKinds::divisionSign(ctx.LanguageCode),
                                             m_windows.FStart->LBRange, m_windows.FStart->LBChoice,
                                             ctx.settings.Inversion};
    QuestionGenerator::chooseSign(drill, request);
    Label2->setText(drill.Sign);
    showSoundPicture(ctx.settings.Bouton != 0);
    ++drill.OperationCount;

    Panel9->setVisible(drill.MentalMode);
    Gauge1->setValue(0);
    TrackBar2->setValue(ctx.settings.Timer2);
    QPalette bar = Gauge1->palette();
    if (bar.color(QPalette::Highlight) != ColorValue::toColor(ctx.settings.Couleur)) {
        bar.setColor(QPalette::Highlight, ColorValue::toColor(ctx.settings.Couleur));
        Gauge1->setPalette(bar);
    }
    SpinEdit1->setValue(ctx.settings.Timer1);

    Label10->setText(QString::number(drill.ErrorCount));
    Ans->clear();

    QuestionGenerator::drawFactors(drill, request);
    F1->setText(drill.FirstText);
    F2->setText(drill.SecondText);
    if (!drill.MentalMode)
        Ans->setFocus();
}

// Enter can't judge an empty answer.
void TFCalculator::AnsChange(const QString &answer)
{
    BitBtn2->setEnabled(!answer.isEmpty());
}

void TFCalculator::SpeedButton1Click(QChar digit)
{
    Ans->setText(Ans->text() + digit);
}

void TFCalculator::BitBtn11Click()
{
    Ans->clear();
    Ans->setFocus();
}

void TFCalculator::SpeedButton11Click()
{
    const DrillState &drill = context().drill;
    Label12->setText(text(u"vModeClickEnterStateLbl"_s));
    Ans->setText(QString::number(QuestionGenerator::screenAnswer(F1->text(), F2->text(), drill.Sign)));
}

void TFCalculator::BitBtn2Click()
{
    const DrillState &drill = context().drill;
    const bool right = Judgement::isRight(Ans->text(), drill.Expected);
    if (right)
        ShowCalcString(SoundEvent::RightAnswer, text(u"vResultRightLbl"_s));
    else
        ShowCalcString(SoundEvent::WrongAnswer, text(u"vResultWrongLbl"_s));
    Label11->show();
    Label8->setText(QString::number(drill.OperationCount));
    CalcMark();
    Ans->clear();
    showMarkLine();
    FormActivate();
}

void TFCalculator::ShowCalcString(SoundEvent event, const QString &comment)
{
    DrillState &drill = context().drill;
    if (Ans->text().isEmpty())
        Ans->setText(u"00"_s);
    if (Judgement::isRight(Ans->text(), drill.Expected)) {
        setResultColour(Green);
    } else {
        setResultColour(Red);
        ++drill.ErrorCount;
        Label10->setText(QString::number(drill.ErrorCount));
    }
    Label12->setText(Judgement::resultLine(drill));
    Label6->setText(Judgement::comment(comment));
    m_windows.FSound->MakeSound(event);
}

void TFCalculator::CalcMark()
{
    Marking::CalcMark(context().drill, QLocale());
}

void TFCalculator::showMarkLine()
{
    Label11->setText(context().drill.MarkText + u' ' + text(u"vAverageCalc"_s));
}

void TFCalculator::setResultColour(int colour)
{
    if (colour == m_resultColour)
        return;
    m_resultColour = colour;
    QPalette palette = Label12->palette();
    palette.setColor(QPalette::WindowText, ColorValue::toColor(colour));
    Label12->setPalette(palette);
}

void TFCalculator::BitBtn3Click()
{
    DrillState &drill = context().drill;
    Label11->hide();
    drill.OperationCount = 0;
    drill.ErrorCount = 0;
    Label8->setText(u"0"_s);
    Label10->setText(u"0"_s);
    Panel2->repaint();
    restoreFocus();
    Gauge1->setValue(0);
    Timer1->setInterval(0);
    FormActivate();
}

void TFCalculator::BitBtn1Click()
{
    reject();
}

void TFCalculator::done(int result)
{
    FormClose();
    CaptionedDialog::done(result);
}

// Leaving the drill stops the chronometer's work; the counters, the drill
// state and the chronometer switch stay for the next drill.
void TFCalculator::FormClose()
{
    if (!Panel14->isHidden())
        BitBtn4Click();
    if (Panel7->isVisible()) {
        Panel7->hide();
        BitBtn12->setText(text(u"vTimerGoBtn"_s));
    }
    context().drill.MentalMode = false;
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
}

// The options apply from the next question; the pupil answers on.
void TFCalculator::BitBtn6Click()
{
    m_windows.FSwap->exec();
    restoreFocus();
}

void TFCalculator::BitBtn8Click()
{
    m_windows.FSound->exec();
    restoreFocus();
}

void TFCalculator::BitBtn10Click()
{
    stopChronometer();
    m_windows.FColor->adjust(Gradient1->spec());
    restoreFocus();
}

// Where the screen and help buttons stop a running chronometer first, as
// its own button does; the chronometer is not built yet, so there is
// nothing to stop.
void TFCalculator::stopChronometer()
{
}

void TFCalculator::BitBtn9Click()
{
    stopChronometer();
    enableTopBar(false);
    Button1->hide();
    Panel14->resize(Panel14->width(), Gradient1->height() - 40);
    Panel5->hide();
    Panel14->raise();
    if (!Panel14->load(LanguageCode::helpPagePath(context().AppDir, context().LanguageCode))) {
        BitBtn4Click();
        return;
    }
    Panel14->show();
    Panel14->closeButton()->setDefault(true);
    Panel14->focusPage();
}

void TFCalculator::BitBtn4Click()
{
    Panel14->setTexts(text(u"vHelpTopInfoLbl"_s), text(u"vHelpCloseBtn"_s));
    enableTopBar(true);
    Button1->show();
    Panel14->hide();
    Panel5->show();
    BitBtn2->setDefault(true);
    Ans->setFocus();
}

// While help is open the pupil reads it: the buttons to other windows and
// the operator list wait.
void TFCalculator::enableTopBar(bool enabled)
{
    for (QWidget *control : {static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(BitBtn6),
                             static_cast<QWidget *>(BitBtn8), static_cast<QWidget *>(BitBtn9),
                             static_cast<QWidget *>(BitBtn10), static_cast<QWidget *>(OpSel)})
        control->setEnabled(enabled);
}

void TFCalculator::setKeypadColour(int colour)
{
    setBackground(Panel13, ColorValue::toColor(colour));
}

void TFCalculator::Label26Click()
{
    bool &hidden = context().settings.HideTextLeft;
    hidden = !hidden;
    applyHideTextLeft();
}

void TFCalculator::Label27Click()
{
    bool &hidden = context().settings.HideTextRight;
    hidden = !hidden;
    applyHideTextRight();
}

void TFCalculator::applyHideTextLeft()
{
    const bool hidden = context().settings.HideTextLeft;
    Label17->setVisible(!hidden);
    Label25->setVisible(!hidden);
    Label26->setText(text(hidden ? u"vViewInfoLbl"_s : u"vHideTextLbl"_s));
    Label26->adjustSize();
    Label26->move(Panel9->width() - Label26->width() - 6, Panel9->height() - Label26->height() - 6);
}

void TFCalculator::applyHideTextRight()
{
    const bool hidden = context().settings.HideTextRight;
    Image4->setVisible(hidden);
    Image6->setVisible(hidden);
    Label27->setText(text(hidden ? u"vViewInfoLbl"_s : u"vHideTextLbl"_s));
    Label27->raise();
}

void TFCalculator::resizeEvent(QResizeEvent *event)
{
    CaptionedDialog::resizeEvent(event);
    FormResize();
}

void TFCalculator::FormResize()
{
    Panel8->setGeometry(0, 0, width(), TopBarHeight);
    Panel16->setGeometry(0, 0, 151, TopBarHeight);
    Panel17->setGeometry(151, 0, width() - 151, TopBarHeight);
    Panel18->move(Panel17->width() - Panel18->width(), 0);
    Panel12->setGeometry(0, TopBarHeight, width(), height() - TopBarHeight);
    Gradient1->setGeometry(Panel12->rect());
    Panel5->move((Panel12->width() - Panel5->width()) / 2, (Panel12->height() - Panel5->height()) / 2);

    Panel14->setGeometry((width() - HelpPanelWidth) / 2, 20, HelpPanelWidth, Gradient1->height() - 40);
    setBackground(Panel8, Panel17->palette().color(QPalette::Window));
}
