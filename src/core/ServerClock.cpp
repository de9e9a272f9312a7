#include "core/ServerClock.h"

#include "platform/db/Connection.h"

namespace tj::core {

namespace {
qint64 g_offsetMs = 0;
}

QDateTime ServerNow(db::Connection& connection)
{
    QDateTime result = SessionClock::now();
    const db::ResultSet rs = connection.query(QStringLiteral("select getdate() "));
    if (!rs.rows.empty() && !rs.rows[0].empty())
        result = rs.rows[0][0].toDateTime();
    return result;
}

QDateTime ServerToday(db::Connection& connection)
{
    QDateTime result(SessionClock::today(), QTime(0, 0));
    const db::ResultSet rs = connection.query(QStringLiteral("select dateadd(day, datediff(day, 0, getdate()), 0) "));
    if (!rs.rows.empty() && !rs.rows[0].empty())
        result = rs.rows[0][0].toDateTime();
    return result;
}

QTime ServerTimeOfDay(db::Connection& connection)
{
    QTime result = SessionClock::now().time();
    const db::ResultSet rs = connection.query(QStringLiteral("select convert(varchar(8), getdate(), 108) "));
    if (!rs.rows.empty() && !rs.rows[0].empty())
        result = QTime::fromString(rs.rows[0][0].toString(), QStringLiteral("HH:mm:ss"));
    return result;
}

QDateTime SessionClock::now()
{
    return QDateTime::currentDateTime().addMSecs(g_offsetMs);
}

void SessionClock::syncTo(const QDateTime& serverTime)
{
    if (serverTime.isValid())
        g_offsetMs = QDateTime::currentDateTime().msecsTo(serverTime);
}

qint64 SessionClock::offsetMs()
{
    return g_offsetMs;
}

void SessionClock::reset()
{
    g_offsetMs = 0;
}

}  // namespace tj::core
