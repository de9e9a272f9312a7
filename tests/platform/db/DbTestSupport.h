// Small helpers for the database layer tests: a fresh embedded database and
// the first cell of a statement as text.
#pragma once

#include "platform/db/SqliteConnection.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable QString values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace tj::db::testing {

class FreshDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("t.db"));
        db = std::make_unique<SqliteConnection>(path);
        db->open();
    }

    // First column of the first row as text ("NULL" for null, "<none>" when no row).
    QString cell(const QString& sql)
    {
        const ResultSet rs = db->query(sql);
        if (rs.rows.empty())
            return QStringLiteral("<none>");
        const Value& v = rs.rows.front().front();
        return v.isNull() ? QStringLiteral("NULL") : v.toString();
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<SqliteConnection> db;
};

}  // namespace tj::db::testing
