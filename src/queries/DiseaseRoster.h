// The disease roster by unit: for every unit and ticked diagnosis, the
// department diagnoses of the visits registered in a range, counted against
// the unit's head count, with the names of the persons. The lines go into
// two working tables on the connection: #tjian_dwhzmdcxun (one line per unit
// and diagnosis) and #tjian_dwhzmd (one line per diagnosis row).
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tj::queries {

struct RosterUnit {
    int id = 0;
    QString name;  // as the unit list shows it
};

// Drops any earlier copies and creates both working tables empty.
void CreateRosterTables(db::Connection& c);

// The rows of one diagnosis among a unit's visits registered in the range:
// the unit's head count, the person's name and sex.
QString RosterStatement(const QString& diagnosis, int unit, const QString& rangeStart, const QString& rangeEnd);

// Before each unit and diagnosis: the unit's and the diagnosis' index; false
// stops the count.
using RosterStep = std::function<bool(int unit, int diagnosis)>;

// Empties both tables and counts unit by unit, diagnosis by diagnosis (the
// persons' names and sexes into #tjian_dwhzmd, a summary line with the count,
// the rate in percent with two decimals and the name list into
// #tjian_dwhzmdcxun when there was at least one row). Each unit and
// diagnosis is written whole or not at all. When the step stops the count,
// both tables are emptied again and false is returned.
bool RunDiseaseRoster(db::Connection& c, const std::vector<RosterUnit>& units, const QStringList& diagnoses,
                      const QString& rangeStart, const QString& rangeEnd, const RosterStep& step = {});

}  // namespace tj::queries
