// The server's clock. Times written to the database and default dates of
// date boxes come from the server, never from the workstation.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace tj::db {
class Connection;
}

namespace tj::core {

// Each asks the server and returns the workstation's own value when no row
// comes back; errors of the statement reach the caller.
QDateTime ServerNow(db::Connection& connection);
QDateTime ServerToday(db::Connection& connection);
QTime ServerTimeOfDay(db::Connection& connection);

// The workstation clock corrected by the offset to the server taken at
// login. The operating system's clock itself is never changed.
class SessionClock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    // Remembers the difference between the server's time and ours.
    static void syncTo(const QDateTime& serverTime);
    static qint64 offsetMs();
    static void reset();
};

}  // namespace tj::core
