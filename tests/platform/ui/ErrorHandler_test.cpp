// The application-wide error handler: the reconnect question by the kind of
// a database error, Chinese wording for the rest, and handlers run outside
// notify() that still end up there.
#include "platform/db/Connection.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ErrorHandler.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

using tj::db::SqlError;
using tj::ui::ErrorHandler;
using tj::ui::ScriptedDialogs;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString Reconnect = QStringLiteral("连接不到数据库，重新连接选“是”，退出选“否”");

class ErrorHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ErrorHandler::setReconnect([this] {
            ++reconnects;
            if (failReconnects-- > 0)
                throw SqlError(QStringLiteral("[08001] [FreeTDS][SQL Server]Unable to connect to data source"),
                               SqlError::kindOfOdbc(QStringLiteral("08001"), 0), QStringLiteral("08001"));
        });
        ErrorHandler::setTerminate([this] { ++terminates; });
    }
    void TearDown() override
    {
        ErrorHandler::setReconnect({});
        ErrorHandler::setTerminate({});
    }

    static SqlError odbc(const char* state, int native, const char* text)
    {
        return SqlError(QString::fromUtf8(text), SqlError::kindOfOdbc(QString::fromLatin1(state), native),
                        QString::fromLatin1(state), native);
    }

    ScriptedDialogs dialogs;
    int reconnects = 0;
    int terminates = 0;
    int failReconnects = 0;
};

TEST_F(ErrorHandlerTest, AsksToReconnectByKindNotByWording)
{
    struct Case {
        const char* what;
        SqlError error;
        bool asks;
        const char* shown;  // the plain message when no question is asked
    } cases[] = {
        {"link failure", odbc("08S01", 20006, "[08S01] [FreeTDS][SQL Server]Write to the server failed"), true, ""},
        {"time-out", odbc("HYT00", 0, "[HYT00] [FreeTDS][SQL Server]Query timeout expired"), true, ""},
        // A refused duplicate whose value happens to hold the time-out word.
        {"constraint",
         odbc("23000", 2627,
              "[23000] [FreeTDS][SQL Server]Violation of UNIQUE KEY constraint 'UX_t'. Cannot insert duplicate key in "
              "object 'dbo.t'. The duplicate key value is (连接超时)."),
         false, "出错信息：\r\r违反了 UNIQUE KEY 约束“UX_t”。不能在对象“dbo.t”中插入重复键。重复键值为 (连接超时)。"},
        {"busy", SqlError(QStringLiteral("database is locked"), SqlError::Kind::Busy, QStringLiteral("5"), 5), false,
         "出错信息：\r\r数据库正忙（其他工作站正在写入），请稍后重试。"},
        // Errors of no known kind keep the old judgement by their text.
        {"plain connection text", SqlError(QStringLiteral("数据库连接失败：没有打开的数据库连接")), true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        if (c.asks)
            dialogs.answer(true);
        const int before = reconnects;
        ErrorHandler::handle(c.error);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().wasQuestion, c.asks);
        if (c.asks) {
            EXPECT_EQ(dialogs.last().text, Reconnect);
            EXPECT_EQ(reconnects, before + 1);
        } else {
            EXPECT_EQ(dialogs.last().text, QString::fromUtf8(c.shown));
            EXPECT_EQ(reconnects, before);
        }
    }
    EXPECT_EQ(terminates, 0);

    dialogs.answer(false);
    ErrorHandler::handle(std::runtime_error("查询超时"));
    EXPECT_EQ(terminates, 1);
}

TEST_F(ErrorHandlerTest, AsksAgainWhileTheServerStaysOutOfReach)
{
    failReconnects = 2;
    dialogs.answer(true);
    dialogs.answer(true);
    dialogs.answer(true);
    ErrorHandler::handle(odbc("08S01", 0, "[08S01] Communication link failure"));
    EXPECT_EQ(reconnects, 3);
    EXPECT_EQ(dialogs.texts(), (QStringList{Reconnect, Reconnect, Reconnect}));
    EXPECT_EQ(terminates, 0);
}

TEST_F(ErrorHandlerTest, GuardedHandlersNeverLetExceptionsOut)
{
    tj::ui::guarded([] {
        throw SqlError(QStringLiteral("Conversion failed when converting the varchar value 'abc' to data type int."),
                       SqlError::Kind::Conversion);
    });
    EXPECT_EQ(dialogs.last().text, QStringLiteral("出错信息：\r\r将 varchar 值 'abc' 转换成数据类型 int 时失败。"));

    // A timer slot outside any event handler of ours.
    int ran = 0;
    QTimer::singleShot(0, tj::ui::guard([&] {
                           ++ran;
                           throw std::logic_error("坏的状态");
                       }));
    for (int i = 0; i < 5 && ran == 0; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("出错信息：\r\r坏的状态"));
}

}  // namespace
