#include "TFCalculatorUi.h"

#include "AnswerKeyFilter.h"
#include "Artwork.h"
#include "DrillIcons.h"
#include "DropDownList.h"
#include "HelpPanel.h"
#include "LinkLabel.h"
#include "NamedChild.h"
#include "TGradient.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QSize CentralBlock(488, 329);
const int TopBarHeight = 41;
const int HelpPanelWidth = 491;

QFrame *panel(QWidget *parent, const QString &name, QFrame::Shape shape = QFrame::Panel,
              QFrame::Shadow shadow = QFrame::Raised)
{
    auto *frame = makeNamed<QFrame>(parent, name);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel *wrappedLabel(QWidget *parent, const QString &name, int pixels)
{
    auto *label = makeNamed<QLabel>(parent, name);
    label->setWordWrap(true);
    label->setFont(pixelFont(label->font(), pixels));
    return label;
}

QLabel *logo(QWidget *parent, const QString &name, QPoint at)
{
    auto *label = makeNamed<QLabel>(parent, name);
    label->setPixmap(Artwork::logo(Artwork::LogoSize));
    label->setGeometry(QRect(at, Artwork::LogoSize));
    return label;
}

// The link that hides or shows the help texts of a panel.
LinkLabel *link(QWidget *parent, const QString &name, const QRect &place)
{
    auto *label = makeNamed<LinkLabel>(parent, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

} // namespace

void TFCalculatorUi::setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void TFCalculatorUi::setupUi(QDialog *window)
{
    m_window = window;
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                           | Qt::WindowCloseButtonHint);
    QFont base(u"Arial"_s);
    base.setPixelSize(13);
    window->setFont(base);

    Panel8 = panel(window, u"Panel8"_s, QFrame::NoFrame);
    Panel12 = makeNamed<QWidget>(window, u"Panel12"_s);
    Gradient1 = makeNamed<TGradient>(Panel12, u"Gradient1"_s);
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
    buildHiddenControls(window);

    window->setMinimumSize(ClientSize);
    window->resize(ClientSize);
}

QFont TFCalculatorUi::font(int pixels, bool bold) const
{
    return pixelFont(m_window->font(), pixels, bold);
}

void TFCalculatorUi::buildTopBar()
{
    Panel16 = panel(Panel8, u"Panel16"_s, QFrame::NoFrame);
    Panel17 = panel(Panel8, u"Panel17"_s, QFrame::NoFrame);
    Panel18 = panel(Panel17, u"Panel18"_s, QFrame::NoFrame);
    OpSel = makeNamed<DropDownList>(Panel16, u"OpSel"_s);
    OpSel->setGeometry(4, 8, 143, 25);
    OpSel->setFont(font(12));

    const struct
    {
        QPushButton *TFCalculatorUi::*member;
        const char *name;
        QPixmap picture;
    } buttons[] = {
        {&TFCalculatorUi::BitBtn1, "BitBtn1", DrillIcons::backArrow(20)},
        {&TFCalculatorUi::BitBtn6, "BitBtn6", DrillIcons::bulb(20)},
        {&TFCalculatorUi::BitBtn8, "BitBtn8", QPixmap()},
        {&TFCalculatorUi::BitBtn10, "BitBtn10", DrillIcons::monitor(20)},
        {&TFCalculatorUi::BitBtn9, "BitBtn9", DrillIcons::questionMark(20)},
    };
    int x = 6;
    for (const auto &button : buttons) {
        QPushButton *created = makeNamed<QPushButton>(Panel18, QString::fromLatin1(button.name));
        created->setGeometry(x, 7, 102, 26);
        created->setIcon(button.picture);
        created->setIconSize(QSize(20, 20));
        this->*button.member = created;
        x += 106;
    }
    Panel18->resize(x + 2, TopBarHeight);
}

void TFCalculatorUi::buildKeypad()
{
    Panel1 = panel(Panel5, u"Panel1"_s);
    Panel1->setGeometry(2, 2, 231, 325);
    Panel13 = panel(Panel1, u"Panel13"_s, QFrame::NoFrame);
    Panel13->setGeometry(2, 2, 227, 321);

    Panel3 = makeNamed<QWidget>(Panel13, u"Panel3"_s);
    Panel3->setGeometry(0, 0, 227, 48);
    const QFont question = font(24, true);
    F1 = makeNamed<QLabel>(Panel3, u"F1"_s);
    F1->setGeometry(2, 9, 54, 30);
    F1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = makeNamed<QLabel>(Panel3, u"Label2"_s);
    Label2->setGeometry(56, 9, 24, 30);
    Label2->setAlignment(Qt::AlignCenter);
    F2 = makeNamed<QLabel>(Panel3, u"F2"_s);
    F2->setGeometry(80, 9, 36, 30);
    F2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *equals = makeNamed<QLabel>(Panel3, u"Label3"_s);
    equals->setGeometry(116, 9, 22, 30);
    equals->setAlignment(Qt::AlignCenter);
    equals->setText(u"="_s);
    Ans = makeNamed<QLineEdit>(Panel3, u"Ans"_s);
    Ans->setGeometry(140, 7, 80, 34);
    Ans->setAlignment(Qt::AlignCenter);
    // Typed answers: digits only, at most three; the keypad may add more.
    new AnswerKeyFilter(Ans);
    for (QWidget *widget : {static_cast<QWidget *>(F1), static_cast<QWidget *>(Label2),
                            static_cast<QWidget *>(F2), static_cast<QWidget *>(equals),
                            static_cast<QWidget *>(Ans)})
        widget->setFont(question);

    // Held behind the keypad: it keeps the focus in mental mode.
    Button1 = makeNamed<QPushButton>(Panel13, u"Button1"_s);
    Button1->setGeometry(10, 60, 20, 20);
    Button1->setFocusPolicy(Qt::ClickFocus); // taken from the program, never by Tab

    const int columns[] = {6, 80, 154};
    const int rows[] = {52, 105, 158, 211, 264};
    const QSize key(69, 48);
    const QFont digits = font(20, true);
    const char digitOfKey[] = "7894561230";
    for (int i = 0; i < 10; ++i) {
        QToolButton *button = makeNamed<QToolButton>(Panel13, u"SpeedButton%1"_s.arg(i + 1));
        const QChar digit = QLatin1Char(digitOfKey[i]);
        button->setText(digit);
        button->setFont(digits);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(QRect(QPoint(columns[i % 3], rows[i / 3]), key));
        SpeedButtons[i] = button;
    }
    BitBtn2 = makeNamed<QPushButton>(Panel13, u"BitBtn2"_s);
    BitBtn2->setGeometry(columns[1], rows[3], columns[2] + key.width() - columns[1], key.height());
    BitBtn2->setIcon(DrillIcons::checkMark(24));
    BitBtn2->setIconSize(QSize(24, 24));
    BitBtn2->setFont(font(16, true));
    BitBtn2->setDefault(true);
    BitBtn2->setEnabled(false);

    BitBtn11 = makeNamed<QPushButton>(Panel13, u"BitBtn11"_s);
    BitBtn7 = makeNamed<QPushButton>(Panel13, u"BitBtn7"_s);
    SpeedButton11 = makeNamed<QToolButton>(Panel13, u"SpeedButton11"_s);
    SpeedButton11->setFocusPolicy(Qt::NoFocus);
    const std::pair<QAbstractButton *, QPixmap> tools[] = {{BitBtn11, DrillIcons::wasteBin(32)},
                                                          {BitBtn7, DrillIcons::camera(32)},
                                                          {SpeedButton11, DrillIcons::ambulance(32)}};
    for (int i = 0; i < 3; ++i) {
        tools[i].first->setGeometry(QRect(QPoint(columns[i], rows[4]), key));
        tools[i].first->setIcon(tools[i].second);
        tools[i].first->setIconSize(QSize(32, 32));
    }
    BitBtn7Caption = makeNamed<QLabel>(BitBtn7, u"BitBtn7Caption"_s);
    BitBtn7Caption->setGeometry(0, key.height() - 13, key.width(), 12);
    BitBtn7Caption->setAlignment(Qt::AlignCenter);
    BitBtn7Caption->setFont(font(10, true));
    BitBtn7Caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    Button1->lower();


    auto *gaugeFrame = panel(Panel5, u"Bevel1"_s, QFrame::Panel, QFrame::Sunken);
    gaugeFrame->setGeometry(236, 6, 14, 317);
    Gauge1 = makeNamed<QProgressBar>(gaugeFrame, u"Gauge1"_s);
    Gauge1->setOrientation(Qt::Vertical);
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(2, 2, 10, 313);
    Gauge1->setValue(0);
    QPalette silver = Gauge1->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    Gauge1->setPalette(silver);
}

void TFCalculatorUi::buildMentalPanel()
{
    Panel9 = panel(Panel13, u"Panel9"_s, QFrame::NoFrame);
    Panel9->setGeometry(0, 48, 227, 273);
    Image2 = makeNamed<QLabel>(Panel9, u"Image2"_s);
    Image2->setGeometry(Panel9->rect());
    Image2->setScaledContents(true);
    Label17 = wrappedLabel(Panel9, u"Label17"_s, 16);
    Label17->setFont(font(16, true));
    Label17->setStyleSheet(u"color: white;"_s);
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setGeometry(10, 14, 207, 50);
    Label25 = wrappedLabel(Panel9, u"Label25"_s, 13);
    Label25->setStyleSheet(u"color: white;"_s);
    Label25->setAlignment(Qt::AlignCenter);
    Label25->setGeometry(10, 70, 207, 110);
    Image5 = logo(Panel9, u"Image5"_s, QPoint(37, 190));
    Label26 = link(Panel9, u"Label26"_s, QRect(60, 250, 160, 18));
    Label26->setAutoFillBackground(true); // readable over the dark texture
    setBackground(Label26, Qt::white);
    Label26->setContentsMargins(4, 0, 4, 0);
    Panel9->hide();
}

void TFCalculatorUi::buildResultPanel()
{
    Panel6 = panel(Panel5, u"Panel6"_s);
    Panel6->setGeometry(252, 2, 234, 325);
    Panel4 = panel(Panel6, u"Panel4"_s, QFrame::NoFrame);
    Panel4->setGeometry(2, 2, 230, 321);
    Panel2 = panel(Panel4, u"Panel2"_s, QFrame::NoFrame);
    Panel2->setGeometry(0, 0, 230, 166);

    const QFont bold = font(13, true);
    Label13 = makeNamed<QLabel>(Panel2, u"Label13"_s);
    Label13->setGeometry(6, 3, 218, 17);
    Label13->setFont(bold);
    Label6 = makeNamed<QLabel>(Panel2, u"Label6"_s);
    Label6->setGeometry(6, 20, 218, 17);
    // The verdict's picture to the left of the framed result line.
    const int verdict = 22;
    Label12 = makeNamed<QLabel>(Panel2, u"Label12"_s);
    Label12->setGeometry(6 + verdict + 4, 39, 218 - verdict - 4, 32);
    Label12->setFrameShape(QFrame::Panel);
    Label12->setFrameShadow(QFrame::Sunken);
    Label12->setAlignment(Qt::AlignCenter);
    Label12->setFont(font(20, true));
    Image7 = makeNamed<QLabel>(Panel2, u"Image7"_s);
    Image7->setGeometry(6, 39 + (32 - verdict) / 2, verdict, verdict);
    Image7->hide();
    Label24 = makeNamed<QLabel>(Panel2, u"Label24"_s);
    Label24->setGeometry(6, 76, 218, 17);
    Label24->setFont(bold);

    const std::pair<QLabel **, QLabel **> lines[] = {
        {&Label7, &Label8}, {&Label9, &Label10}, {&Label22, &Label11}};
    const char *const names[][2] = {{"Label7", "Label8"}, {"Label9", "Label10"}, {"Label22", "Label11"}};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = makeNamed<QLabel>(Panel2, QString::fromLatin1(names[i][0]));
        QLabel *value = makeNamed<QLabel>(Panel2, QString::fromLatin1(names[i][1]));
        caption->setGeometry(14, 94 + 17 * i, 110, 17);
        value->setGeometry(96, 94 + 17 * i, 128, 17);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFont(bold);
        *lines[i].first = caption;
        *lines[i].second = value;
    }
    BitBtn3 = makeNamed<QPushButton>(Panel2, u"BitBtn3"_s);
    BitBtn3->setGeometry(40, 146, 150, 20);

    BitBtn12 = makeNamed<QPushButton>(Panel4, u"BitBtn12"_s);
    BitBtn12->setGeometry(6, 168, 218, 26);
    BitBtn12->setIcon(DrillIcons::stopwatch(20));
    BitBtn12->setIconSize(QSize(20, 20));
}

void TFCalculatorUi::buildHelpTexts()
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
    auto *check = makeNamed<QLabel>(Label16, u"Image1"_s);
    check->setPixmap(DrillIcons::checkMark(14));
    check->setGeometry(0, 1, 16, 14);
    auto *help = makeNamed<QLabel>(Label16, u"Image3"_s);
    help->setPixmap(DrillIcons::ambulance(16));
    help->setGeometry(0, 16, 16, 16);
    auto *texts = new QVBoxLayout(Panel11);
    texts->setContentsMargins(4, 2, 4, 16);
    texts->setSpacing(3);
    texts->addWidget(Label16);
    texts->addWidget(Label18);
    texts->addWidget(Label19);
    texts->addStretch();

    Image4 = makeNamed<QLabel>(Panel11, u"Image4"_s);
    Image4->setGeometry(Panel11->rect());
    Image4->setScaledContents(true);
    Image6 = logo(Panel11, u"Image6"_s, QPoint(37, 36));
    Label27 = link(Panel11, u"Label27"_s, QRect(60, 105, 164, 16));
}

void TFCalculatorUi::buildChronoOptions()
{
    Panel7 = panel(Panel4, u"Panel7"_s, QFrame::Panel, QFrame::Sunken);
    Panel7->setGeometry(Panel10->geometry());
    Panel7->setFont(font(11));
    auto *grid = new QGridLayout(Panel7);
    grid->setContentsMargins(3, 2, 3, 3);
    grid->setSpacing(3);

    GroupBox1 = makeNamed<QGroupBox>(Panel7, u"GroupBox1"_s);
    SpinEdit1 = makeNamed<QSpinBox>(GroupBox1, u"SpinEdit1"_s);
    SpinEdit1->setRange(1, 15);
    auto *think = new QHBoxLayout(GroupBox1);
    think->setContentsMargins(4, 2, 4, 2);
    think->addWidget(SpinEdit1);
    think->addWidget(new QLabel(u"sec."_s, GroupBox1));

    const auto radioGroup = [this](const QString &name, std::array<QRadioButton *, 2> &items) {
        QGroupBox *group = makeNamed<QGroupBox>(Panel7, name);
        auto *column = new QVBoxLayout(group);
        column->setContentsMargins(4, 0, 4, 0);
        column->setSpacing(0);
        for (int i = 0; i < 2; ++i) {
            items[i] = makeNamed<QRadioButton>(group, name + u"Item"_s + QString::number(i));
            column->addWidget(items[i]);
        }
        group->setEnabled(false);
        return group;
    };
    RadioGroup1 = radioGroup(u"RadioGroup1"_s, RadioGroup1Items);
    RadioGroup2 = radioGroup(u"RadioGroup2"_s, RadioGroup2Items);
    RadioGroup2Items[0]->setChecked(true);

    GroupBox2 = makeNamed<QGroupBox>(Panel7, u"GroupBox2"_s);
    TrackBar2 = makeNamed<QSlider>(GroupBox2, u"TrackBar2"_s);
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

void TFCalculatorUi::buildHelpPanel()
{
    Panel14 = new HelpPanel({"Panel14", "Panel15", "Label1", "BitBtn4", 38, 239, m_window->font(), u"Arial"_s,
                             QMargins(5, 0, 5, 0)},
                            Panel12);
}

void TFCalculatorUi::buildHiddenControls(QDialog *window)
{
    TrackBar1 = makeNamed<QSlider>(window, u"TrackBar1"_s);
    TrackBar1->setRange(1, 2);
    TrackBar1->hide();
    Memo1 = makeNamed<QPlainTextEdit>(window, u"Memo1"_s);
    Memo1->hide();
}

void TFCalculatorUi::layOut(const QSize &size)
{
    Panel8->setGeometry(0, 0, size.width(), TopBarHeight);
    Panel16->setGeometry(0, 0, 151, TopBarHeight);
    Panel17->setGeometry(151, 0, size.width() - 151, TopBarHeight);
    Panel18->move(Panel17->width() - Panel18->width(), 0);
    Panel12->setGeometry(0, TopBarHeight, size.width(), size.height() - TopBarHeight);
    Gradient1->setGeometry(Panel12->rect());
    Panel5->move((Panel12->width() - Panel5->width()) / 2, (Panel12->height() - Panel5->height()) / 2);

    Panel14->place(QRect((size.width() - HelpPanelWidth) / 2, 20, HelpPanelWidth, Gradient1->height() - 40));
    setBackground(Panel8, Panel17->palette().color(QPalette::Window));
}
