#include "TFStartUi.h"

#include "Artwork.h"
#include "HelpPanel.h"
#include "NamedChild.h"
#include "TGradient.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QSize ClientSize(748, 533);
const QSize PanelSize(488, 383);

} // namespace

void TFStartUi::setupUi(QMainWindow *window)
{
    window->setObjectName(u"FStart"_s);
    Gradient1 = named(new TGradient, u"Gradient1"_s);
    Panel1 = makeNamed<QFrame>(Gradient1, u"Panel1"_s);
    GroupBox1 = makeNamed<QGroupBox>(Panel1, u"GroupBox1"_s);
    BitBtn3 = makeNamed<QPushButton>(GroupBox1, u"BitBtn3"_s);
    BitBtn4 = makeNamed<QPushButton>(GroupBox1, u"BitBtn4"_s);
    Image4 = makeNamed<QLabel>(GroupBox1, u"Image4"_s);
    BitBtn9 = makeNamed<QPushButton>(GroupBox1, u"BitBtn9"_s);
    BitBtn2 = makeNamed<QPushButton>(GroupBox1, u"BitBtn2"_s);
    BitBtn1 = makeNamed<QPushButton>(GroupBox1, u"BitBtn1"_s);
    BitBtn5 = makeNamed<QPushButton>(GroupBox1, u"BitBtn5"_s);
    Image1 = makeNamed<QLabel>(GroupBox1, u"Image1"_s);
    Panel4 = new HelpPanel({"Panel4", "Panel5", "Label5", "BitBtn6", 41, 238, QFont(u"Arial"_s, 10),
                            u"Times New Roman"_s, QMargins()},
                           Gradient1);
    window->setCentralWidget(Gradient1);
    buildMenus(window);
    buildTables();
    Gradient1->setMinimumSize(ClientSize);
}

void TFStartUi::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    FileMenu = named(bar->addMenu(QString()), u"FileMenu"_s);
    Progress1 = named(FileMenu->addAction(QString()), u"Progress1"_s);
    FileMenu->addSeparator();
    Quit = named(FileMenu->addAction(QString()), u"Quit"_s);

    LanguageMenu = bar->addMenu(QString());
    const struct
    {
        const char *name;
        QString caption;
        QString code;
    } languages[] = {{"En", u"English"_s, u"en"_s},     {"Fr", u"Fran\u00e7ais"_s, u"fr"_s},
                     {"Nl", u"Dutch"_s, u"nl"_s},       {"De", u"Deutsch"_s, u"de"_s},
                     {"It", u"Italiano"_s, u"it"_s},    {"Sp", u"Espa\u00f1ol"_s, u"es"_s},
                     {"New", u"New"_s, u"New"_s}};
    for (size_t i = 0; i < Languages.size(); ++i) {
        QAction *action = named(LanguageMenu->addAction(languages[i].caption),
                                QString::fromLatin1(languages[i].name));
        action->setData(languages[i].code);
        action->setCheckable(true);
        action->setEnabled(false);
        Languages[i] = action;
    }

    HelpMenu = bar->addMenu(QString());
    Help1 = named(HelpMenu->addAction(QString()), u"Help1"_s);
    HelpMenu->addSeparator();
    About1 = named(HelpMenu->addAction(QString()), u"About1"_s);
}

void TFStartUi::buildTables()
{
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->resize(PanelSize);
    GroupBox1->setGeometry(23, 8, 442, 281);

    for (int i = 0; i < 12; ++i) {
        QCheckBox *box = makeNamed<QCheckBox>(GroupBox1, u"CheckBox%1"_s.arg(i + 1));
        box->setProperty("tag", i + 1);
        box->setGeometry(i < 6 ? 18 : 116, 26 + (i % 6) * 26, 96, 22);
        CheckBoxes[i] = box;
    }
    auto *line = new QFrame(GroupBox1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(216, 24, 2, 158);

    BitBtn3->setGeometry(232, 26, 192, 30);
    BitBtn4->setGeometry(232, 62, 192, 30);
    Image4->setGeometry(QRect(QPoint(232 + (192 - Artwork::LogoSize.width()) / 2, 116), Artwork::LogoSize));

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

    auto *info = makeNamed<QFrame>(Panel1, u"Panel2"_s);
    info->setGeometry(23, 297, 442, 76);
    info->setFrameShape(QFrame::StyledPanel);
    info->setAutoFillBackground(true);
    info->setBackgroundRole(QPalette::ToolTipBase);
    Label1 = makeNamed<QLabel>(info, u"Label1"_s);
    Label1->setGeometry(info->rect().adjusted(8, 4, -8, -4));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setForegroundRole(QPalette::ToolTipText);

    QList<QWidget *> order(CheckBoxes.begin(), CheckBoxes.end());
    order << BitBtn3 << BitBtn4 << BitBtn9 << BitBtn2 << BitBtn5 << BitBtn1;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TFStartUi::centrePanel()
{
    const QSize area = Gradient1->size();
    Panel1->move((area.width() - PanelSize.width()) / 2, (area.height() - PanelSize.height()) / 2);
}

void TFStartUi::showLogo()
{
    Image4->setPixmap(Artwork::logo(Artwork::LogoSize));
}

void TFStartUi::placeHelpPanel()
{
    const QSize area = Gradient1->size();
    Panel4->place(QRect((area.width() - 489) / 2, 7, 489, area.height() - 20));
}
