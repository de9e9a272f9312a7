// The examination-item window: mandatory fields in order, a new item in the
// current department, the refresh of registered visits' unexamined result
// rows after each save, and the delete guards.
#include "masterdata/TFXmu.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>

using tj::db::Query;
using tj::db::SqlText;
using tj::masterdata::TFXmu;

namespace {

class TFXmuTest : public tj::test::WindowTest {
protected:
    // One result row of a visit's item, as text columns.
    QStringList row(const QString& tjhao, int xmid)
    {
        const auto rs = db.query(SqlText::format(
            "select xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi from tjian_jguo where tjhao='%s' and xmid=%d",
            tjhao, xmid));
        EXPECT_EQ(rs.rows.size(), 1u) << tjhao.toStdString();
        QStringList out;
        if (!rs.rows.empty())
            for (const auto& v : rs.rows.front())
                out << v.toString();
        return out;
    }
};

TEST_F(TFXmuTest, NewItemStartsInTheCurrentDepartmentAndTheFiveFieldsAreCheckedInOrder)
{
    const int nk = db.addDepartment(QStringLiteral("内科"));
    const int wk = db.addDepartment(QStringLiteral("外科"));
    db.addItem({.ksid = nk, .name = QStringLiteral("心率")});
    const int skin = db.addItem({.ksid = wk, .name = QStringLiteral("皮肤")});
    TFXmu w;
    w.show();
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("id"), skin));
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.QryXmu.state(), Query::State::Insert);
    EXPECT_EQ(w.CmbKsid->currentText(), QStringLiteral("外科"));
    EXPECT_EQ(w.focusWidget(), w.CmbKsid);

    struct Step {
        QString message;
        QWidget* focus;
        std::function<void()> fill;
    };
    const Step steps[] = {
        {QStringLiteral("项目名称不能为空！"), w.EdtMcheng, [&] { type(w.EdtMcheng, QStringLiteral("浅表淋巴结")); }},
        {QStringLiteral("拼音简码不能为空！"), w.EdtPyjma, [&] { enter(w.EdtPyjma); }},
        {QStringLiteral("适用性别不能为空！"), w.CmbSyxbie, [&] { choose(w.CmbSyxbie, QStringLiteral("不限")); }},
        {QStringLiteral("序号不能为空！"), w.EdtXhao, [&] { type(w.EdtXhao, QStringLiteral("4")); }},
    };
    for (const Step& s : steps) {
        EXPECT_FALSE(w.Maint->BBtnSaveClick());
        EXPECT_EQ(dialogs.last().text, s.message);
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
        EXPECT_EQ(w.focusWidget(), s.focus);
        s.fill();
    }
    w.ChkSzjgbzhi->click();
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const auto rs = db.query(QStringLiteral("select * from tjian_xmu where mcheng='浅表淋巴结'"));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.value(0, "ksid").toInteger(), wk);
    EXPECT_EQ(rs.value(0, "pyjma").toString(), QStringLiteral("QBLBJ"));
    EXPECT_EQ(rs.value(0, "xhao").toInteger(), 4);
    EXPECT_EQ(rs.value(0, "szjgbzhi").toInteger(), 1);

    // Without a department (the item list empty of it) the department is checked first.
    w.Maint->BBtnAddClick();
    w.QryXmu.setField(QStringLiteral("ksid"), tj::db::Value());
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("所属科室不能为空！"));
    EXPECT_EQ(w.focusWidget(), w.CmbKsid);
}

TEST_F(TFXmuTest, SavingRefreshesTheUnexaminedRowsOfRegisteredVisitsOnly)
{
    const int ks = db.addDepartment(QStringLiteral("检验科"));
    const int hb = db.addItem({.ksid = ks, .name = QStringLiteral("血红蛋白"), .unit = QStringLiteral("g/L"),
                               .maleLow = QStringLiteral("130"), .maleHigh = QStringLiteral("175"),
                               .femaleLow = QStringLiteral("115"), .femaleHigh = QStringLiteral("150")});
    const int wbc = db.addItem({.ksid = ks, .name = QStringLiteral("白细胞"), .maleLow = QStringLiteral("4"),
                                .maleHigh = QStringLiteral("10"), .femaleLow = QStringLiteral("4"),
                                .femaleHigh = QStringLiteral("10")});
    const int xcg = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血常规"), .price = 20, .members = {hb, wbc}});
    const int man = db.addPerson({.name = QStringLiteral("张三"), .sex = QStringLiteral("男")});
    const int woman = db.addPerson({.name = QStringLiteral("李四"), .sex = QStringLiteral("女")});
    for (const auto& [tjhao, person] : {std::pair{"0-1", man}, {"0-2", woman}, {"0-3", man}, {"0-4", man}, {"0-5", woman}})
        db.addVisit({.ryid = person, .tjhao = QString::fromLatin1(tjhao), .zhxmids = {xcg}});
    // 0-1 a result typed but not saved yet; 0-3 examined; 0-4 cancelled; 0-5 its charge line removed.
    db.execute(QStringLiteral("update tjian_jguo set jcjguo='160' where tjhao='0-1'"));
    db.execute(QStringLiteral("update tjian_jguo set jcjguo='180', jcbzhi=1 where tjhao='0-3'"));
    db.execute(QStringLiteral("update tjian_sfei_main set zxbzhi=1 where tjhao='0-4'"));
    db.execute(QStringLiteral("update tjian_sfei_sub set hsbzhi=0 where sfid=(select id from tjian_sfei_main where tjhao='0-5')"));
    db.execute(QStringLiteral("update tjian_xmu set pyjma='XHDB'"));
    const QStringList examined = row(QStringLiteral("0-3"), hb);
    const qint64 underExamination = count(QStringLiteral("select count(*) from tjian_sfei_main where tjztai<>'未检'"));
    const QStringList otherItem = row(QStringLiteral("0-1"), wbc);

    TFXmu w;
    w.show();
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("id"), hb));
    w.Maint->BBtnEditClick();
    type(w.EdtCksxian1, QStringLiteral("170"));
    type(w.EdtCksxian2, QStringLiteral("145"));
    type(w.EdtDwei, QStringLiteral("g/dL"));
    type(w.EdtXhao, QStringLiteral("9"));
    w.CmbZcjguo->setEditText(QStringLiteral("正常"));
    w.CmbSxtshi->setEditText(QStringLiteral("偏大"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick()) << dialogs.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(QLatin1Char('\n')).toStdString();

    // xhao, jcjguo (reset to the normal result), dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi
    EXPECT_EQ(row(QStringLiteral("0-1"), hb),
              (QStringList{"9", "正常", "g/dL", "130", "170", "正常", "偏低", "偏大"}));
    EXPECT_EQ(row(QStringLiteral("0-2"), hb),
              (QStringList{"9", "正常", "g/dL", "115", "145", "正常", "偏低", "偏大"}));
    EXPECT_EQ(row(QStringLiteral("0-3"), hb), examined);
    EXPECT_EQ(row(QStringLiteral("0-4"), hb)[4], QStringLiteral("175"));
    EXPECT_EQ(row(QStringLiteral("0-5"), hb)[4], QStringLiteral("150"));
    EXPECT_EQ(row(QStringLiteral("0-1"), wbc), otherItem);
    // The refresh wrote no result: no visit went under examination.
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_sfei_main where tjztai<>'未检'")), underExamination);

    // An item that is no longer a selected member is not refreshed.
    db.execute(SqlText::format("update tjian_zhxmu_sub set bzhi=0 where xmid=%d", hb));
    w.Maint->BBtnEditClick();
    type(w.EdtCksxian1, QStringLiteral("165"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(row(QStringLiteral("0-1"), hb)[4], QStringLiteral("170"));
}

TEST_F(TFXmuTest, DeleteGuardsLetOnlyAnUnselectedMemberGo)
{
    const int ks = db.addDepartment(QStringLiteral("检验科"));
    struct Case {
        const char* use;  // one %d: the item's id; empty: only an unselected member
        const char* message;
    };
    const Case cases[] = {
        {"update tjian_zhxmu_sub set bzhi=1 where xmid=%d", "此体检项目已经在体检组合项目中使用，不能删除！"},
        {"insert into tjian_jguo(tjhao, zhxmid, xmid, xhao) values('0-1', 1, %d, 1)", "此体检项目已经在体检结果中使用，不能删除！"},
        {"insert into tjian_cjjguo(xmid, jguo) values(%d, '阴性')", "此体检项目已经在体检常见结果中使用，不能删除！"},
        {"", nullptr},
    };
    TFXmu w;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.use);
        const int item = db.addItem({.ksid = ks, .name = QStringLiteral("尿糖")});
        db.addCombinedItem({.ksid = ks, .name = QStringLiteral("尿常规")});  // the item an unselected member
        if (*c.use)
            db.execute(SqlText::format(c.use, item));
        dialogs.clear();
        w.show();
        ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("id"), item));
        dialogs.answer(true);
        w.Maint->BBtnDelClick();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        if (c.message) {
            EXPECT_EQ(dialogs.last().text, QString::fromUtf8(c.message));
            EXPECT_EQ(count(SqlText::format("select count(*) from tjian_xmu where id=%d", item)), 1);
        } else {
            EXPECT_EQ(dialogs.last().text, QStringLiteral("是否确定删除此体检项目？"));
            EXPECT_FALSE(dialogs.last().defaultYes);
            EXPECT_EQ(count(SqlText::format("select count(*) from tjian_xmu where id=%d", item)), 0);
            // The unselected membership stays until its combined item is refreshed.
            EXPECT_EQ(count(SqlText::format("select count(*) from tjian_zhxmu_sub where xmid=%d", item)), 1);
        }
        w.close();
        db.execute(QStringLiteral("delete from tjian_zhxmu_sub; delete from tjian_zhxmu_main; delete from tjian_jguo; "
                                  "delete from tjian_cjjguo; delete from tjian_xmu"));
    }
}

}  // namespace
