#include "registration/PersonFields.h"

#include "common/PinyinCode.h"
#include "platform/ui/FormBuilder.h"
#include "schema/Names.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tj::registration {

namespace PersonChoices {
QStringList sexes() { return {schema::SexMale, schema::SexFemale}; }
QStringList education()
{
    return {QStringLiteral("小学"), QStringLiteral("初中"), QStringLiteral("中专"), QStringLiteral("高中"),
            QStringLiteral("大专"), QStringLiteral("本科"), QStringLiteral("研究生"), QStringLiteral("博士")};
}
QStringList marriage() { return {QStringLiteral("未婚"), QStringLiteral("已婚"), QStringLiteral("离婚")}; }
QStringList nations() { return {QStringLiteral("汉族"), QStringLiteral("回族")}; }
QStringList bloodGroups()
{
    return {QStringLiteral("A型"), QStringLiteral("B型"), QStringLiteral("AB型"), QStringLiteral("O型")};
}
QStringList staffGroups() { return {QStringLiteral("经理"), QStringLiteral("员工")}; }
QStringList exercise()
{
    return {QStringLiteral("经常参加体育煅炼"), QStringLiteral("不参加体育煅炼"), QStringLiteral("偶而煅炼")};
}
QStringList diet() { return {QStringLiteral("嗜咸食品"), QStringLiteral("嗜甜食品"), QStringLiteral("嗜冷食品")}; }
QStringList smoking() { return {QStringLiteral("不吸烟"), QStringLiteral("吸烟")}; }
QStringList drinking() { return {QStringLiteral("不饮酒"), QStringLiteral("饮酒")}; }
}  // namespace PersonChoices

PersonLists::PersonLists(db::Connection& c) : QryDwei(c), QryRylbie(c)
{
    QryDwei.setSql(QStringLiteral("select * from tjian_dwei order by id"));
    QryRylbie.setSql(QStringLiteral("select * from tjian_rylbie order by id"));
}

PersonEditors DeclarePersonFields(ui::FormBuilder& basic, ui::FormBuilder& contact, ui::FormBuilder& life,
                                  PersonLists& lists)
{
    PersonEditors e;
    e.EdtXming = basic.text(QStringLiteral("姓名："), QStringLiteral("xming"), {.first = true});
    e.CmbDwid = basic.lookup(QStringLiteral("所属单位："), QStringLiteral("dwid"), lists.QryDwei, {.span = 2});
    e.CmbXbie = basic.pickList(QStringLiteral("性别："), QStringLiteral("xbie"), PersonChoices::sexes());
    e.DtpCsrqi = basic.date(QStringLiteral("出生日期："), QStringLiteral("csrqi"));
    e.EdtNling = basic.text(QStringLiteral("年龄："), QStringLiteral("nling"));
    e.CmbWhcdu = basic.pickList(QStringLiteral("文化程度："), QStringLiteral("whcdu"), PersonChoices::education());
    e.CmbHyzkuang = basic.pickList(QStringLiteral("婚姻状况："), QStringLiteral("hyzkuang"), PersonChoices::marriage());
    e.CmbMzu = basic.freeList(QStringLiteral("民族："), QStringLiteral("mzu"), PersonChoices::nations());
    e.CmbXxing = basic.pickList(QStringLiteral("血型："), QStringLiteral("xxing"), PersonChoices::bloodGroups());
    e.CmbFzu = basic.pickList(QStringLiteral("人员分组："), QStringLiteral("fzu"), PersonChoices::staffGroups());
    e.EdtSfzhao = basic.text(QStringLiteral("身份证号："), QStringLiteral("sfzhao"), {.span = 2});
    e.CmbRylbid = basic.lookup(QStringLiteral("人员类别："), QStringLiteral("rylbid"), lists.QryRylbie);
    e.EdtPyjma = basic.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), e.EdtXming, common::SearchCode);
    e.EdtGzdwei = basic.text(QStringLiteral("工作单位："), QStringLiteral("gzdwei"));
    e.EdtZdybhao = basic.text(QStringLiteral("自定义编号："), QStringLiteral("zdybhao"));

    e.EdtJtdhua = contact.text(QStringLiteral("家庭电话："), QStringLiteral("jtdhua"));
    e.EdtBgdhua = contact.text(QStringLiteral("办公电话："), QStringLiteral("bgdhua"));
    e.EdtSji = contact.text(QStringLiteral("手机："), QStringLiteral("sji"));
    e.EdtYxiang = contact.text(QStringLiteral("邮箱："), QStringLiteral("yxiang"));
    e.EdtJguan = contact.text(QStringLiteral("籍贯："), QStringLiteral("jguan"));
    e.EdtYbian = contact.text(QStringLiteral("邮编："), QStringLiteral("ybian"));
    e.EdtDzhi = contact.text(QStringLiteral("地址："), QStringLiteral("dzhi"), {.span = 3});

    e.CmbDlqkuang = life.freeList(QStringLiteral("煅练情况："), QStringLiteral("dlqkuang"), PersonChoices::exercise());
    e.CmbYsqkuang = life.freeList(QStringLiteral("饮食情况："), QStringLiteral("ysqkuang"), PersonChoices::diet());
    e.CmbYan = life.pickList(QStringLiteral("烟："), QStringLiteral("yan"), PersonChoices::smoking());
    e.CmbJiu = life.pickList(QStringLiteral("酒："), QStringLiteral("jiu"), PersonChoices::drinking());
    e.MemJwbing = life.memo(QStringLiteral("既往病："), QStringLiteral("jwbing"), {.span = 2, .height = 54});
    e.MemJzbing = life.memo(QStringLiteral("家族病："), QStringLiteral("jzbing"), {.span = 2, .height = 54});
    return e;
}

}  // namespace tj::registration
