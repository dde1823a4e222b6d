#include "Artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <algorithm>
#include <mutex>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

qreal devicePixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap transparentPixmap(QSize size)
{
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The multiplication badge of the logo, which is also the program's icon: a
// round orange "x".
const QColor BadgeFill(255, 150, 30);
const QColor BadgeRim(170, 80, 0);
const QColor BadgeCross(Qt::white);

struct BadgeShape
{
    QRectF disc;
    qreal rimWidth;
    QLineF strokes[2];
    qreal strokeWidth;
};

BadgeShape badgeShape(const QRectF &disc, qreal rimWidth)
{
    const qreal inset = disc.width() * 0.3;
    const QRectF cross = disc.adjusted(inset, inset, -inset, -inset);
    return {disc, rimWidth, {QLineF(cross.topLeft(), cross.bottomRight()),
                              QLineF(cross.topRight(), cross.bottomLeft())},
            disc.width() * 0.13};
}

// The icon's badge leaves a margin, as desktop icons do, and thickens its rim
// with its size.
BadgeShape iconShape(int size)
{
    const qreal margin = size / 16.0;
    return badgeShape(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size / 32.0);
}

void drawBadge(QPainter &painter, const BadgeShape &shape)
{
    painter.setPen(QPen(BadgeRim, shape.rimWidth));
    painter.setBrush(BadgeFill);
    painter.drawEllipse(shape.disc);
    painter.setPen(QPen(BadgeCross, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(shape.strokes, 2);
}

} // namespace

namespace Artwork {

QImage logoImage(QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The badge on the left.
    const qreal badge = size.height() * 0.9;
    const QRectF badgeRect(1, (size.height() - badge) / 2, badge, badge);
    drawBadge(painter, badgeShape(badgeRect, 1.5));

    // The name, each letter in its own bright colour, with a dark outline.
    const QString name = u"Numerillo"_s;
    const qreal left = badgeRect.right() + 4;
    const qreal room = size.width() - left - 3;
    QFont font(u"Arial"_s);
    font.setBold(true);
    // Arial Bold sets the name about 4.7 times its letter size wide, so the
    // first size tried fits; another face is measured and shrunk. Every size
    // tried costs a new font engine.
    constexpr qreal NameWidthPerSize = 4.7;
    font.setPixelSize(std::clamp(int(room / NameWidthPerSize), 6,
                                 std::max(6, int(size.height() * 0.72))));
    QFontMetricsF metrics(font);
    while (metrics.horizontalAdvance(name) > room && font.pixelSize() > 6) {
        font.setPixelSize(font.pixelSize() - 1);
        metrics = QFontMetricsF(font);
    }
    static const QColor colors[] = {{220, 40, 60},  {240, 130, 0}, {230, 190, 0},
                                    {60, 170, 60},  {0, 150, 200}, {70, 90, 210},
                                    {150, 70, 190}, {220, 40, 140}, {240, 100, 20}};
    const qreal baseline = (size.height() + metrics.ascent() - metrics.descent()) / 2;
    // The outline is the letter drawn dark a pixel off in the four directions:
    // glyphs come from the font's cache, where outlining paths would be slow.
    static const QPointF outline[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    painter.setFont(font);
    QPointF origin(left, baseline);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QString letter(name.at(i));
        painter.setPen(QColor(40, 40, 60));
        for (const QPointF &offset : outline)
            painter.drawText(origin + offset, letter);
        painter.setPen(colors[i % std::size(colors)]);
        painter.drawText(origin, letter);
        origin.rx() += metrics.horizontalAdvance(letter);
    }
    return image;
}

namespace {

std::mutex expectedLogoMutex;
QSize expectedLogoSize;
std::shared_future<QImage> expectedLogo;

// The drawing handed over by expectLogo(), once, if it is of this size.
std::optional<QImage> takeExpectedLogo(QSize size)
{
    const std::lock_guard lock(expectedLogoMutex);
    if (!expectedLogo.valid() || expectedLogoSize != size)
        return std::nullopt;
    return std::exchange(expectedLogo, {}).get();
}

} // namespace

void expectLogo(QSize size, std::shared_future<QImage> drawing)
{
    const std::lock_guard lock(expectedLogoMutex);
    expectedLogoSize = size;
    expectedLogo = std::move(drawing);
}

// The start window and the drill window show the logo at one size: it is
// drawn once and kept.
QPixmap logo(QSize size)
{
    const QString key = u"numerillo-logo-%1x%2"_s.arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const std::optional<QImage> expected = takeExpectedLogo(size);
    pixmap = QPixmap::fromImage(expected ? *expected : logoImage(size, devicePixelRatio()));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap icon(int size)
{
    QPixmap pixmap = transparentPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBadge(painter, iconShape(size));
    return pixmap;
}

QByteArray iconSvg()
{
    constexpr int Size = 128;
    const BadgeShape shape = iconShape(Size);
    const auto number = [](qreal value) { return QByteArray::number(value, 'g', 6); };
    const auto color = [](const QColor &c) { return c.name().toLatin1(); };
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(Size)
                     + "\" height=\"" + number(Size) + "\" viewBox=\"0 0 " + number(Size) + ' '
                     + number(Size) + "\">\n";
    svg += "  <circle cx=\"" + number(shape.disc.center().x()) + "\" cy=\""
           + number(shape.disc.center().y()) + "\" r=\"" + number(shape.disc.width() / 2)
           + "\" fill=\"" + color(BadgeFill) + "\" stroke=\"" + color(BadgeRim)
           + "\" stroke-width=\"" + number(shape.rimWidth) + "\"/>\n";
    for (const QLineF &stroke : shape.strokes) {
        svg += "  <line x1=\"" + number(stroke.x1()) + "\" y1=\"" + number(stroke.y1())
               + "\" x2=\"" + number(stroke.x2()) + "\" y2=\"" + number(stroke.y2())
               + "\" stroke=\"" + color(BadgeCross) + "\" stroke-width=\""
               + number(shape.strokeWidth) + "\" stroke-linecap=\"round\"/>\n";
    }
    return svg + "</svg>\n";
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(Artwork::icon(size));
    return icon;
}

QPixmap loudspeaker(int size, bool withWaves)
{
    QPixmap pixmap = transparentPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    painter.scale(s, s);

    const QColor outline(40, 40, 50);
    painter.setPen(QPen(outline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(235, 235, 240));
    painter.drawRect(QRectF(3, 11, 6, 10));
    QPainterPath cone;
    cone.moveTo(9, 11);
    cone.lineTo(17, 4);
    cone.lineTo(17, 28);
    cone.lineTo(9, 21);
    cone.closeSubpath();
    painter.setBrush(QColor(90, 120, 200));
    painter.drawPath(cone);

    if (withWaves) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(30, 150, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (qreal radius : {5.0, 9.0, 13.0})
            painter.drawArc(QRectF(16 - radius, 16 - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
    }
    return pixmap;
}

QPixmap playSymbol(int size)
{
    QPixmap pixmap = transparentPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 100, 40), 1));
    painter.setBrush(QColor(40, 170, 70));
    const qreal m = size * 0.2;
    painter.drawPolygon(QPolygonF{{m, m}, {size - m, size / 2.0}, {m, size - m}});
    return pixmap;
}

QPixmap stopSymbol(int size)
{
    QPixmap pixmap = transparentPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.setBrush(QColor(90, 90, 100));
    const qreal m = size * 0.25;
    painter.drawRect(QRectF(m, m, size - 2 * m, size - 2 * m));
    return pixmap;
}

} // namespace Artwork
