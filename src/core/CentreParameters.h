// The centre's parameters, key-value rows of tjian_csszhi: the centre's
// name, the moment the software went into use (where every cashier's first
// daily settlement starts) and the monthly cut-off. Read at the first show
// of the main window and by the settlement windows; written by the
// parameters window. Each value may be missing (no row yet).
#pragma once

#include "platform/db/Connection.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace tj::core {

struct CentreParameters {
    static const QString CentreNameKey;      // "体检中心名称"
    static const QString StartTimeKey;       // "软件启用时间", "yyyy-mm-dd hh:nn:ss"
    static const QString MonthEndKey;        // "月结设置", "月底 18:00:00" or "25 18:00:00"

    std::optional<QString> centreName;
    // The stored text and its reading (invalid when the text is no date-time).
    std::optional<QString> startTimeText;
    QDateTime softwareStartTime;
    std::optional<QString> monthEndSetting;

    // Reads the three rows ("select zhi from tjian_csszhi where jian='…' ").
    static CentreParameters read(db::Connection& c);
    // The value of one key; nullopt when there is no row.
    static std::optional<QString> value(db::Connection& c, const QString& key);
    // Writes one key: its row ("select * from tjian_csszhi where jian='%s' ")
    // is edited, or appended when missing.
    static void write(db::Connection& c, const QString& key, const QString& value);

    // Copies the values into the session the rest of the program reads.
    void applyToSession() const;
};

}  // namespace tj::core
