// The columns of the front desk's visit lists (adding and removing items,
// cancelling numbers, the archive's visit history, the unit payment): each
// field with its caption, width and kind, so the lists show a field alike.
#pragma once

#include <QStringList>

namespace tj::ui {
class DataGrid;
}

namespace tj::registration {

// Adds the columns of the fields, in the order given: tjztai 状态, jgbzhi 结果,
// zjbzhi 总检, tjhao 体检号, id 收费流水号, zdybhao 自定义编号, xming 姓名,
// xbie 性别, nling 年龄, rylbmcheng 人员类别, ssje 实收金额, dwmcheng 单位,
// sfsjian 登记时间, tjsjian 体检时间, ryid 人员编号.
void AddVisitColumns(ui::DataGrid* grid, const QStringList& fields);

// The usual list: 状态 to 体检时间 (without 收费流水号 and 实收金额).
QStringList VisitListFields();

}  // namespace tj::registration
