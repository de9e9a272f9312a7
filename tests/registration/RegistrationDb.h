// A fresh embedded database copied from the built template, with small
// builders for the catalogue, units and persons the registration tests need.
#pragma once

#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace regtest {

using tj::db::SqlText;

class RegistrationDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("reg.db");
        const QString templ = QDir(QString::fromUtf8(qgetenv("TJ_RUNTIME_DIR").isEmpty()
                                                          ? QByteArray(TJ_RUNTIME_DIR)
                                                          : qgetenv("TJ_RUNTIME_DIR")))
                                  .filePath("data/template.db");
        ASSERT_TRUE(QFile::copy(templ, path)) << templ.toStdString();
        db = std::make_unique<tj::db::SqliteConnection>(path);
        db->open();
    }

    qint64 insert(const QString& sql)
    {
        db->execute(sql);
        return db->scalar("SELECT SCOPE_IDENTITY()").toInteger();
    }

    int department(const QString& name)
    {
        return int(insert(SqlText::format("insert into pub_kshi(mcheng, kslbie) values('%s', 11)", name)));
    }

    // An item with limits for men (lo1, hi1) and women (lo2, hi2).
    int item(int ksid, const QString& name, int xhao, const QString& normal = QString(), const QString& lo1 = QString(),
             const QString& hi1 = QString(), const QString& lo2 = QString(), const QString& hi2 = QString())
    {
        return int(insert(SqlText::format(
            "insert into tjian_xmu(ksid, mcheng, xhao, dwei, ckxxian1, cksxian1, ckxxian2, cksxian2, xxtshi, sxtshi, "
            "szjgbzhi, zcjguo) values(%d, '%s', %d, 'g/L', '%s', '%s', '%s', '%s', '偏低', '偏高', 1, '%s')",
            ksid, name, xhao, lo1, hi1, lo2, hi2, normal)));
    }

    // A combined item with its active members and inactive ones.
    int combined(int ksid, const QString& name, const QString& price, const std::vector<int>& members,
                 const std::vector<int>& inactive = {})
    {
        const int id = int(insert(SqlText::format(
            "insert into tjian_zhxmu_main(ksid, mcheng, sfjge, tsxxi) values(%d, '%s', %s, '空腹')", ksid, name, price)));
        for (int x : members)
            db->execute(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(%d, %d, 1)", id, x));
        for (int x : inactive)
            db->execute(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(%d, %d, 0)", id, x));
        return id;
    }

    int package(int dwid, const QString& name, const QString& price, const std::vector<int>& items)
    {
        const int id = int(insert(SqlText::format(
            "insert into tjian_tcan_main(dwid, mcheng, jge, syxbie) values(%d, '%s', %s, '不限')", dwid, name, price)));
        for (int z : items)
            db->execute(SqlText::format("insert into tjian_tcan_sub(tcid, zhxmid) values(%d, %d)", id, z));
        return id;
    }

    // maxtjhao and jzlxing as SQL text, so NULL can be given.
    int unit(const QString& name, const QString& jzlxing, int tjfqid, const QString& maxtjhao)
    {
        return int(insert(SqlText::format(
            "insert into tjian_dwei(mcheng, jzlxing, tjfqid, maxtjhao) values('%s', %s, %d, %s)", name, jzlxing, tjfqid,
            maxtjhao)));
    }

    int person(const QString& name, const QString& sex, int dwid)
    {
        return int(insert(SqlText::format("insert into tjian_ryuan(xming, xbie, dwid) values('%s', '%s', %d)", name,
                                          sex, dwid)));
    }

    tj::db::ResultSet rows(const QString& sql) { return db->query(sql); }
    qint64 count(const QString& sql) { return db->scalar(sql).toInteger(); }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<tj::db::SqliteConnection> db;
};

}  // namespace regtest
