#include "TFColor.h"

#include "AppContext.h"
#include "BackgroundPresets.h"
#include "ControlNames.h"
#include "NamedChild.h"
#include "OptionIcons.h"
#include "TGradient.h"
#include "TMakeBackGround.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QSize ClientSize(362, 239);
const QRect FrameRect(8, 8, 346, 186);
const int ColumnWidth = 62;
const QSize SwatchSize(58, 42);
const int SwatchRows[] = {12, 100};
const int ButtonHeight = 24;
const int ToolsLeft = 272;
const QSize ToolSize(64, 30);

// The swatches in their order on screen and the buttons under them.
const char *const PresetButtonNames[BackgroundPresets::Count] = {"Button1", "Button2", "Button3", "Button4",
                                                                 "Button7", "Button5", "Button6"};

QRect swatchRect(int index)
{
    return QRect(QPoint(10 + (index % 4) * ColumnWidth, SwatchRows[index / 4]), SwatchSize);
}

QRect buttonRect(int index)
{
    const QRect swatch = swatchRect(index);
    return QRect(swatch.left(), swatch.bottom() + 3, swatch.width(), ButtonHeight);
}

} // namespace

TFColor::TFColor(AppContext &context)
    : CaptionedDialog(context, u"FColor"_s, u"vFcolorCaption"_s)
    , Panel1(makeNamed<QFrame>(this, u"Panel1"_s))
{
    makeFixedDialog();
    setFixedSize(ClientSize);
    Panel1->setGeometry(FrameRect);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    buildSwatches();
    buildTools();
    LoadCaptions();
}

void TFColor::buildSwatches()
{
    const auto &presets = BackgroundPresets::all();
    for (int i = 0; i < BackgroundPresets::Count; ++i) {
        TGradient *swatch = makeNamed<TGradient>(Panel1, u"Gradient%1"_s.arg(i + 1));
        swatch->setGeometry(swatchRect(i));
        swatch->setSpec(presets[i].background);
        Gradients[i] = swatch;
        QPushButton *button = makeNamed<QPushButton>(Panel1, QString::fromLatin1(PresetButtonNames[i]));
        button->setGeometry(buttonRect(i));
        button->setText(QString::fromLatin1(presets[i].name));
        connect(button, &QPushButton::clicked, this, [this, swatch] { ChangeMenuColor(swatch); });
        PresetButtons[i] = button;
    }
    const int solid = BackgroundPresets::Count;
    Image1 = makeNamed<QLabel>(Panel1, u"Image1"_s);
    Image1->setGeometry(swatchRect(solid));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(OptionIcons::palette(36));
    Button8 = makeNamed<QPushButton>(Panel1, u"Button8"_s);
    Button8->setGeometry(buttonRect(solid));
    connect(Button8, &QPushButton::clicked, this, &TFColor::Button8Click);
}

void TFColor::buildTools()
{
    auto *line = new QFrame(Panel1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(ToolsLeft - 10, 10, 2, FrameRect.height() - 20);

    const struct
    {
        QPushButton *TFColor::*member;
        const char *name;
        QPixmap picture;
        void (TFColor::*handler)();
    } tools[] = {
        {&TFColor::BitBtn2, "BitBtn2", OptionIcons::flip(24), &TFColor::BitBtn2Click},
        {&TFColor::BitBtn3, "BitBtn3", OptionIcons::turn(24), &TFColor::BitBtn3Click},
        {&TFColor::BitBtn5, "BitBtn5", QPixmap(), &TFColor::BitBtn5Click},
        {&TFColor::BitBtn7, "BitBtn7", OptionIcons::thermometer(24), &TFColor::BitBtn7Click},
        {&TFColor::BitBtn6, "BitBtn6", OptionIcons::calculator(24), &TFColor::BitBtn6Click},
    };
    int y = 12;
    for (const auto &tool : tools) {
        QPushButton *button = makeNamed<QPushButton>(Panel1, QString::fromLatin1(tool.name));
        button->setGeometry(QRect(QPoint(ToolsLeft, y), ToolSize));
        if (!tool.picture.isNull()) {
            button->setIcon(tool.picture);
            button->setIconSize(QSize(24, 24));
        }
        connect(button, &QPushButton::clicked, this, tool.handler);
        this->*tool.member = button;
        y += ToolSize.height() + 4;
    }

    BitBtn1 = makeNamed<QPushButton>(this, u"BitBtn1"_s);
    BitBtn1->setGeometry(188, 203, 80, 28);
    BitBtn1->setText(u"OK"_s);
    BitBtn1->setDefault(true);
    BitBtn4 = makeNamed<QPushButton>(this, u"BitBtn4"_s);
    BitBtn4->setGeometry(274, 203, 80, 28);
    connect(BitBtn1, &QPushButton::clicked, this, &TFColor::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFColor::BitBtn4Click);
}

void TFColor::FormShow()
{
    CaptionedDialog::FormShow();
    Button8->setText(text(u"vSolidColBtn"_s));
    BitBtn5->setText(text(u"vFactoryBtn"_s));
    BitBtn4->setText(text(u"vCancelCaptionBtn"_s));
    // The picture buttons say what they do when the pointer rests on them.
    ControlNames::namePicture(BitBtn2, text(u"vFlipHint"_s));
    ControlNames::namePicture(BitBtn3, text(u"vTurnHint"_s));
    ControlNames::namePicture(BitBtn7, text(u"vGaugeColorHint"_s));
    ControlNames::namePicture(BitBtn6, text(u"vKeypadColorHint"_s));
    const AppSettings &settings = context().settings;
    m_snapshot = {settings.CalcColor, settings.Couleur, m_background};
}

void TFColor::adjust(const GradientSpec &drillBackground)
{
    m_background = drillBackground;
    exec();
}

void TFColor::setBackground(const GradientSpec &background)
{
    m_background = background;
    emit drillBackgroundChanged(m_background);
}

// The start window follows at OK or Cancel, which both give it its final
// background: it is hidden while the drill window is open.
void TFColor::ChangeMenuColor(const TGradient *swatch)
{
    setBackground(swatch->spec());
}

void TFColor::Button8Click()
{
    const std::optional<int> colour = ColorDialog1.Execute();
    if (!colour)
        return;
    GradientSpec solid = m_background;
    solid.StartColor = solid.MiddleColor = solid.EndColor = *colour;
    setBackground(solid);
}

void TFColor::BitBtn2Click()
{
    GradientSpec flipped = m_background;
    flipped.Flipped = !flipped.Flipped;
    setBackground(flipped);
}

void TFColor::BitBtn3Click()
{
    GradientSpec turned = m_background;
    turned.orientation = turned.orientation == GradientSpec::goVertical ? GradientSpec::goHorizontal
                                                                        : GradientSpec::goVertical;
    setBackground(turned);
}

void TFColor::BitBtn5Click()
{
    if (m_dialogs.design)
        setBackground(m_dialogs.design->design(m_background));
}

void TFColor::BitBtn6Click()
{
    if (const std::optional<int> colour = ColorDialog1.Execute()) {
        context().settings.CalcColor = *colour;
        emit keypadColourChanged(*colour);
    }
}

// The gauge takes its colour when the drill window prepares the next operation.
void TFColor::BitBtn7Click()
{
    if (const std::optional<int> colour = ColorDialog1.Execute())
        context().settings.Couleur = *colour;
}

void TFColor::BitBtn1Click()
{
    emit startBackgroundChanged(m_background);
    accept();
}

void TFColor::BitBtn4Click()
{
    AppSettings &settings = context().settings;
    settings.CalcColor = m_snapshot.CalcColor;
    settings.Couleur = m_snapshot.Couleur;
    emit keypadColourChanged(settings.CalcColor);
    setBackground(m_snapshot.background);
    emit startBackgroundChanged(m_background);
    CaptionedDialog::reject();
}

void TFColor::reject()
{
    BitBtn4Click();
}
