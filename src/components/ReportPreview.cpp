#include "ReportPreview.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal ZoomStep = 1.25;

} // namespace

ReportPreview::ReportPreview(const PrintJob &job, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(u"ReportPreview"_s);
    setWindowTitle(job.title);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setFullPage(true);

    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(u"PreviewView"_s);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPage);

    auto *tools = new QToolBar(this);
    tools->setObjectName(u"PreviewTools"_s);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(u"\u2212"_s, this, [this] { m_view->zoomOut(ZoomStep); });
    tools->addAction(u"+"_s, this, [this] { m_view->zoomIn(ZoomStep); });
    tools->addAction(u"\u2195"_s, m_view, &QPrintPreviewWidget::fitInView);
    tools->addAction(u"\u2194"_s, m_view, &QPrintPreviewWidget::fitToWidth);
    tools->addSeparator();
    if (m_job.print)
        tools->addAction(m_job.printCaption, this, [this] { m_job.print(); });
    if (m_job.save)
        tools->addAction(m_job.saveCaption, this, [this] { m_job.save(this); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_view);

    // A whole page at a readable size: most of the screen's height.
    const QRect screen = this->screen()->availableGeometry();
    const int height = screen.height() * 9 / 10;
    resize(height * 210 / 297 + 40, height);
    m_view->fitInView();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::paintPage(QPrinter *printer)
{
    QPainter painter(printer);
    m_job.paint(painter);
}
