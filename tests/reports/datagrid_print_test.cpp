// The program's grid printed: rows in the order the grid shows them, check
// boxes as "√", hidden columns kept hidden, footers in place.
#include "platform/db/Query.h"
#include "platform/sheet/SheetPrinter.h"
#include "platform/ui/DataGrid.h"
#include "reports/DataGridPrintSource.h"
#include "reports/PrintGridView.h"
#include "support/DbFixture.h"

#include <gtest/gtest.h>

using namespace tj;

class DataGridPrint : public test::DbTest {};

TEST_F(DataGridPrint, SheetFollowsTheGridAsShown)
{
    db.execute("delete from pub_kshi");
    db.addDepartment("内科", 11, 2);
    db.addDepartment("外科", 12, 1);
    db.addDepartment("眼科", 11, 3);
    db::Query q(db.connection());
    q.setSql("select id, mcheng, xhao, case when kslbie=11 then 1 else 0 end as lc from pub_kshi");
    q.open();

    ui::DataGrid grid;
    grid.setQuery(&q);
    grid.addColumn("mcheng", "科室名称", 120);
    grid.addColumn("xhao", "序号", 40);
    grid.addCheckColumn("lc", "临床", 40);
    ui::GridColumn hidden;
    hidden.field = "id";
    hidden.caption = "编号";
    hidden.visible = false;
    grid.addColumn(hidden);
    grid.addSummary({0, ui::GridSummary::Kind::Count, "共 %d 条"});
    grid.sortBy(1, false);

    reports::DataGridPrintSource source(grid);
    sheet::Sheet s = sheet::readSheet(reports::ReportTemplatePath().isEmpty() ? QString()
                                                                                : QString(TJ_RUNTIME_DIR) + "/Report/报表.xlsx");
    reports::FillSheetFromGrid(s, source, "科室列表", QString());
    const auto t = s.texts();
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[2], (QStringList{"科室名称", "序号", "临床", "编号"}));
    EXPECT_EQ(t[3].mid(0, 3), (QStringList{"眼科", "3", "√"}));
    EXPECT_EQ(t[4].mid(0, 3), (QStringList{"内科", "2", "√"}));
    EXPECT_EQ(t[5].mid(0, 3), (QStringList{"外科", "1", ""}));
    EXPECT_EQ(t[6][0], "共 3 条");
    EXPECT_TRUE(s.isColumnHidden(3));
    EXPECT_EQ(s.columnWidth(0), 120 * 35);
}
