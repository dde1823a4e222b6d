#include "TablesPage.h"

#include "WorksheetLook.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal TitleLeft = 20.6;
constexpr qreal DateTextRight = 175.1;
constexpr qreal AddressTop = 18.5;
constexpr qreal TitleGap = 3;

} // namespace

QString TablesPage::line(int multiplicator, int table, bool answer)
{
    const QString question = u"%1 x %2 ="_s.arg(multiplicator).arg(table);
    return answer ? question + u' ' + QString::number(multiplicator * table) : question;
}

TablesPage::TablesPage(const Layout &layout)
{
    using namespace WorksheetLook;
    // A long title is set smaller rather than run into the address.
    addLabel(u"QROtherTitle"_s, QRectF(TitleLeft, layout.titleTop, 0, 0), title(16)).maxWidth =
        std::min(layout.addressLeft, layout.dateTextLeft) - TitleLeft - TitleGap;
    if (layout.commentTop)
        addLabel(u"QRComment"_s, QRectF(TitleLeft, *layout.commentTop, 0, 0), arial(10));
    addDate(*this, layout.dateTextLeft, DateTextRight, layout.dateTop,
            QPointF(layout.dateLeft, layout.dateTop));
    addLabel(Address, QRectF(layout.addressLeft, AddressTop, 0, 0), arial(10), Qt::AlignLeft,
             WebAddress);

    const ReportFont body = arial(11, true);
    for (int table = 1; table <= Tables; ++table) {
        const int row = (table - 1) / 4;
        const qreal left = layout.blockLefts[row][(table - 1) % 4];
        for (int multiplicator = 1; multiplicator <= 12; ++multiplicator) {
            const qreal top = layout.rowTops[row] + (multiplicator - 1) * LineSpan / 11;
            addLabel(u"Table%1Line%2"_s.arg(table).arg(multiplicator), QRectF(left, top, 0, 0), body,
                     Qt::AlignLeft, line(multiplicator, table, layout.answers));
        }
    }
}
