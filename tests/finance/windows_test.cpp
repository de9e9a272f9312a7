// The settlement windows driven as a cashier would, at fixed moments of the
// server's clock: what they offer on opening, what they record, and the
// sheets they show.
#include "finance/SettlementPicker.h"
#include "finance/TFSfyRjBda.h"
#include "finance/TFSfyRjie.h"
#include "finance/TFSfyYjBda.h"
#include "finance/TFSfyYjie.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "platform/report/Output.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <deque>

using namespace tj::finance;
using tj::db::SqlText;

// Texts in failure messages as texts.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromUtf8(text), SettlementTimeFormat);
}

// Acts on the modal windows a handler opens (the settlement lists), one step per
// window, in order, from inside their event loops. A modal window no step
// was written for is closed and reported.
class ModalSteps {
public:
    ModalSteps()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    ~ModalSteps() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal windows did not open"; }

    void then(std::function<void(QWidget*)> step) { steps_.push_back(std::move(step)); }

    // Picks row `row` (as listed) of a settlement list with OK.
    void pick(int row)
    {
        then([row](QWidget* w) {
            auto* list = qobject_cast<SettlementPicker*>(w);
            EXPECT_NE(list, nullptr);
            if (!list) {
                w->close();
                return;
            }
            list->Grid->setCurrentRow(row);
            list->BtnOkClick();
        });
    }

private:
    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == handled_.data())
            return;
        handled_ = w;
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected modal window " << w->windowTitle().toStdString();
            w->close();
            return;
        }
        auto step = std::move(steps_.front());
        steps_.pop_front();
        step(w);
    }

    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> steps_;
    QPointer<QWidget> handled_;
};

QString periodOf(const tj::report::Document& doc)
{
    for (const QString& t : doc.texts(0))
        if (t.startsWith(QStringLiteral("收费时间：")))
            return t.mid(5);
    return QString();
}

// The text next to a caption on the sheet's table, by position: the texts of
// the row whose first cell is `row` ("团检", "散检", "合计").
QStringList sheetRow(const tj::report::Document& doc, const QString& row)
{
    const QStringList t = doc.texts(0);
    const int i = t.indexOf(row);
    return i < 0 ? QStringList() : t.mid(i + 1, row == QStringLiteral("散检") ? 3 : 7);
}

class Settlements : public tj::test::WindowTest {
protected:
    Settlements()
    {
        cashier = db.addUser({.account = QStringLiteral("sfy"), .name = QStringLiteral("收费员甲")});
        auto& s = tj::core::Session::current();
        s.CurrentUserId = cashier;
        s.CurrentUserName = QStringLiteral("收费员甲");
        setParameter(tj::schema::ParamCentreName, QStringLiteral("岚川体检中心"));
        setParameter(tj::schema::ParamSoftwareStartTime, QStringLiteral("2024-05-20 08:00:00"));
        setParameter(tj::schema::ParamMonthEndSetting, QStringLiteral("25 18:00:00"));
        unit = db.addUnit({.name = QStringLiteral("岚川机械厂"), .settlement = 2});
    }
    ~Settlements() override { tj::db::SqliteConnection::setServerTime(QDateTime()); }

    void setParameter(const QString& key, const QString& value)
    {
        db.execute(SqlText::format("delete from tjian_csszhi where jian='%s'", key));
        if (!value.isNull())
            db.execute(SqlText::format("insert into tjian_csszhi(jian, zhi) values('%s', '%s')", key, value));
    }
    static void serverAt(const char* t) { tj::db::SqliteConnection::setServerTime(at(t)); }

    // A walk-in paying on the spot.
    void walkIn(const char* when, const char* amount)
    {
        const int person = db.addPerson({.name = QStringLiteral("散客%1").arg(++visits)});
        const QString tjhao = QStringLiteral("0-%1").arg(visits);
        db.execute(SqlText::format("insert into tjian_sfei_main(tjhao, ryid, jzlxing, jzbzhi, jzsjian, sfsjian) "
                                   "values('%s', %d, 1, 1, '%s', '%s')",
                                   tjhao, person, when, when));
        db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select id, 1, %s, 1, %s "
                                   "from tjian_sfei_main where tjhao='%s'",
                                   amount, amount, tjhao));
    }
    void daily(const char* rqi, const char* from, const char* to)
    {
        db.execute(SqlText::format("insert into tjian_sfei_rjie(yhid, rqi, kssjian, jssjian) values(%d, '%s', '%s', '%s')",
                                   cashier, rqi, from, to));
    }
    QStringList dailyRows()
    {
        QStringList out;
        const auto rs = db.query(SqlText::format(
            "select rqi, kssjian, jssjian from tjian_sfei_rjie where yhid=%d order by jssjian, kssjian", cashier));
        for (const auto& r : rs.rows)
            out << QStringLiteral("%1 %2~%3").arg(r[0].toDateTime().date().toString(Qt::ISODate),
                                                  SettlementTimeText(r[1].toDateTime()),
                                                  SettlementTimeText(r[2].toDateTime()));
        return out;
    }
    QStringList monthlyRows()
    {
        QStringList out;
        const auto rs = db.query(
            SqlText::format("select rqi, ksrqi, jsrqi from tjian_sfei_yjie where yhid=%d order by rqi", cashier));
        for (const auto& r : rs.rows)
            out << QStringLiteral("%1 %2~%3").arg(r[0].toDateTime().date().toString(Qt::ISODate),
                                                  r[1].toDateTime().date().toString(Qt::ISODate),
                                                  r[2].toDateTime().date().toString(Qt::ISODate));
        return out;
    }
    static QString shown(const SettlementWindow& w)
    {
        return SettlementTimeText(w.periodStart()) + QStringLiteral(" 至 ") + SettlementTimeText(w.periodEnd());
    }

    // The sheets sent to the preview or the printer, in order.
    const tj::report::Document& sheet(std::size_t i) const { return out.sent.at(i).document; }

    tj::report::OutputCapture out;
    int cashier = 0;
    int unit = 0;
    int visits = 0;
};

TEST_F(Settlements, DailyWindowWithoutAUsablePeriodRecordsNothing)
{
    struct Case {
        QString key, value, message, shown;
    };
    const QString today = QStringLiteral("2024-05-22 00:00:00 至 2024-05-22 17:00:00");
    const Case cases[] = {
        {tj::schema::ParamSoftwareStartTime, QString(), QStringLiteral("未设置软件启用时间，请到参数设置中设置！"), today},
        {tj::schema::ParamMonthEndSetting, QString(), QStringLiteral("未设置月结设置，请到参数设置中设置！"), today},
        {tj::schema::ParamMonthEndSetting, QStringLiteral("abc 18:00:00"), QString(), today},
        {tj::schema::ParamSoftwareStartTime, QStringLiteral("2024年5月20日"),
         QStringLiteral("软件启用时间不是有效的日期时间，请到参数设置中检查！"), today},
        {tj::schema::ParamSoftwareStartTime, QStringLiteral("2024-05-23 08:00:00"),
         QStringLiteral("日结开始时间（2024-05-23 08:00:00）晚于当前时间，不能日结！"),
         QStringLiteral("2024-05-23 08:00:00 至 2024-05-22 17:00:00")},
    };
    serverAt("2024-05-22 17:00:00");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        setParameter(tj::schema::ParamSoftwareStartTime, QStringLiteral("2024-05-20 08:00:00"));
        setParameter(tj::schema::ParamMonthEndSetting, QStringLiteral("25 18:00:00"));
        setParameter(c.key, c.value);
        dialogs.clear();
        TFSfyRjie w;
        w.show();
        EXPECT_FALSE(w.BtnRj->isEnabled());
        EXPECT_TRUE(w.BtnCx->isEnabled());
        EXPECT_EQ(w.LbInfo->text(), c.message);
        EXPECT_EQ(shown(w), c.shown);
        if (c.message.isEmpty()) {
            // The unreadable setting reaches the program's error handler.
            ASSERT_EQ(dialogs.shown().size(), 1u);
            EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("出错信息：")));
            EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("abc 18:00:00")));
        } else {
            EXPECT_TRUE(dialogs.shown().empty());
        }
    }
    EXPECT_TRUE(dailyRows().isEmpty());
}

TEST_F(Settlements, FirstDailySettlementStartsAtTheSoftwareStartAndIsMadeOncePerDay)
{
    walkIn("2024-05-21 10:00:00", "120.5");
    serverAt("2024-05-22 17:00:00");
    TFSfyRjie w;
    w.show();
    shot(&w, QStringLiteral("TFSfyRjie"));
    EXPECT_EQ(w.LbYhu->text(), QStringLiteral("收费员甲"));
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-20 08:00:00 至 2024-05-22 17:00:00"));
    ASSERT_TRUE(w.BtnRj->isEnabled());

    dialogs.answer(false);
    w.BtnRjClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("每天只能日结一次，是否日结？"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("确认信息"));
    EXPECT_FALSE(dialogs.last().defaultYes);
    EXPECT_TRUE(dailyRows().isEmpty());
    EXPECT_TRUE(w.BtnRj->isEnabled());

    dialogs.answer(true);
    w.BtnRjClick();
    EXPECT_FALSE(w.BtnRj->isEnabled());
    EXPECT_EQ(dailyRows(), QStringList{QStringLiteral("2024-05-22 2024-05-20 08:00:00~2024-05-22 17:00:00")});
    ASSERT_EQ(out.sent.size(), 1u);
    EXPECT_EQ(out.sent[0].how, tj::report::Output::PrintNoDialog);
    EXPECT_TRUE(sheet(0).texts(0).contains(QStringLiteral("日结帐清单")));
    EXPECT_TRUE(sheet(0).texts(0).contains(QStringLiteral("岚川体检中心")));
    EXPECT_TRUE(sheet(0).texts(0).contains(QStringLiteral("打印时间：2024-05-22 17:00:00")));
    EXPECT_EQ(periodOf(sheet(0)), QStringLiteral("2024-05-20 08:00:00 至 2024-05-22 17:00:00"));
    EXPECT_EQ(sheetRow(sheet(0), QStringLiteral("散检")), (QStringList{"1", "120.50", "120.50"}));

    // Opened again the same day: nothing more to record, the query still works.
    w.close();
    serverAt("2024-05-22 17:30:00");
    w.show();
    EXPECT_FALSE(w.BtnRj->isEnabled());
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("今天已经日结过了，不需要重复日结！"));
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-22 17:00:00 至 2024-05-22 17:30:00"));
    w.BtnCxClick();
    ASSERT_EQ(out.sent.size(), 2u);
    EXPECT_EQ(out.sent[1].how, tj::report::Output::Preview);
    EXPECT_TRUE(sheet(1).texts(0).contains(QStringLiteral("日结帐清单（查询）")));
    EXPECT_EQ(dailyRows().size(), 1);
}

TEST_F(Settlements, PeriodAcrossTheCutOffIsRecordedAsTwoRowsAndTwoSheets)
{
    daily("2024-05-24", "2024-05-23 19:00:00", "2024-05-24 20:00:00");
    walkIn("2024-05-25 17:00:00", "10");
    walkIn("2024-05-25 19:00:00", "20");
    serverAt("2024-05-25 20:00:00");
    TFSfyRjie w;
    w.show();
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-24 20:00:00 至 2024-05-25 20:00:00"));
    EXPECT_EQ(w.cutOff(), at("2024-05-25 18:00:00"));

    w.ChkPreview->setChecked(true);
    dialogs.answer(true);
    w.BtnRjClick();
    EXPECT_EQ(dailyRows(), (QStringList{QStringLiteral("2024-05-24 2024-05-23 19:00:00~2024-05-24 20:00:00"),
                                        QStringLiteral("2024-05-25 2024-05-24 20:00:00~2024-05-25 18:00:00"),
                                        QStringLiteral("2024-05-25 2024-05-25 18:00:00~2024-05-25 20:00:00")}));
    ASSERT_EQ(out.sent.size(), 2u);
    EXPECT_EQ(out.sent[0].how, tj::report::Output::Preview);
    EXPECT_EQ(out.sent[1].how, tj::report::Output::Preview);
    EXPECT_EQ(periodOf(sheet(0)), QStringLiteral("2024-05-24 20:00:00 至 2024-05-25 18:00:00"));
    EXPECT_EQ(sheetRow(sheet(0), QStringLiteral("散检")), (QStringList{"1", "10.00", "10.00"}));
    EXPECT_EQ(periodOf(sheet(1)), QStringLiteral("2024-05-25 18:00:00 至 2024-05-25 20:00:00"));
    EXPECT_EQ(sheetRow(sheet(1), QStringLiteral("散检")), (QStringList{"1", "20.00", "20.00"}));

    // The next day's period starts at the end of the later part.
    w.close();
    serverAt("2024-05-26 18:30:00");
    w.show();
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-25 20:00:00 至 2024-05-26 18:30:00"));
    EXPECT_TRUE(w.BtnRj->isEnabled());
}

TEST_F(Settlements, ASplitDayIsRecordedWholeOrNotAtAll)
{
    daily("2024-05-24", "2024-05-23 19:00:00", "2024-05-24 20:00:00");
    // The second row of the day cannot be written.
    db.connection().executeNative(QStringLiteral(
        "create trigger refuse_second_part before insert on tjian_sfei_rjie when new.kssjian like '2024-05-25 18:00:00%' "
        "begin select raise(abort, 'disk I/O error'); end;"));
    serverAt("2024-05-25 20:00:00");
    TFSfyRjie w;
    w.show();
    dialogs.answer(true);
    EXPECT_ANY_THROW(w.BtnRjClick());
    EXPECT_EQ(dailyRows().size(), 1);  // only the row of the day before
}

TEST_F(Settlements, ASecondWindowOfTheSameCashierCannotSettleAgain)
{
    serverAt("2024-05-24 23:59:00");
    TFSfyRjie first, second, third;
    first.show();
    second.show();
    third.show();
    ASSERT_TRUE(second.BtnRj->isEnabled());
    dialogs.answer(true);
    first.BtnRjClick();
    ASSERT_EQ(dailyRows().size(), 1);

    // The same day: refused by the once-a-day rule.
    dialogs.answer(true);
    second.BtnRjClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("今天已经日结过了，不需要重复日结！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
    EXPECT_EQ(second.LbInfo->text(), QStringLiteral("今天已经日结过了，不需要重复日结！"));
    EXPECT_EQ(dailyRows().size(), 1);

    // Past midnight the day is new, but the period shown was settled already.
    serverAt("2024-05-25 00:01:00");
    dialogs.answer(true);
    third.BtnRjClick();
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("请关闭本窗口后重新打开")));
    EXPECT_EQ(dailyRows().size(), 1);
}

TEST_F(Settlements, DailyReprintPrintsAChosenSettlement)
{
    walkIn("2024-05-21 10:00:00", "30");
    daily("2024-05-21", "2024-05-20 08:00:00", "2024-05-21 18:00:00");
    daily("2024-05-22", "2024-05-21 18:00:00", "2024-05-22 18:00:00");
    serverAt("2024-05-23 09:00:00");
    TFSfyRjBda w;
    w.show();
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-23 00:00:00 至 2024-05-23 00:00:00"));
    w.BtnBdClick();
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("请先查询日结日期，再进行补打！"));

    {
        ModalSteps modals;
        modals.pick(1);  // newest first: the settlement of the 21st
        w.BtnCxrqClick();
    }
    EXPECT_TRUE(w.isChosen());
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-20 08:00:00 至 2024-05-21 18:00:00"));
    w.ChkPreview->setChecked(true);
    w.BtnBdClick();
    ASSERT_EQ(out.sent.size(), 1u);
    EXPECT_EQ(out.sent[0].how, tj::report::Output::Preview);
    EXPECT_TRUE(sheet(0).texts(0).contains(QStringLiteral("日结帐清单（补打）")));
    EXPECT_EQ(sheetRow(sheet(0), QStringLiteral("散检")), (QStringList{"1", "30.00", "30.00"}));
}

TEST_F(Settlements, SettlementListsWarnWhenEmptyAndReturnTheChosenRow)
{
    TFRjRqCxun days;
    days.setUserId(cashier);
    days.show();
    days.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("没有日结日期数据！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
    EXPECT_TRUE(days.isVisible());
    days.close();

    TFYjRqCxun months;
    months.setUserId(cashier);
    months.show();
    months.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("没有月结日期数据！"));
    months.close();

    daily("2024-05-21", "2024-05-20 08:00:00", "2024-05-21 18:00:00");
    daily("2024-05-22", "2024-05-21 18:00:00", "2024-05-22 18:00:00");
    days.show();
    EXPECT_EQ(column(days.Grid, 0), (QStringList{"2024-05-22", "2024-05-21"}));
    EXPECT_EQ(column(days.Grid, 1), (QStringList{"收费员甲", "收费员甲"}));
    EXPECT_EQ(days.Grid->summaryText(0), QStringLiteral("共 2 条"));
    shot(&days, QStringLiteral("TFRjRqCxun"));
    doubleClick(days.Grid, 1);
    EXPECT_EQ(days.result(), QDialog::Accepted);
    EXPECT_EQ(days.chosen.rqi, QDate(2024, 5, 21));
    EXPECT_EQ(days.chosen.kssjian, at("2024-05-20 08:00:00"));
    EXPECT_EQ(days.chosen.jssjian, at("2024-05-21 18:00:00"));
}

// Two months of a cashier who settles every evening, the cut-off on the 25th
// at 18:00: the first month picked by hand, the second following on.
TEST_F(Settlements, MonthsFollowEachOtherAtTheCutOffAndPrintAgainAlike)
{
    daily("2024-05-20", "2024-05-20 08:00:00", "2024-05-20 19:00:00");
    daily("2024-05-24", "2024-05-20 19:00:00", "2024-05-24 19:00:00");
    daily("2024-05-25", "2024-05-24 19:00:00", "2024-05-25 18:00:00");
    daily("2024-05-25", "2024-05-25 18:00:00", "2024-05-25 19:00:00");
    daily("2024-06-24", "2024-05-25 19:00:00", "2024-06-24 19:00:00");
    daily("2024-06-25", "2024-06-24 19:00:00", "2024-06-25 18:00:00");
    daily("2024-06-25", "2024-06-25 18:00:00", "2024-06-25 19:30:00");
    walkIn("2024-05-21 10:00:00", "100");  // first month
    walkIn("2024-05-25 17:00:00", "10");   // first month, the earlier part of the split day
    walkIn("2024-05-25 18:30:00", "20");   // second month, the later part
    walkIn("2024-06-10 09:00:00", "40");   // second month
    walkIn("2024-06-25 18:10:00", "80");   // after the second month's cut-off

    // First month: the start must be picked; the end is today's cut-off.
    serverAt("2024-05-25 19:10:00");
    TFSfyYjie w;
    w.show();
    shot(&w, QStringLiteral("TFSfyYjie"));
    EXPECT_TRUE(w.BtnKsrq->isEnabled());
    EXPECT_TRUE(w.BtnJsrq->isEnabled());
    EXPECT_FALSE(w.BtnYj->isEnabled());
    EXPECT_TRUE(w.endFound());
    EXPECT_EQ(w.periodEnd(), at("2024-05-25 18:00:00"));
    {
        ModalSteps modals;
        modals.pick(7);  // the oldest row: the settlement of the 20th
        w.BtnKsrqClick();
    }
    EXPECT_EQ(w.periodStart(), at("2024-05-20 08:00:00"));
    EXPECT_EQ(w.startDate(), QDate(2024, 5, 20));
    ASSERT_TRUE(w.BtnYj->isEnabled());

    dialogs.answer(true);
    w.BtnYjClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("每天只能月结一次，是否月结？"));
    EXPECT_EQ(monthlyRows(), QStringList{QStringLiteral("2024-05-25 2024-05-20~2024-05-25")});
    ASSERT_EQ(out.sent.size(), 1u);
    EXPECT_TRUE(sheet(0).texts(0).contains(QStringLiteral("月结帐清单")));
    EXPECT_EQ(periodOf(sheet(0)), QStringLiteral("2024-05-20 08:00:00 至 2024-05-25 18:00:00"));
    EXPECT_EQ(sheetRow(sheet(0), QStringLiteral("散检")), (QStringList{"2", "110.00", "110.00"}));

    // The same day again: disabled without a message.
    w.close();
    w.show();
    EXPECT_FALSE(w.BtnYj->isEnabled());
    EXPECT_FALSE(w.BtnKsrq->isEnabled());
    EXPECT_EQ(w.LbInfo->text(), QString());

    // A day without a daily settlement: nothing to close yet.
    w.close();
    serverAt("2024-06-23 10:00:00");
    w.show();
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("当天没有日结！"));
    EXPECT_FALSE(w.BtnYj->isEnabled());

    // Second month: from the first month's cut-off to this month's.
    w.close();
    serverAt("2024-06-25 19:40:00");
    w.show();
    EXPECT_FALSE(w.BtnKsrq->isEnabled());
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-25 18:00:00 至 2024-06-25 18:00:00"));
    ASSERT_TRUE(w.BtnYj->isEnabled());
    dialogs.answer(true);
    w.BtnYjClick();
    EXPECT_EQ(monthlyRows(), (QStringList{QStringLiteral("2024-05-25 2024-05-20~2024-05-25"),
                                          QStringLiteral("2024-06-25 2024-05-25~2024-06-25")}));
    ASSERT_EQ(out.sent.size(), 2u);
    EXPECT_EQ(sheetRow(sheet(1), QStringLiteral("散检")), (QStringList{"2", "60.00", "60.00"}));

    // Both months printed again cover the periods printed at settlement time.
    TFSfyYjBda again;
    again.show();
    again.ChkPreview->setChecked(true);
    again.BtnBdClick();
    EXPECT_EQ(again.LbInfo->text(), QStringLiteral("请先查询月结日期，再进行补打！"));
    for (int row : {1, 0}) {
        ModalSteps modals;
        modals.pick(row);
        again.BtnCxrqClick();
        again.BtnBdClick();
    }
    ASSERT_EQ(out.sent.size(), 4u);
    EXPECT_TRUE(sheet(2).texts(0).contains(QStringLiteral("月结帐清单（补打）")));
    EXPECT_EQ(periodOf(sheet(2)), periodOf(sheet(0)));
    EXPECT_EQ(periodOf(sheet(3)), periodOf(sheet(1)));
    EXPECT_EQ(sheet(3).texts(0).mid(4), sheet(1).texts(0).mid(4));  // the same figures below the title

    // A month whose start day lost its daily settlements cannot be printed again.
    db.execute(QStringLiteral("delete from tjian_sfei_rjie where rqi='2024-05-25'"));
    {
        ModalSteps modals;
        modals.pick(0);
        again.BtnCxrqClick();
    }
    EXPECT_EQ(again.LbInfo->text(), QStringLiteral("月结开始日期没有日结！"));
    EXPECT_FALSE(again.BtnBd->isEnabled());
}

TEST_F(Settlements, FirstMonthPickedBackwardsCannotBeRecorded)
{
    daily("2024-05-20", "2024-05-20 08:00:00", "2024-05-20 19:00:00");
    daily("2024-05-22", "2024-05-20 19:00:00", "2024-05-22 19:00:00");
    daily("2024-05-24", "2024-05-22 19:00:00", "2024-05-24 19:00:00");
    serverAt("2024-05-25 10:00:00");
    TFSfyYjie w;
    w.show();
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("当天没有日结！"));
    ModalSteps modals;
    modals.pick(0);  // start: the settlement of the 24th
    modals.pick(2);  // end: the settlement of the 20th
    modals.pick(2);  // start again: the settlement of the 20th
    w.BtnKsrqClick();
    w.BtnJsrqClick();
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-22 19:00:00 至 2024-05-20 19:00:00"));
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("月结开始时间晚于结束时间，请重新选择！"));
    EXPECT_FALSE(w.BtnYj->isEnabled());
    w.BtnKsrqClick();
    EXPECT_EQ(shown(w), QStringLiteral("2024-05-20 08:00:00 至 2024-05-20 19:00:00"));
    EXPECT_EQ(w.LbInfo->text(), QString());
    EXPECT_TRUE(w.BtnYj->isEnabled());
}

TEST_F(Settlements, MonthWithoutDailySettlementOnItsStartDay)
{
    db.execute(SqlText::format(
        "insert into tjian_sfei_yjie(yhid, rqi, ksrqi, jsrqi) values(%d, '2024-05-25', '2024-05-20', '2024-05-25')",
        cashier));
    daily("2024-06-25", "2024-05-25 19:00:00", "2024-06-25 19:00:00");
    serverAt("2024-06-25 19:30:00");
    TFSfyYjie w;
    w.show();
    EXPECT_EQ(w.LbInfo->text(), QStringLiteral("月结开始日期没有日结！"));
    EXPECT_FALSE(w.startFound());
    EXPECT_TRUE(w.endFound());
    EXPECT_FALSE(w.BtnYj->isEnabled());
    EXPECT_FALSE(w.BtnKsrq->isEnabled());  // only for the first month
}

}  // namespace
