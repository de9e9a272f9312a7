// The automatic findings of one department of one visit: a summary text in
// fixed wording and one diagnosis per finding (every abnormal item, the
// body-mass index from 身高 and 体重, the blood pressure from 收缩压 and
// 舒张压). The diagnoses go into the working table #tjian_jguo_zdjlun, from
// which saving the department copies them.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tj::results {

// One result row as it currently stands in the result grid.
struct FindingsRow {
    QString itemName;  // the item's mcheng
    QString result;    // jcjguo
    QString unit;      // dwei
    QString tip;       // tshi
    bool abnormal = false;  // ycbzhi
    bool numeric = false;   // szjgbzhi
};

struct Diagnosis {
    // An abnormal item, or one of the fixed words of the body-mass index
    // (肥胖, 超重, 体重偏低) or the blood pressure (血压偏高, 血压偏低).
    enum class Source { Item, BodyMass, BloodPressure };
    Source source = Source::Item;
    QString text;
};

struct Findings {
    QString text;                       // summary text, "未见异常" when nothing was found
    std::vector<Diagnosis> diagnoses;   // in the order the findings were produced

    QStringList diagnosisTexts() const;
};

// The findings of the rows, in grid order, without touching the database.
//
// A height, weight or pressure whose result is empty or no number counts as
// absent: it gives no body-mass index and no pressure finding of its own
// (rather than an index or a pressure of 0.00). A height of 0 or less gives
// no index either.
Findings ComputeDepartmentFindings(const std::vector<FindingsRow>& rows);

// Creates the empty working diagnosis table (dropping an earlier copy).
void CreateDiagnosisWorkingTable(db::Connection& c);

// Empties #tjian_jguo_zdjlun, fills it with the findings' diagnoses for the
// department and visit, and returns the summary text. With no visit (empty
// number) or no department (id <= 0) it returns an empty text and leaves the
// table alone.
QString BuildDepartmentFindings(db::Connection& c, const QString& tjhao, int ksid,
                                const std::vector<FindingsRow>& rows);

}  // namespace tj::results
