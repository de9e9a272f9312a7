#include "reports/ReportOutput.h"

#include "common/TextHelpers.h"
#include "core/ServerClock.h"
#include "core/Session.h"

namespace tj::reports {

double AddCentreHeader(report::ReportLayout& layout, const QString& title, db::Connection& connection, report::HeaderOn on)
{
    const QDate today = core::ServerToday(connection).date();
    return report::AddStandardHeader(layout, core::Session::current().CentreName, title, today, on);
}

QString ExamReportFileName(const QString& tjhao, const QString& xming)
{
    QString number = common::ExamNumberToDigitGroups(tjhao);
    number.replace(QChar(' '), QChar('-'));
    const QString name = xming.trimmed();
    return name.isEmpty() ? number : number + QChar(' ') + name;
}

}  // namespace tj::reports
