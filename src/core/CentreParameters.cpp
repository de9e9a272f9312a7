#include "core/CentreParameters.h"

#include "core/Session.h"
#include "platform/db/Query.h"
#include "platform/db/SqlText.h"
#include "schema/Names.h"

namespace tj::core {

const QString CentreParameters::CentreNameKey = schema::ParamCentreName;
const QString CentreParameters::StartTimeKey = schema::ParamSoftwareStartTime;
const QString CentreParameters::MonthEndKey = schema::ParamMonthEndSetting;

std::optional<QString> CentreParameters::value(db::Connection& c, const QString& key)
{
    const auto rs = c.query(db::SqlText::format("select zhi from tjian_csszhi where jian='%s' ", key));
    if (rs.rows.empty())
        return std::nullopt;
    return rs.rows[0][0].toString();
}

CentreParameters CentreParameters::read(db::Connection& c)
{
    CentreParameters p;
    p.centreName = value(c, CentreNameKey);
    p.startTimeText = value(c, StartTimeKey);
    if (p.startTimeText)
        p.softwareStartTime = QDateTime::fromString(*p.startTimeText, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    p.monthEndSetting = value(c, MonthEndKey);
    return p;
}

void CentreParameters::write(db::Connection& c, const QString& key, const QString& text)
{
    db::Query q(c);
    q.setSql(db::SqlText::format("select * from tjian_csszhi where jian='%s' ", key));
    q.open();
    if (q.isEmpty())
        q.append();
    else
        q.edit();
    q.setField(QStringLiteral("jian"), key);
    q.setField(QStringLiteral("zhi"), text);
    q.post();
}

void CentreParameters::applyToSession() const
{
    Session& s = Session::current();
    if (centreName)
        s.CentreName = *centreName;
    s.StartTimeSet = startTimeText.has_value();
    if (s.StartTimeSet)
        s.SoftwareStartTime = softwareStartTime;
    s.MonthEndSettingSet = monthEndSetting.has_value();
    if (s.MonthEndSettingSet)
        s.MonthEndSetting = *monthEndSetting;
}

}  // namespace tj::core
