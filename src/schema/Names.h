// Fixed words and codes stored in the database that several windows compare
// against: visit status, package state, the client's subsystem code, the
// department categories and the keys of the parameter tables.
#pragma once

#include <QString>

namespace tj::schema {

// tjian_sfei_main.tjztai
inline const QString StatusNotExamined = QStringLiteral("未检");
inline const QString StatusExamining = QStringLiteral("检中");
inline const QString StatusCompleted = QStringLiteral("检完");

// tjian_tcan_main.bzhi
inline const QString PackageEnabled = QStringLiteral("启用");
inline const QString PackageDisabled = QStringLiteral("禁用");

// tjian_zhxmu_main.sfxybben
inline const QString SpecimenYes = QStringLiteral("是");
inline const QString SpecimenNo = QStringLiteral("否");

// Sex words of persons, items and packages.
inline const QString SexMale = QStringLiteral("男");
inline const QString SexFemale = QStringLiteral("女");
inline const QString SexAny = QStringLiteral("不限");

// Settlement types of units and visits (tjian_dwei.jzlxing, tjian_sfei_main.jzlxing).
constexpr int SettlePaidAtRegistration = 1;  // 现结
constexpr int SettleOnAccount = 2;           // 记帐

// The client's subsystem in the permission tables.
inline const QString SubsystemCode = QStringLiteral("M1");

// Department categories the client works with; the last one holds the
// departments that can be in charge of a unit.
constexpr int DepartmentCategoryClinical = 11;
constexpr int DepartmentCategoryTechnical = 12;
constexpr int DepartmentCategoryBusiness = 13;

// The first administrator's account (password empty until he changes it).
inline const QString AdministratorAccount = QStringLiteral("admin");

// Keys of tjian_csszhi.jian.
inline const QString ParamCentreName = QStringLiteral("体检中心名称");
inline const QString ParamSoftwareStartTime = QStringLiteral("软件启用时间");
inline const QString ParamMonthEndSetting = QStringLiteral("月结设置");
inline const QString ParamIndividualCounter = QStringLiteral("散检最大体检号");
// Day part of the month-end setting that means the month's last day.
inline const QString MonthEndLastDay = QStringLiteral("月底");

// Keys of his_xtszhi.bzhu.
inline const QString SysBeginUseYear = QStringLiteral("BeginUseYear");
inline const QString SysYearEnd = QStringLiteral("YearEnd");

}  // namespace tj::schema
