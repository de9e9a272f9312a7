// The registration transaction: for each person, issue the examination
// number, write the visit (tjian_sfei_main), one charge line per row of the
// working item table (tjian_sfei_sub), one result row per active member item
// of the charged combined items (tjian_jguo), advance the counter and mark
// the person registered. All persons of one call are written in one
// transaction; any error rolls all of it back and the working table keeps
// its rows, so the operator can press again.
//
// Three front-desk windows register visits; each has its own input struct:
// the single registration of the group window, the batch window and the
// individual window. The windows only gather these inputs and show the
// result's message.
#pragma once

#include "platform/db/Connection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace tj::registration {

// The logged-in operator, written as 登记人 of every visit.
struct Operator {
    int id = 0;
    QString name;
};

// One selected staff member of the group window, registered with the
// unit's settlement type and zone.
struct SingleRegistration {
    int unitId = 0;          // the unit current in the unit list
    int personId = 0;
    int categoryId = 0;      // 体检类别
    int packageId = 0;       // the unit package box
    Operator op;
    // Server time of the registration; an invalid value reads it from the
    // server (getdate()).
    QDateTime time;
};

// Several staff of one unit, in the grid's display order, all charged the
// same working-table rows and numbered consecutively.
struct BatchRegistration {
    int unitId = 0;
    std::vector<int> personIds;
    int categoryId = 0;
    int packageId = 0;
    Operator op;
    QDateTime time;
};

// The person of the individual window: numbered from the person's unit when
// it has one, otherwise from the individual counter and settled at once;
// zone from the window's zone box; items from #tjian_sjdj.
struct IndividualRegistration {
    QString personIdText;    // the 档案号 box
    int unitId = 0;          // the person's dwid
    int categoryId = 0;
    int zoneId = 0;
    int packageId = 0;       // the package added first to an empty item table, else 0
    Operator op;
    QDateTime time;
};

struct RegistrationResult {
    bool ok = false;
    // The numbers issued, in processing order (empty after a failure).
    QStringList examNumbers;
    // For the message box: the window's success text, or its failure prefix
    // followed by the error text. Caption "提示信息" or "错误信息".
    QString message;
    // The error text alone (empty on success).
    QString error;
};

RegistrationResult RegisterVisits(db::Connection& c, const SingleRegistration& r);
RegistrationResult RegisterVisits(db::Connection& c, const BatchRegistration& r);
RegistrationResult RegisterVisits(db::Connection& c, const IndividualRegistration& r);

// Texts the windows show around a registration.
extern const QString SingleSuccessMessage;      // "所选人员登记成功！"
extern const QString BatchSuccessMessage;       // "所选人员批量登记成功！"
extern const QString IndividualSuccessMessage;  // "散检人员登记成功！"
extern const QString SingleFailurePrefix;       // "登记失败："
extern const QString BatchFailurePrefix;        // "批量登记失败："
extern const QString IndividualFailurePrefix;   // "散检人员登记失败："
// "本次体检号：%s" for the individual window's label.
QString IndividualNumberLabel(const QString& examNumber);

// The statement that creates the result rows of a visit from its charge
// lines in force ('%s': the examination number). Also the basis of adding
// a combined item to a visit later.
extern const char* const InsertResultRowsSql;
// The same restricted to one charged combined item ('%s' number, %d item).
extern const char* const InsertResultRowsForItemSql;

}  // namespace tj::registration
