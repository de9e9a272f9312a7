// The standard header filled from the session and the server clock, and the
// file names of exported examination reports.
#include "core/Session.h"
#include "platform/db/SqliteConnection.h"
#include "reports/ReportOutput.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj;

namespace {

// A server whose clock says 2030-01-02, whatever the workstation's says.
class ServerInTheFuture : public db::SqliteConnection {
public:
    using db::SqliteConnection::SqliteConnection;
    using db::SqliteConnection::query;
    db::ResultSet query(const QString& sql) override
    {
        if (!sql.contains("getdate")) return db::SqliteConnection::query(sql);
        db::ResultSet rs;
        rs.columns << "d";
        rs.rows.push_back({db::Value(QStringLiteral("2030-01-02 00:00:00.000"))});
        return rs;
    }
};

}  // namespace

TEST(CentreHeader, CentreNameFromTheSessionAndDateFromTheServer)
{
    QTemporaryDir dir;
    ServerInTheFuture server(dir.filePath("his.db"));
    server.open();
    core::Session::current().CentreName = "岚川体检中心";
    report::ReportLayout L;
    const double y = reports::AddCentreHeader(L, "体检人员名单", server);
    core::Session::reset();
    EXPECT_NEAR(y, L.pageHeader.height, 1e-9);
    report::Document doc = report::layoutReport(L);
    EXPECT_EQ(doc.texts(0), (QStringList{"岚川体检中心", "体检人员名单", "打印日期：2030-01-02"}));
}

TEST(ExamReportFileName, NumberAsDigitGroupsThenTheName)
{
    EXPECT_EQ(reports::ExamReportFileName("12-35", "张三"), "00012-00035 张三");
    EXPECT_EQ(reports::ExamReportFileName("7-15", " 李四 "), "00007-00015 李四");
    EXPECT_EQ(reports::ExamReportFileName("0-3", ""), "00000-00003");
}
