// Visits in the states the query windows count: registered at a given time,
// under examination, completed with a chief examination, cancelled; and the
// shape of a fixture visit kept beside the database so a test can compute
// the expected figures itself.
#pragma once

#include "platform/db/SqlText.h"
#include "support/WindowFixture.h"

#include <vector>

namespace tj::test {

struct FixtureVisit {
    QString tjhao;
    int ryid = 0;
    int dwid = 0;
    QString registered;
    QString status = QStringLiteral("未检");  // tjztai
    QString chiefAt;                         // chief examination entered (zjbzhi=1)
    QString cancelledAt;                     // zxbzhi=1
    std::vector<int> items;                  // combined items charged
    int chiefDoctor = 0;
    QString chiefName;
};

class QueryTest : public WindowTest {
protected:
    // Registers the visit and brings it into the state described.
    void add(const FixtureVisit& v)
    {
        using db::SqlText;
        db.addVisit({.ryid = v.ryid, .tjhao = v.tjhao, .zhxmids = v.items, .registeredAt = v.registered});
        db.execute(SqlText::format("update tjian_sfei_main set tjztai='%s' where tjhao='%s'", v.status, v.tjhao));
        if (!v.chiefAt.isEmpty()) {
            db.execute(SqlText::format("update tjian_sfei_main set zjbzhi=1 where tjhao='%s'", v.tjhao));
            db.execute(SqlText::format(
                "insert into tjian_jguo_zjian(tjhao, tjzjie, zjjyi, zjysid, zjysheng, zjlrsjian) values('%s', '总结', '建议', %d, '%s', '%s')",
                v.tjhao, v.chiefDoctor, v.chiefName, v.chiefAt));
        }
        if (!v.cancelledAt.isEmpty())
            db.execute(SqlText::format("update tjian_sfei_main set zxbzhi=1, zxsjian='%s' where tjhao='%s'", v.cancelledAt,
                                       v.tjhao));
        visits.push_back(v);
    }

    // A count on the workstation's connection, where the working tables live.
    qint64 countHere(const QString& sql) { return core::TDM::instance().Connection().scalar(sql).toInteger(); }

    static bool within(const QString& time, const QString& from, const QString& to)
    {
        return !time.isEmpty() && time >= from && time <= to;
    }

    std::vector<FixtureVisit> visits;
};

}  // namespace tj::test
