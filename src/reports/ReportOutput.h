// Report pieces that need the session or the server: the standard header
// with the centre's name and the server's date, and the file names of
// exported examination reports.
#pragma once

#include "platform/report/StandardBands.h"

namespace tj::db {
class Connection;
}

namespace tj::reports {

// AddStandardHeader with the centre name of the session (centre parameters)
// and today's date on the server's clock. Returns the band's new height.
//   double y = AddCentreHeader(L, "体检人员名单", core::TDM::instance().Connection());
double AddCentreHeader(report::ReportLayout& layout, const QString& title, db::Connection& connection,
                       report::HeaderOn on = report::HeaderOn::EveryPage);

// "00012-00035 张三" for the number 12-35 and the name 张三: the number's
// digit groups joined by a hyphen, so the files sort by unit and sequence.
// The batch runner adds ".pdf" and makes the name safe.
QString ExamReportFileName(const QString& tjhao, const QString& xming);

}  // namespace tj::reports
