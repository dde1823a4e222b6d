#include "ReportPainter.h"

#include "ReportPage.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr qreal MmPerInch = 25.4;
constexpr qreal DotPitch = 0.7;  // millimetres between the dots of a shade
constexpr qreal DotSize = 0.28;  // millimetres
const QColor DotColor(140, 140, 140);

class PagePainter
{
public:
    explicit PagePainter(QPainter &painter)
        : m_painter(painter)
        , m_scale(painter.device()->logicalDpiX() / MmPerInch)
    {
    }

    void draw(const ReportItem &item, const QString &date)
    {
        switch (item.kind) {
        case ReportItem::Kind::Label:
            drawText(item, item.text);
            break;
        case ReportItem::Kind::Date:
            drawText(item, date);
            break;
        case ReportItem::Kind::Lines:
            drawLines(item);
            break;
        case ReportItem::Kind::Rule:
            drawRule(item);
            break;
        case ReportItem::Kind::Shade:
            drawShade(item);
            break;
        }
    }

private:
    qreal px(qreal mm) const { return mm * m_scale; }
    QRectF px(const QRectF &mm) const { return QRectF(px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height())); }

    QFont font(const ReportFont &look) const
    {
        QFont font(look.family);
        font.setPointSizeF(look.pointSize);
        font.setBold(look.bold);
        font.setUnderline(look.underline);
        return QFont(font, m_painter.device());
    }

    static int flags(Qt::Alignment alignment)
    {
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignTop;
        return int(alignment) | Qt::TextDontClip | Qt::TextSingleLine;
    }

    // The item's font, made smaller when the text would pass its widest.
    QFont fitted(const ReportItem &item, const QString &text) const
    {
        QFont face = font(item.font);
        if (item.maxWidth <= 0)
            return face;
        // Text does not shrink quite in proportion at small sizes: measure again.
        for (int attempt = 0; attempt < 8; ++attempt) {
            const qreal width = QFontMetricsF(face, m_painter.device()).horizontalAdvance(text);
            if (width <= px(item.maxWidth))
                break;
            face.setPointSizeF(face.pointSizeF() * px(item.maxWidth) / width * 0.98);
            face = QFont(face, m_painter.device());
        }
        return face;
    }

    void drawText(const ReportItem &item, const QString &text)
    {
        const QFont face = fitted(item, text);
        m_painter.setFont(face);
        m_painter.setPen(Qt::black);
        QRectF box = px(item.box);
        if (box.height() <= 0)
            box.setHeight(QFontMetricsF(face, m_painter.device()).height());
        // A box of no width grows with its text from its left edge.
        m_painter.drawText(box, flags(item.alignment), text);
    }

    void drawLines(const ReportItem &item)
    {
        if (item.lines.isEmpty())
            return;
        const QFont face = font(item.font);
        m_painter.setFont(face);
        m_painter.setPen(Qt::black);
        const QRectF box = px(item.box);
        const qreal pitch = std::min(QFontMetricsF(face, m_painter.device()).lineSpacing(),
                                     box.height() / item.lines.size());
        for (qsizetype i = 0; i < item.lines.size(); ++i) {
            const QRectF line(box.left(), box.top() + i * pitch, box.width(), pitch);
            m_painter.drawText(line, flags(item.alignment), item.lines[i]);
        }
    }

    void drawRule(const ReportItem &item)
    {
        m_painter.setPen(QPen(Qt::black, px(item.ruleWidth), Qt::SolidLine, Qt::SquareCap));
        m_painter.drawLine(QLineF(px(item.rule.x1()), px(item.rule.y1()), px(item.rule.x2()),
                                  px(item.rule.y2())));
    }

    void drawShade(const ReportItem &item)
    {
        QList<QPointF> dots;
        for (qreal y = item.box.top() + DotPitch / 2; y < item.box.bottom(); y += DotPitch) {
            for (qreal x = item.box.left() + DotPitch / 2; x < item.box.right(); x += DotPitch)
                dots << QPointF(px(x), px(y));
        }
        m_painter.setPen(QPen(DotColor, px(DotSize), Qt::SolidLine, Qt::RoundCap));
        m_painter.drawPoints(dots.constData(), int(dots.size()));
    }

    QPainter &m_painter;
    qreal m_scale; // device pixels per millimetre
};

} // namespace

namespace ReportPainter {

QString dateText(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void paint(QPainter &painter, const ReportPage &page, const QDate &today)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter pagePainter(painter);
    const QString date = dateText(today);
    for (const ReportItem &item : page.items())
        pagePainter.draw(item, date);
    painter.restore();
}

} // namespace ReportPainter
