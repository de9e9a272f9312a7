#include "finance/TQrRjie.h"

#include "finance/SettlementPeriods.h"

namespace tj::finance {

using report::Item;
using report::makeFont;

namespace {

const QString Face = QStringLiteral("宋体");

QString countText(qint64 n)
{
    return QString::number(n);
}

QString amountText(const db::Currency& c)
{
    return c.toString(2);
}

}  // namespace

report::ReportLayout TQrRjie::layout() const
{
    report::ReportLayout L;
    L.name = Title;
    L.paper = QPageSize::A4;
    L.marginsMm = QMarginsF(10, 15, 10, 15);
    const double width = 190;
    const QFont unitFont = makeFont(Face, 16, true);
    const QFont titleFont = makeFont(Face, 18, true);
    const QFont text = makeFont(Face, 10.5);
    const QFont head = makeFont(Face, 10.5, true);

    report::Band& b = L.title;
    b.add(Item::label({0, 0, width, 9}, UseUnit, unitFont, Qt::AlignCenter));
    b.add(Item::label({0, 10, width, 10}, Title, titleFont, Qt::AlignCenter));
    b.add(Item::label({3, 24, 150, 6}, QStringLiteral("收费时间：") + Sheet.periodText, text));
    b.add(Item::label({3, 31, 90, 6}, QStringLiteral("收费员：") + Sheet.cashier, text));
    b.add(Item::label({97, 31, 90, 6}, QStringLiteral("打印时间：") + SettlementTimeText(PrintTime), text,
                      Qt::AlignRight | Qt::AlignVCenter));

    // The table: 体检方式, three pairs of count and amount, 应缴金额.
    const double x0 = 3;
    const double captionW = 24, countW = 18, amountW = 26, dueW = 28;
    const double top = 39, headH = 8, rowH = 9;
    auto cell = [&](double x, double y, double w, double h, const QString& s, const QFont& f) {
        b.add(Item::label({x, y, w, h}, s, f, Qt::AlignCenter).framed());
    };
    cell(x0, top, captionW, 2 * headH, QStringLiteral("体检方式"), head);
    const QString groups[] = {QStringLiteral("记帐"), QStringLiteral("回收"), QStringLiteral("现结")};
    const QString amounts[] = {QStringLiteral("记帐金额"), QStringLiteral("金额"), QStringLiteral("金额")};
    for (int g = 0; g < 3; ++g) {
        const double x = x0 + captionW + g * (countW + amountW);
        cell(x, top, countW + amountW, headH, groups[g], head);
        cell(x, top + headH, countW, headH, QStringLiteral("人数"), head);
        cell(x + countW, top + headH, amountW, headH, amounts[g], head);
    }
    const double dueX = x0 + captionW + 3 * (countW + amountW);
    cell(dueX, top, dueW, 2 * headH, QStringLiteral("应缴金额"), head);

    struct Row {
        QString caption;
        const SheetCell* account;  // nullptr: no cells (individual visits are never billed to a unit)
        const SheetCell* returned;
        const SheetCell* cash;
        db::Currency due;
    };
    const Row rows[] = {
        {QStringLiteral("团检"), &Sheet.groupAccount, &Sheet.groupReturned, &Sheet.groupCash, Sheet.groupDue},
        {QStringLiteral("散检"), nullptr, nullptr, &Sheet.individualCash, Sheet.individualDue},
        {QStringLiteral("合计"), &Sheet.totalAccount, &Sheet.totalReturned, &Sheet.totalCash, Sheet.totalDue},
    };
    double y = top + 2 * headH;
    for (const Row& r : rows) {
        cell(x0, y, captionW, rowH, r.caption, head);
        const SheetCell* cells[] = {r.account, r.returned, r.cash};
        for (int g = 0; g < 3; ++g) {
            const double x = x0 + captionW + g * (countW + amountW);
            cell(x, y, countW, rowH, cells[g] ? countText(cells[g]->count) : QString(), text);
            cell(x + countW, y, amountW, rowH, cells[g] ? amountText(cells[g]->amount) : QString(), text);
        }
        cell(dueX, y, dueW, rowH, amountText(r.due), text);
        y += rowH;
    }

    y += 4;
    b.add(Item::label({x0, y, 30, 6}, QStringLiteral("备注："), text));
    y += 7;
    b.add(Item::label({x0 + 8, y, width - x0 - 8, 6},
                      QStringLiteral("１、团检注销人数（记帐＋现结）共%1人，共计金额：%2元；")
                          .arg(countText(Sheet.cancelledGroup.count), amountText(Sheet.cancelledGroup.amount)),
                      text));
    y += 7;
    b.add(Item::label({x0 + 8, y, width - x0 - 8, 6},
                      QStringLiteral("２、散检注销人数（现结）共%1人，共计金额：%2元。")
                          .arg(countText(Sheet.cancelledIndividual.count), amountText(Sheet.cancelledIndividual.amount)),
                      text));
    b.height = y + 6;
    return L;
}

report::Document TQrRjie::document() const
{
    return report::layoutReport(layout());
}

bool TQrRjie::output(report::Output how, const QString& pdfPath, QWidget* parent) const
{
    return report::outputDocument(document(), how, pdfPath, parent);
}

}  // namespace tj::finance
