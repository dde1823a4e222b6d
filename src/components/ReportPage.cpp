#include "ReportPage.h"

ReportItem &ReportPage::add(ReportItem item)
{
    m_items.append(std::move(item));
    return m_items.last();
}

ReportItem &ReportPage::addLabel(const QString &name, const QRectF &box, const ReportFont &font,
                                 Qt::Alignment alignment, const QString &text)
{
    ReportItem label;
    label.name = name;
    label.box = box;
    label.font = font;
    label.alignment = alignment;
    label.text = text;
    return add(std::move(label));
}

const ReportItem *ReportPage::item(const QString &name) const
{
    for (const ReportItem &candidate : m_items) {
        if (candidate.name == name)
            return &candidate;
    }
    return nullptr;
}

ReportItem &ReportPage::named(const QString &name)
{
    for (ReportItem &candidate : m_items) {
        if (candidate.name == name)
            return candidate;
    }
    qFatal("The report page has no item %s", qPrintable(name));
}

void ReportPage::setText(const QString &name, const QString &text)
{
    named(name).text = text;
}

void ReportPage::clearLines(const QString &name)
{
    named(name).lines.clear();
}

void ReportPage::appendLine(const QString &name, const QString &line)
{
    named(name).lines.append(line);
}
