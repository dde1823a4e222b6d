#include "HelpPanel.h"

#include "HelpPages.h"
#include "HtmlView.h"
#include "Messages.h"
#include "SystemLinks.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HelpPanel::HelpPanel(const Look &look, QWidget *parent)
    : QFrame(parent)
    , m_look(look)
{
    setObjectName(QString::fromLatin1(look.panelName));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto *bar = m_bar = new QFrame(this);
    bar->setObjectName(QString::fromLatin1(look.barName));
    bar->setAutoFillBackground(true);
    QPalette grey = bar->palette();
    grey.setColor(QPalette::Window, QColor(look.barGrey, look.barGrey, look.barGrey));
    bar->setPalette(grey);
    bar->setFixedHeight(look.barHeight);

    m_hint = new QLabel(bar);
    m_hint->setObjectName(QString::fromLatin1(look.hintName));
    m_hint->setFont(look.hintFont);
    m_hint->setWordWrap(true);
    m_close = new QPushButton(bar);
    m_close->setObjectName(QString::fromLatin1(look.closeName));
    m_close->setFixedSize(98, 26);
    connect(m_close, &QPushButton::clicked, this, &HelpPanel::closeClicked);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 6, 0);
    row->addWidget(m_hint, 1);
    row->addWidget(m_close);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
    column->setSpacing(0);
    column->addWidget(bar);
    column->addStretch(1);
    hide();
}

void HelpPanel::setTexts(const QString &hint, const QString &closeCaption)
{
    m_hint->setText(hint);
    m_close->setText(closeCaption);
}

// A hidden widget gets no resize event, so its layouts wait for its showing;
// the bar and its hint take their real sizes now, and keep them.
void HelpPanel::place(const QRect &area)
{
    setGeometry(area);
    for (QLayout *layout : {layout(), m_bar->layout()}) {
        layout->invalidate();
        layout->activate();
    }
}

// The display is made when help is first asked for: it is slow to create.
HtmlView *HelpPanel::page()
{
    if (m_page)
        return m_page;
    m_page = new HtmlView(this);
    m_page->setObjectName(u"htmlLite1"_s);
    m_page->document()->setDefaultFont(QFont(m_look.pageFont));
    m_page->document()->setDefaultStyleSheet(u"pre, code, tt, kbd, samp { font-family: 'Courier New'; }"_s);
    if (!m_look.pageMargins.isNull()) {
        m_page->document()->setDocumentMargin(0);
        m_page->setPageMargins(m_look.pageMargins);
    }
    auto *column = static_cast<QVBoxLayout *>(layout());
    delete column->takeAt(1); // the stretch that kept the bar on top
    column->addWidget(m_page, 1);
    connect(m_page, &HtmlView::linkClicked, this, &HelpPanel::htmlLite1HotSpotClick);
    return m_page;
}

bool HelpPanel::load(const QString &pagePath)
{
    if (page()->open(pagePath))
        return true;
    Messages::show(u"Can't locate file: "_s + QDir::toNativeSeparators(pagePath));
    return false;
}

void HelpPanel::focusPage()
{
    page()->setFocus();
}

void HelpPanel::htmlLite1HotSpotClick(const QUrl &target)
{
    if (HelpPages::leavesThePage(target.toString()))
        SystemLinks::open(target);
    else
        page()->follow(target);
}
