#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// How a report item's text is set: a face, a size in points and its styles.
struct ReportFont
{
    QString family = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    bool underline = false;

    friend bool operator==(const ReportFont &, const ReportFont &) = default;
};

// One thing drawn on a report page. Positions and sizes are millimetres from
// the paper's top-left corner.
struct ReportItem
{
    enum class Kind {
        Label, // one line of text in its box
        Lines, // a column of text lines, one below the other
        Date,  // the current date in the system's short format
        Rule,  // a straight line
        Shade, // a box filled with grey dots
    };

    Kind kind = Kind::Label;
    QString name;
    // Label, Date, Lines and Shade: the box. A label or date box of no width
    // grows with its text from its left edge; a box of no height is one line
    // of its font high.
    QRectF box;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    // Label: the widest its text may be, millimetres; a longer text is set
    // smaller. 0 for no limit.
    qreal maxWidth = 0;
    QString text;       // Label
    QStringList lines;  // Lines
    QLineF rule;        // Rule
    qreal ruleWidth = 0; // Rule, millimetres
};

// One page of a report, A4 portrait, as data: the painter draws it on a
// printer, a PDF writer or a preview, and tests read it directly.
class ReportPage
{
public:
    static constexpr qreal WidthMm = 210;
    static constexpr qreal HeightMm = 297;
    static constexpr qreal MarginMm = 10;

    ReportItem &add(ReportItem item);
    ReportItem &addLabel(const QString &name, const QRectF &box, const ReportFont &font,
                         Qt::Alignment alignment = Qt::AlignLeft, const QString &text = {});

    const QList<ReportItem> &items() const { return m_items; }

    // The item of that name; null when the page has none.
    const ReportItem *item(const QString &name) const;

    // Changing an item that the page does not have is a programming error.
    void setText(const QString &name, const QString &text);
    void clearLines(const QString &name);
    void appendLine(const QString &name, const QString &line);

private:
    ReportItem &named(const QString &name);

    QList<ReportItem> m_items;
};
