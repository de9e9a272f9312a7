#include "registration/VisitColumns.h"

#include "platform/ui/DataGrid.h"

#include <stdexcept>

namespace tj::registration {

namespace {
ui::GridColumn columnOf(const QString& field)
{
    struct Entry {
        const char* field;
        const char* caption;
        int width;
        ui::GridColumn::Kind kind;
        const char* format;
        bool right;
    };
    using K = ui::GridColumn::Kind;
    static const Entry entries[] = {
        {"tjztai", "状态", 50, K::Text, "", false},
        {"jgbzhi", "结果", 40, K::Check, "", false},
        {"zjbzhi", "总检", 40, K::Check, "", false},
        {"tjhao", "体检号", 90, K::Text, "", false},
        {"id", "收费流水号", 80, K::Text, "", true},
        {"zdybhao", "自定义编号", 90, K::Text, "", false},
        {"xming", "姓名", 80, K::Text, "", false},
        {"xbie", "性别", 40, K::Text, "", false},
        {"nling", "年龄", 40, K::Text, "", true},
        {"rylbmcheng", "人员类别", 80, K::Text, "", false},
        {"ssje", "实收金额", 80, K::Text, "%.2f", true},
        {"dwmcheng", "单位", 170, K::Text, "", false},
        {"sfsjian", "登记时间", 135, K::Text, "yyyy-MM-dd hh:mm:ss", false},
        {"tjsjian", "体检时间", 135, K::Text, "yyyy-MM-dd hh:mm:ss", false},
        {"ryid", "人员编号", 70, K::Text, "", true},
    };
    for (const Entry& s : entries) {
        if (field != QLatin1String(s.field))
            continue;
        ui::GridColumn c;
        c.field = field;
        c.caption = QString::fromUtf8(s.caption);
        c.width = s.width;
        c.kind = s.kind;
        c.format = QString::fromUtf8(s.format);
        if (s.right)
            c.alignment = Qt::AlignRight | Qt::AlignVCenter;
        c.editable = false;
        return c;
    }
    throw std::logic_error("unknown visit list field: " + field.toStdString());
}
}  // namespace

void AddVisitColumns(ui::DataGrid* grid, const QStringList& fields)
{
    for (const QString& f : fields)
        grid->addColumn(columnOf(f));
}

QStringList VisitListFields()
{
    return {QStringLiteral("tjztai"),  QStringLiteral("jgbzhi"),     QStringLiteral("zjbzhi"),
            QStringLiteral("tjhao"),   QStringLiteral("zdybhao"),    QStringLiteral("xming"),
            QStringLiteral("xbie"),    QStringLiteral("nling"),      QStringLiteral("rylbmcheng"),
            QStringLiteral("dwmcheng"), QStringLiteral("sfsjian"),   QStringLiteral("tjsjian")};
}

}  // namespace tj::registration
