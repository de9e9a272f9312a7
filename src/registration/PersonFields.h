// The person's record (tjian_ryuan) as the front desk edits it: the fields
// of the staff editor in its three groups, declared once on form builders,
// so that every window editing a person shows the same editors, lists,
// limits and checks.
//
//   PersonLists lists(conn);                       // units and person categories
//   ui::FormBuilder basic(maint, grpBasic, 3), contact(maint, grpContact, 3), life(maint, grpLife, 2);
//   PersonEditors e = DeclarePersonFields(basic, contact, life, lists);
#pragma once

#include "platform/db/Query.h"

#include <QStringList>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace tj::ui {
class FormBuilder;
}  // namespace tj::ui

namespace tj::registration {

// The fixed lists the person's fields offer.
namespace PersonChoices {
QStringList sexes();         // 男, 女
QStringList education();     // 小学 ... 博士
QStringList marriage();      // 未婚, 已婚, 离婚
QStringList nations();       // 汉族, 回族 (any text may be typed)
QStringList bloodGroups();   // A型, B型, AB型, O型
QStringList staffGroups();   // 经理, 员工
QStringList exercise();      // suggestions for 煅练情况
QStringList diet();          // suggestions for 饮食情况
QStringList smoking();       // 不吸烟, 吸烟
QStringList drinking();      // 不饮酒, 饮酒
}  // namespace PersonChoices

// The lists the person's coded fields choose from, on one connection.
struct PersonLists {
    explicit PersonLists(db::Connection& c);
    db::Query QryDwei;    // units: "select * from tjian_dwei order by id"
    db::Query QryRylbie;  // person categories: "select * from tjian_rylbie order by id"
};

struct PersonEditors {
    // 基本信息
    QLineEdit* EdtXming = nullptr;
    QComboBox* CmbDwid = nullptr;
    QComboBox* CmbXbie = nullptr;
    QDateEdit* DtpCsrqi = nullptr;
    QLineEdit* EdtNling = nullptr;
    QComboBox* CmbWhcdu = nullptr;
    QComboBox* CmbHyzkuang = nullptr;
    QComboBox* CmbMzu = nullptr;
    QComboBox* CmbXxing = nullptr;
    QComboBox* CmbFzu = nullptr;
    QLineEdit* EdtSfzhao = nullptr;
    QComboBox* CmbRylbid = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QLineEdit* EdtGzdwei = nullptr;
    QLineEdit* EdtZdybhao = nullptr;
    // 通讯信息
    QLineEdit* EdtJtdhua = nullptr;
    QLineEdit* EdtBgdhua = nullptr;
    QLineEdit* EdtSji = nullptr;
    QLineEdit* EdtYxiang = nullptr;
    QLineEdit* EdtJguan = nullptr;
    QLineEdit* EdtYbian = nullptr;
    QLineEdit* EdtDzhi = nullptr;
    // 生活方式与既往史
    QComboBox* CmbDlqkuang = nullptr;
    QComboBox* CmbYsqkuang = nullptr;
    QComboBox* CmbYan = nullptr;
    QComboBox* CmbJiu = nullptr;
    QPlainTextEdit* MemJwbing = nullptr;
    QPlainTextEdit* MemJzbing = nullptr;
};

// Declares every field of the staff editor on the three builders (their
// controller's data set is a tjian_ryuan row), in the editor's order; the
// name box comes first and the pinyin box is filled from it when entered.
PersonEditors DeclarePersonFields(ui::FormBuilder& basic, ui::FormBuilder& contact, ui::FormBuilder& life,
                                  PersonLists& lists);

}  // namespace tj::registration
