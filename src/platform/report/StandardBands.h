// The standard top and bottom of printed lists and sheets: the centre's
// name, the title and the date at the top, the page number with the true
// page count at the bottom.
//
//   ReportLayout L;                      // paper and margins set first
//   double y = AddStandardHeader(L, centre, "体检人员名单", serverToday);
//   L.pageHeader.add(Item::label({0, y, 30, 6}, "体检号", font));   // column captions below it
//   L.pageHeader.height = y + 6;
//   AddStandardFooter(L);                // "第 2 页 共 5 页"
//
// src/reports/ReportOutput.h fills the centre and the date from the session
// and the server clock.
#pragma once

#include "platform/report/Report.h"

#include <QDate>

namespace tj::report {

enum class HeaderOn {
    EveryPage,  // in the page header band
    FirstPage,  // in the title band
};

// Adds the centre name (centred), the title (centred, large and bold), the
// date at the right ("打印日期：yyyy-MM-dd") and a rule under them, below
// what the band already holds, across the width between the margins. Returns
// the band's new height: where items of your own go below it.
double AddStandardHeader(ReportLayout& layout, const QString& centre, const QString& title, const QDate& date,
                         HeaderOn on = HeaderOn::EveryPage);

// Adds a rule and "第 N 页 共 M 页" (centred) to the page footer band, below
// what it already holds; M is the true page count. Returns the band's height.
double AddStandardFooter(ReportLayout& layout);

// The page number format of the standard footer ("%1" page, "%2" count).
inline const QString kStandardPageNumberFormat = QStringLiteral("第 %1 页 共 %2 页");

}  // namespace tj::report
