#include "masterdata/TFXmu.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"
#include "schema/Names.h"

#include <QTreeView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

namespace tj::masterdata {

using core::TDM;

// The source rows are the registration's own selection narrowed to the item
// (the targets are its rows only), so the server reads one item's charge
// lines instead of every visit of the year.
const char* const RefreshResultRowsSql =
    "update tjian_jguo set xhao=t.xhao, jcjguo=t.zcjguo, dwei=t.dwei, ckxxian=t.ckxxian, cksxian=t.cksxian, "
    "zcjguo=t.zcjguo, xxtshi=t.xxtshi, sxtshi=t.sxtshi "
    "from (select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.dwei, a.zcjguo, a.xxtshi, a.sxtshi,   "
    "(case f.xbie when '男' then a.ckxxian1 else a.ckxxian2 end) as ckxxian,   "
    "(case f.xbie when '男' then a.cksxian1 else a.cksxian2 end) as cksxian "
    "from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   "
    "inner join tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   "
    "inner join tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid "
    "where a.id=%d and e.zxbzhi=0 and d.hsbzhi=1) t "
    "where tjian_jguo.jcbzhi=0 and tjian_jguo.xmid=%d and tjian_jguo.tjhao=t.tjhao "
    "and tjian_jguo.zhxmid=t.zhxmid and tjian_jguo.xmid=t.xmid ";

int RefreshResultRows(db::Query& scratch, int xmid)
{
    scratch.close();
    scratch.setSql(db::SqlText::format(RefreshResultRowsSql, xmid, xmid));
    return scratch.execSql();
}

TFXmu::TFXmu(QWidget* parent)
    : ui::WorkingWindow(parent),
      QryXmu(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryZcjguo(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("体检项目维护"));
    resize(1040, 660);
    QryXmu.setSql(QStringLiteral("select * from tjian_xmu order by ksid,xhao"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    QryZcjguo.setSql(QStringLiteral("select * from tjian_zcjguo"));
    openOnShow({&QryKshi, &QryZcjguo, &QryXmu});

    Maint = new ui::MaintenanceController(this, QryXmu, TDM::instance().QryCx());
    cxGrdXmu = GroupedNameGrid(this, QryXmu, QStringLiteral("项目名称"), 300, QStringLiteral("ksid"),
                               QStringLiteral("科室名称"), &QryKshi);

    auto* panel = new QGroupBox(this);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdXmu, panel, ui::FormPlacement::Beside);
    ui::FormBuilder f(Maint, panel, 2);
    CmbKsid = f.lookup(QStringLiteral("所属科室："), QStringLiteral("ksid"), QryKshi,
                       {.required = QStringLiteral("所属科室不能为空！")});
    EdtMcheng = f.text(QStringLiteral("项目名称："), QStringLiteral("mcheng"),
                       {.required = QStringLiteral("项目名称不能为空！")});
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtMcheng, common::SearchCode,
                        {.required = QStringLiteral("拼音简码不能为空！")});
    EdtYwdma = f.text(QStringLiteral("英文代码："), QStringLiteral("ywdma"));
    CmbSyxbie = f.pickList(QStringLiteral("适用性别："), QStringLiteral("syxbie"),
                           {schema::SexAny, schema::SexMale, schema::SexFemale},
                           {.required = QStringLiteral("适用性别不能为空！")});
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"), {.required = QStringLiteral("序号不能为空！")});
    EdtDwei = f.text(QStringLiteral("项目单位："), QStringLiteral("dwei"));
    CmbZcjguo = f.freeList(QStringLiteral("正常结果："), QStringLiteral("zcjguo"), QryZcjguo, QStringLiteral("mcheng"),
                           {.span = 2, .newRow = true});
    ChkSzjgbzhi = f.check(QStringLiteral("数值结果标志（如果检查结果为数值，请填写参考上下限，否则不填。）"),
                          QStringLiteral("szjgbzhi"), 1, 0, {.span = 2, .newRow = true});
    // The caption is the instruction to the clerk, in red like the mandatory labels.
    QPalette red = ChkSzjgbzhi->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::Disabled, QPalette::WindowText, QColor(200, 0, 0));
    ChkSzjgbzhi->setPalette(red);
    EdtCkxxian1 = f.text(QStringLiteral("参考下限(男)："), QStringLiteral("ckxxian1"));
    EdtCkxxian2 = f.text(QStringLiteral("参考下限(女)："), QStringLiteral("ckxxian2"));
    EdtCksxian1 = f.text(QStringLiteral("参考上限(男)："), QStringLiteral("cksxian1"));
    EdtCksxian2 = f.text(QStringLiteral("参考上限(女)："), QStringLiteral("cksxian2"));
    CmbXxtshi = f.freeList(QStringLiteral("下限提示："), QStringLiteral("xxtshi"),
                           {QStringLiteral("偏低"), QStringLiteral("偏缓"), QStringLiteral("偏慢"), QStringLiteral("偏小")});
    CmbSxtshi = f.freeList(QStringLiteral("上限提示："), QStringLiteral("sxtshi"),
                           {QStringLiteral("偏高"), QStringLiteral("偏急"), QStringLiteral("偏快"), QStringLiteral("偏大")});

    // A new item starts in the department of the row that was current.
    Maint->beforeAdd = [this] {
        newDepartment_ = QryXmu.isEmpty() ? db::Value() : QryXmu.field(QStringLiteral("ksid")).value();
        return true;
    };
    Maint->afterAdd = [this] {
        if (!newDepartment_.isNull())
            QryXmu.setField(QStringLiteral("ksid"), newDepartment_);
    };
    // Registered visits get the item's current values in their unexamined rows.
    Maint->afterSave = [this] {
        RefreshResultRows(TDM::instance().QryCx(), int(QryXmu.field(QStringLiteral("id")).asInteger()));
    };

    Maint->addDeleteGuard(QStringLiteral("select * from tjian_zhxmu_sub where xmid=%d and bzhi=1 "), QStringLiteral("id"),
                          QStringLiteral("此体检项目已经在体检组合项目中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo where xmid=%d "), QStringLiteral("id"),
                          QStringLiteral("此体检项目已经在体检结果中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_cjjguo where xmid=%d "), QStringLiteral("id"),
                          QStringLiteral("此体检项目已经在体检常见结果中使用，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确定删除此体检项目？"));
}

TFXmu::~TFXmu() = default;

void TFXmu::FormShow()
{
    cxGrdXmu->expandAll();
    cxGrdXmu->view()->setFocus();
}

}  // namespace tj::masterdata
