// A generated year of a centre, for benchmarks and demonstrations: units
// with their staff and walk-in persons, group and individual registrations
// through the registration transaction, results judged by the result rules
// with abnormal values at realistic rates, department findings and
// diagnoses, chief examinations, cancelled visits, removed charge lines,
// unit payments and daily and monthly settlements. The same seed and sizes
// give the same database.
#pragma once

#include "platform/db/Connection.h"

#include <QDate>
#include <QString>
#include <functional>

namespace tj::queries {

struct YearOptions {
    quint64 seed = 1;
    int visits = 50000;  // about this many visits
    int units = 300;
    QDate firstDay = QDate(2025, 1, 1);
    int days = 365;
    // Told what is being done (one line per phase).
    std::function<void(const QString&)> report;
};

struct YearSummary {
    int units = 0;
    int persons = 0;
    int visits = 0;
    int cancelled = 0;
    int removedLines = 0;
    int completed = 0;
    qint64 resultRows = 0;
    int diagnoses = 0;
};

// Fills the database (the demonstration catalogue is loaded first when the
// database has no examination items). Refused (SchemaError-like runtime
// error) when the database already holds visits.
YearSummary GenerateYear(db::Connection& c, const YearOptions& options);

}  // namespace tj::queries
