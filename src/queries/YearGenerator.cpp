#include "queries/YearGenerator.h"

#include "common/PinyinCode.h"
#include "platform/db/SqlText.h"
#include "registration/RegisterVisits.h"
#include "registration/WorkingItems.h"
#include "results/DepartmentFindings.h"
#include "results/ResultEvaluation.h"
#include "schema/Names.h"
#include "schema/Schema.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>

namespace tj::queries {

using db::SqlText;
using db::Value;

namespace {

// Uniform draws from one seeded engine; the whole year follows from the seed.
class Dice {
public:
    explicit Dice(quint64 seed) : g_(seed) {}
    int range(int lo, int hi) { return lo + int(g_() % quint64(hi - lo + 1)); }  // inclusive
    double real() { return double(g_() >> 11) * (1.0 / 9007199254740992.0); }
    double between(double lo, double hi) { return lo + (hi - lo) * real(); }
    bool chance(double p) { return real() < p; }
    double normal(double mean, double sd)
    {
        // Box-Muller on our own draws, so no library distribution decides the numbers.
        const double u = std::max(real(), 1e-12), v = real();
        return mean + sd * std::sqrt(-2 * std::log(u)) * std::cos(2 * M_PI * v);
    }
    template <typename T>
    const T& pick(const std::vector<T>& v) { return v[std::size_t(range(0, int(v.size()) - 1))]; }
    QString pick(const QStringList& v) { return v[range(0, int(v.size()) - 1)]; }

private:
    std::mt19937_64 g_;
};

const QStringList Surnames = QStringLiteral(
    "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 邓 曹 彭 曾 肖 田 董 袁 潘 于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 欧阳 司马")
                                 .split(QLatin1Char(' '));
const QStringList MaleChars = QStringLiteral(
    "伟 强 磊 军 勇 杰 涛 明 超 刚 平 辉 鹏 华 飞 鑫 波 斌 宇 浩 凯 健 俊 帆 帅 旭 宁 龙 林 阳 建 国 峰 文 志 海 东 亮")
                                  .split(QLatin1Char(' '));
const QStringList FemaleChars = QStringLiteral(
    "芳 娜 敏 静 丽 艳 娟 霞 秀 玲 桂 英 燕 萍 红 玉 兰 梅 琳 雪 倩 婷 颖 慧 佳 欣 月 莉 洁 丹 蓉 薇 晶 琴")
                                    .split(QLatin1Char(' '));
const QStringList UnitPlaces = QStringLiteral(
    "岚川 东江 西湖 南山 北辰 江城 华宇 新城 恒通 金石 宏达 天成 瑞丰 永安 长兴 富春 青溪 明珠 远航 海川")
                                   .split(QLatin1Char(' '));
const QStringList UnitTrades = QStringLiteral(
    "机械 电子 纺织 建设 化工 物流 食品 医药 电力 通信 印刷 汽车配件 软件 钢铁 商贸 建材 环保 光电 包装 家具")
                                   .split(QLatin1Char(' '));
const QStringList UnitForms = QStringLiteral("有限公司 股份有限公司 集团有限公司 制造厂 科技有限公司").split(QLatin1Char(' '));
const QStringList Offices = QStringLiteral("税务局 教育局 交通局 卫生局 供电局 自来水公司 人民法院 检察院 中心小学 第一中学 第二中学 职业技术学院 人民银行支行 邮政局 公安分局")
                                .split(QLatin1Char(' '));

// How often an item's result is out of its limits.
double abnormalRate(const QString& item)
{
    static const QHash<QString, double> rates = {
        {QStringLiteral("收缩压"), 0.16},      {QStringLiteral("舒张压"), 0.12},   {QStringLiteral("总胆固醇"), 0.24},
        {QStringLiteral("甘油三酯"), 0.28},    {QStringLiteral("低密度脂蛋白胆固醇"), 0.2},
        {QStringLiteral("高密度脂蛋白胆固醇"), 0.1}, {QStringLiteral("谷丙转氨酶"), 0.11}, {QStringLiteral("尿酸"), 0.15},
        {QStringLiteral("空腹血糖"), 0.08},    {QStringLiteral("左眼视力"), 0.3},  {QStringLiteral("右眼视力"), 0.3},
        {QStringLiteral("血红蛋白"), 0.06},    {QStringLiteral("心电图"), 0.08},   {QStringLiteral("肝脏"), 0.18},
        {QStringLiteral("胆囊"), 0.05},        {QStringLiteral("甲状腺"), 0.06},   {QStringLiteral("牙周"), 0.12},
    };
    return rates.value(item, 0.035);
}

int decimalsOf(const QString& text)
{
    const int dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(text.size()) - dot - 1;
}

QString number(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

struct Catalogue {
    QHash<int, QString> departmentNames;                 // categories 11 and 12
    std::map<int, std::vector<int>> doctorsOf;           // department -> user ids
    QHash<int, QString> userNames;
    std::vector<int> chiefDoctors;
    std::vector<int> cashiers;
    int malePackage = 0, femalePackage = 0, entryPackage = 0;
    std::vector<int> publicPackages;
    std::vector<int> combinedItems;
    QHash<qint64, QStringList> commonResults;            // item -> common results
    QHash<QString, QString> advice;                      // diagnosis -> advice
    std::vector<int> personCategories;
    std::vector<int> examCategories;
    std::vector<int> zones;
};

std::vector<int> ids(db::Connection& c, const QString& sql)
{
    std::vector<int> out;
    for (const auto& row : c.query(sql).rows)
        out.push_back(int(row[0].toInteger()));
    return out;
}

struct Person {
    int id = 0;
    QString sex;
};

struct RegistrationEvent {
    QDateTime time;
    int unitId = 0;           // 0: a walk-in
    std::vector<int> persons;
    bool male = true;
    int package = 0;
    std::vector<int> items;   // walk-in without package
};

QString personName(Dice& d, bool male)
{
    const QStringList& chars = male ? MaleChars : FemaleChars;
    QString name = d.pick(Surnames) + d.pick(chars);
    if (d.chance(0.6))
        name += d.pick(chars);
    return name;
}

QString phone(Dice& d)
{
    return QStringLiteral("1%1%2").arg(d.range(30, 89)).arg(d.range(10000000, 99999999));
}

QString timeText(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

}  // namespace

YearSummary GenerateYear(db::Connection& c, const YearOptions& o)
{
    const auto say = [&](const QString& text) {
        if (o.report)
            o.report(text);
    };
    if (c.scalar(QStringLiteral("select count(*) from tjian_sfei_main")).toInteger() > 0)
        throw std::runtime_error("数据库中已有体检记录，不能再生成一年的数据");
    if (c.scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger() == 0) {
        say(QStringLiteral("装入演示目录……"));
        schema::loadDemoData(c);
    }

    // The centre started using the program on the year's first day (the
    // demonstration data writes today's date there).
    c.execute(SqlText::format("update tjian_csszhi set zhi='%s' where jian='%s'",
                              o.firstDay.toString(QStringLiteral("yyyy-MM-dd 00:00:00")), schema::ParamSoftwareStartTime));

    Dice dice(o.seed);
    YearSummary sum;
    Catalogue cat;
    const QDate lastDay = o.firstDay.addDays(o.days - 1);

    // ---- Staff of the centre: doctors per department, chief doctors, cashiers.
    say(QStringLiteral("建立医生和收费员……"));
    {
        db::Transaction t(c);
        const db::ResultSet deps = c.query(QStringLiteral("select id, mcheng, kslbie from pub_kshi order by id"));
        int account = 0;
        const auto addUser = [&](int department, const QString& prefix) {
            const bool male = dice.chance(0.5);
            const QString name = personName(dice, male);
            c.execute(SqlText::format("insert into pub_yhu(zhao, xming, xhao, pyjma, xbie, kshi, dhua, yhlbie, mma, qxian) "
                                      "values('%s%d', '%s', %d, '%s', %d, %d, '%s', 2, '', 'M1')",
                                      prefix, ++account, name, account, common::SearchCode(name), male ? 1 : 2, department,
                                      phone(dice)));
            const int id = int(c.lastIdentity().toInteger());
            cat.userNames.insert(id, name);
            return id;
        };
        int internal = 0, business = 0;
        for (std::size_t i = 0; i < deps.rows.size(); ++i) {
            const int id = int(deps.rows[i][0].toInteger());
            const int category = int(deps.rows[i][2].toInteger());
            if (category == schema::DepartmentCategoryBusiness && !business)
                business = id;
            if (category != schema::DepartmentCategoryClinical && category != schema::DepartmentCategoryTechnical)
                continue;
            cat.departmentNames.insert(id, deps.rows[i][1].toString());
            if (deps.rows[i][1].toString() == QStringLiteral("内科"))
                internal = id;
            for (int k = 0; k < 2; ++k)
                cat.doctorsOf[id].push_back(addUser(id, QStringLiteral("ys")));
        }
        if (!internal)
            internal = cat.departmentNames.isEmpty() ? 0 : cat.departmentNames.keys().front();
        for (int k = 0; k < 3; ++k)
            cat.chiefDoctors.push_back(addUser(internal, QStringLiteral("zj")));
        for (int k = 0; k < 3; ++k)
            cat.cashiers.push_back(addUser(business, QStringLiteral("sf")));
        t.commit();
    }
    cat.publicPackages = ids(c, QStringLiteral("select id from tjian_tcan_main where dwid=0 and bzhi='启用' order by id"));
    const auto packageBySex = [&](const QString& sex) {
        const std::vector<int> p = ids(c, SqlText::format("select id from tjian_tcan_main where dwid=0 and bzhi='启用' "
                                                          "and syxbie='%s' order by jge desc, id",
                                                          sex));
        return p.empty() ? (cat.publicPackages.empty() ? 0 : cat.publicPackages.front()) : p.front();
    };
    cat.malePackage = packageBySex(schema::SexMale);
    cat.femalePackage = packageBySex(schema::SexFemale);
    cat.entryPackage = packageBySex(schema::SexAny);
    cat.combinedItems = ids(c, QStringLiteral("select id from tjian_zhxmu_main order by id"));
    cat.personCategories = ids(c, QStringLiteral("select id from tjian_rylbie order by id"));
    cat.examCategories = ids(c, QStringLiteral("select id from tjian_tjlbie order by id"));
    cat.zones = ids(c, QStringLiteral("select id from tjian_tjfqu order by id"));
    for (const auto& row : c.query(QStringLiteral("select xmid, jguo from tjian_cjjguo order by id")).rows)
        cat.commonResults[row[0].toInteger()] << row[1].toString();
    for (const auto& row : c.query(QStringLiteral("select zyzduan, jyi from tjian_zdjlyjyi order by id")).rows)
        if (!cat.advice.contains(row[0].toString()))
            cat.advice.insert(row[0].toString(), row[1].toString());
    if (cat.personCategories.empty() || cat.examCategories.empty() || cat.zones.empty() || cat.combinedItems.empty())
        throw std::runtime_error("目录不完整：需要人员类别、体检类别、体检分区和组合项目");

    // ---- Units and their staff; the visits of the year split between them and walk-ins.
    say(QStringLiteral("建立单位和人员……"));
    const int walkIns = std::max(1, o.visits * 12 / 100);
    const int groupVisits = std::max(0, o.visits - walkIns);
    std::vector<double> weights;
    double total = 0;
    for (int u = 0; u < o.units; ++u) {
        weights.push_back(std::exp(dice.normal(0, 0.9)));
        total += weights.back();
    }
    std::vector<RegistrationEvent> events;
    std::vector<int> workingDays;  // offsets from firstDay, Sundays left out
    for (int d = 0; d < o.days; ++d)
        if (o.firstDay.addDays(d).dayOfWeek() != Qt::Sunday)
            workingDays.push_back(d);
    {
        db::Transaction t(c);
        QSet<QString> unitNames;
        for (int u = 0; u < o.units; ++u) {
            QString name;
            do {
                name = dice.chance(0.2) ? dice.pick(UnitPlaces) + QStringLiteral("市") + dice.pick(Offices)
                                        : dice.pick(UnitPlaces) + dice.pick(UnitTrades) + dice.pick(UnitForms);
                if (unitNames.contains(name))
                    name += QString::number(unitNames.size());
            } while (unitNames.contains(name));
            unitNames.insert(name);
            const int settlement = dice.chance(0.3) ? schema::SettleOnAccount : schema::SettlePaidAtRegistration;
            const int examined = std::max(2, int(std::lround(groupVisits * weights[std::size_t(u)] / total)));
            const int staff = examined + int(examined * dice.between(0.05, 0.25)) + 1;
            c.execute(SqlText::format(
                "insert into tjian_dwei(mcheng, pyjma, xhao, dzhi, rshu, fzren, fzrdhua, ksid, tjfqid, jzlxing, maxtjhao) "
                "values('%s', '%s', %d, '%s', %d, '%s', '%s', 0, %d, %d, 0)",
                name, common::SearchCode(name), u + 1, dice.pick(UnitPlaces) + QStringLiteral("市人民路%1号").arg(dice.range(1, 999)),
                staff, personName(dice, dice.chance(0.5)), phone(dice), dice.pick(cat.zones), settlement));
            const int unitId = int(c.lastIdentity().toInteger());
            ++sum.units;
            std::vector<Person> people;
            for (int p = 0; p < staff; ++p) {
                const bool male = dice.chance(0.55);
                const QString xming = personName(dice, male);
                c.execute(SqlText::format(
                    "insert into tjian_ryuan(xming, xbie, nling, dwid, zdybhao, rylbid, jtdhua, sji, pyjma, djbzhi) "
                    "values('%s', '%s', %d, %d, '%s', %d, '%s', '%s', '%s', 0)",
                    xming, male ? schema::SexMale : schema::SexFemale, dice.range(20, 62), unitId,
                    QStringLiteral("%1%2").arg(unitId, 3, 10, QLatin1Char('0')).arg(p + 1, 4, 10, QLatin1Char('0')),
                    dice.pick(cat.personCategories), phone(dice), phone(dice), common::SearchCode(xming)));
                people.push_back({int(c.lastIdentity().toInteger()), male ? schema::SexMale : schema::SexFemale});
                ++sum.persons;
            }
            // The unit comes on consecutive working days, at most 120 a day.
            std::vector<Person> coming(people.begin(), people.begin() + std::min<std::size_t>(people.size(), std::size_t(examined)));
            int day = dice.range(0, std::max(0, int(workingDays.size()) - 1 - int(coming.size()) / 120));
            for (std::size_t from = 0; from < coming.size(); from += 120, ++day) {
                const std::size_t to = std::min(coming.size(), from + 120);
                const QDate date = o.firstDay.addDays(workingDays[std::size_t(std::min(day, int(workingDays.size()) - 1))]);
                QDateTime time(date, QTime(7, 30 + dice.range(0, 20)));
                for (const bool male : {true, false}) {
                    std::vector<int> group;
                    for (std::size_t k = from; k < to; ++k)
                        if ((coming[k].sex == schema::SexMale) == male)
                            group.push_back(coming[k].id);
                    for (std::size_t k = 0; k < group.size(); k += 30) {
                        RegistrationEvent e;
                        e.time = time;
                        e.unitId = unitId;
                        e.male = male;
                        e.persons.assign(group.begin() + long(k), group.begin() + long(std::min(group.size(), k + 30)));
                        e.package = dice.chance(0.1) ? cat.entryPackage : male ? cat.malePackage : cat.femalePackage;
                        events.push_back(std::move(e));
                        time = time.addSecs(dice.range(600, 1500));
                    }
                }
            }
        }
        // Walk-ins: persons without a unit, on any working day.
        for (int w = 0; w < walkIns; ++w) {
            const bool male = dice.chance(0.5);
            const QString xming = personName(dice, male);
            c.execute(SqlText::format("insert into tjian_ryuan(xming, xbie, nling, dwid, rylbid, jtdhua, sji, pyjma, djbzhi) "
                                      "values('%s', '%s', %d, 0, %d, '%s', '%s', '%s', 0)",
                                      xming, male ? schema::SexMale : schema::SexFemale, dice.range(18, 75),
                                      dice.pick(cat.personCategories), phone(dice), phone(dice), common::SearchCode(xming)));
            ++sum.persons;
            RegistrationEvent e;
            e.time = QDateTime(o.firstDay.addDays(dice.pick(workingDays)), QTime(8, 0).addSecs(dice.range(0, 12600)));
            e.persons = {int(c.lastIdentity().toInteger())};
            e.male = male;
            if (dice.chance(0.6)) {
                e.package = male ? cat.malePackage : cat.femalePackage;
            } else {
                QSet<int> chosen;
                const int n = dice.range(2, 6);
                while (chosen.size() < n && chosen.size() < int(cat.combinedItems.size()))
                    chosen.insert(dice.pick(cat.combinedItems));
                e.items.assign(chosen.begin(), chosen.end());
                std::sort(e.items.begin(), e.items.end());
            }
            events.push_back(std::move(e));
        }
        t.commit();
    }

    // ---- Registrations in time order, through the registration transaction.
    say(QStringLiteral("登记 %1 批……").arg(events.size()));
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.time < b.time; });
    {
        // Committed every few hundred registrations: one long transaction would hold the whole year.
        std::optional<db::Transaction> t(std::in_place, c);
        int done = 0;
        for (const RegistrationEvent& e : events) {
            const int cashier = dice.pick(cat.cashiers);
            const registration::Operator op{cashier, cat.userNames.value(cashier)};
            registration::RegistrationResult r;
            if (e.unitId > 0) {
                const auto load = registration::LoadPackageItems(c, e.package);
                // The unit pays the package price: it is spread over the items.
                registration::SpreadPackagePrice(c, registration::WorkingTable::Group, load.packagePrice,
                                                 load.totals.received, load.totals.itemPrice);
                registration::BatchRegistration b;
                b.unitId = e.unitId;
                b.personIds = e.persons;
                b.categoryId = dice.pick(cat.examCategories);
                b.packageId = e.package;
                b.op = op;
                b.time = e.time;
                r = registration::RegisterVisits(c, b);
            } else {
                registration::CreateWorkingTable(c, registration::WorkingTable::Individual);
                if (e.package)
                    registration::AddPackageToIndividualItems(c, e.package);
                for (int item : e.items)
                    registration::AddCombinedItemToIndividualItems(c, item);
                registration::IndividualRegistration ind;
                ind.personIdText = QString::number(e.persons.front());
                ind.categoryId = dice.pick(cat.examCategories);
                ind.zoneId = dice.pick(cat.zones);
                ind.packageId = e.package;
                ind.op = op;
                ind.time = e.time;
                r = registration::RegisterVisits(c, ind);
            }
            if (!r.ok)
                throw std::runtime_error(r.message.toStdString());
            sum.visits += int(r.examNumbers.size());
            if (++done % 500 == 0) {
                t->commit();
                t.emplace(c);
                say(QStringLiteral("已登记 %1 人次").arg(sum.visits));
            }
        }
        t->commit();
    }

    // ---- Visits in time order: cancellations, removed lines, results, chief examinations.
    say(QStringLiteral("录入结果和总检……"));
    struct Visit {
        int id;
        QString tjhao;
        int ryid;
        QDateTime registered;
        QString sex;
    };
    std::vector<Visit> visits;
    for (const auto& row : c.query(QStringLiteral("select a.id, a.tjhao, a.ryid, a.sfsjian, b.xbie from tjian_sfei_main a "
                                                  "inner join tjian_ryuan b on b.id=a.ryid order by a.id"))
                               .rows)
        visits.push_back({int(row[0].toInteger()), row[1].toString(), int(row[2].toInteger()), row[3].toDateTime(),
                          row[4].toString()});

    const QString updateResult = QStringLiteral(
        "update tjian_jguo set jcjguo=?, tshi=?, ycbzhi=?, jcbzhi=1, tjysid=?, tjysheng=?, tjsjian=? where id=?");
    std::optional<db::Transaction> t(std::in_place, c);
    int sinceCommit = 0;
    for (const Visit& v : visits) {
        if (++sinceCommit == 300) {
            t->commit();
            t.emplace(c);
            sinceCommit = 0;
        }
        const QDate day = v.registered.date();
        // A few visits are cancelled within days of their registration.
        if (dice.chance(0.015)) {
            const QDateTime when = std::min(QDateTime(lastDay, QTime(17, 0)), v.registered.addSecs(dice.range(600, 3 * 86400)));
            c.execute(SqlText::format("update tjian_sfei_main set zxbzhi=1, zxsjian='%s' where tjhao='%s' ", timeText(when), v.tjhao));
            c.execute(SqlText::format("update tjian_ryuan set djbzhi=0 where id=%d ", v.ryid));
            ++sum.cancelled;
            continue;
        }
        // A few have one combined item taken off again before the examination.
        if (dice.chance(0.02)) {
            const db::ResultSet lines = c.query(
                SqlText::format("select id, zhxmid from tjian_sfei_sub where sfid=%d and hsbzhi=1 order by id", v.id));
            if (lines.rows.size() > 1) {
                const auto& line = lines.rows[std::size_t(dice.range(0, int(lines.rows.size()) - 1))];
                c.execute(SqlText::format("update tjian_sfei_sub set hsbzhi=0, zjsjian='%s' where id=%d ",
                                          timeText(v.registered.addSecs(300)), line[0].toInteger()));
                c.execute(SqlText::format("delete from tjian_jguo where tjhao='%s' and zhxmid=%d ", v.tjhao, line[1].toInteger()));
                ++sum.removedLines;
            }
        }
        // How far the visit got by the last day.
        const qint64 age = day.daysTo(lastDay);
        const double done = age >= 6 ? 0.995 : age >= 2 ? 0.85 : age == 1 ? 0.5 : 0.2;
        const bool examined = dice.chance(done) || age >= 2;
        if (!examined && dice.chance(0.6))
            continue;  // still 未检
        const db::ResultSet rows = c.query(SqlText::format(
            "select a.id, a.ckxxian, a.cksxian, a.zcjguo, a.xxtshi, a.sxtshi, a.dwei, x.mcheng, x.szjgbzhi, x.ksid, a.xmid "
            "from tjian_jguo a inner join tjian_xmu x on x.id=a.xmid where a.tjhao='%s' order by x.ksid, a.xhao, a.id",
            v.tjhao));
        if (rows.isEmpty())
            continue;
        // Body measures that agree with each other.
        const bool male = v.sex == schema::SexMale;
        const double height = dice.normal(male ? 171 : 159, 6);
        const double bmi = std::max(16.0, dice.normal(23.6, 3.3));
        std::map<int, std::vector<results::FindingsRow>> byDepartment;
        QDateTime at(day, QTime(8, 10).addSecs(dice.range(0, 7200)));
        const bool complete = examined;  // every department, or only some while 检中
        for (const auto& row : rows.rows) {
            const int ksid = int(row[9].toInteger());
            if (!complete && (ksid % 2) == 0)
                continue;
            const QString lower = row[1].toString(), upper = row[2].toString(), normal = row[3].toString();
            const QString name = row[7].toString();
            const bool numeric = row[8].toBool();
            QString text;
            if (name == QStringLiteral("身高")) {
                text = number(height, 1);
            } else if (name == QStringLiteral("体重")) {
                text = number(bmi * height * height / 10000.0, 1);
            } else if (numeric) {
                bool okLow = false, okHigh = false;
                const double lo = lower.toDouble(&okLow), hi = upper.toDouble(&okHigh);
                const int decimals = std::max(decimalsOf(lower), decimalsOf(upper));
                const bool out = dice.chance(abnormalRate(name));
                double value = 0;
                if (okLow && okHigh) {
                    const double span = hi - lo;
                    if (!out)
                        value = dice.between(lo + span * 0.05, hi - span * 0.05);
                    else if (dice.chance(upper.isEmpty() ? 0 : 0.7))
                        value = hi + span * dice.between(0.03, 0.4);
                    else
                        value = std::max(0.0, lo - span * dice.between(0.03, 0.3));
                } else if (okHigh) {
                    value = out ? hi * dice.between(1.03, 1.6) : hi * dice.between(0.5, 0.97);
                } else if (okLow) {
                    value = out ? lo * dice.between(0.6, 0.97) : lo * dice.between(1.03, 1.8);
                } else {
                    value = dice.between(1, 100);
                }
                text = number(value, decimals);
            } else {
                text = normal;
                const QStringList others = cat.commonResults.value(row[10].toInteger());
                if (dice.chance(abnormalRate(name)) && others.size() > 1) {
                    QStringList abnormal;
                    for (const QString& r : others)
                        if (r != normal)
                            abnormal << r;
                    if (!abnormal.isEmpty())
                        text = dice.pick(abnormal);
                }
            }
            const results::ResultEvaluation e =
                results::EvaluateResult(text, {normal, lower, upper, row[4].toString(), row[5].toString()});
            const std::vector<int>& doctors = cat.doctorsOf[ksid];
            const int doctor = doctors.empty() ? cat.chiefDoctors.front() : doctors[std::size_t(v.id) % doctors.size()];
            c.execute(updateResult, {Value(text), Value(e.tip), Value(e.abnormal ? 1 : 0), Value(doctor),
                                     Value(cat.userNames.value(doctor)), Value(timeText(at)), Value(row[0].toInteger())});
            byDepartment[ksid].push_back({name, text, row[6].toString(), e.tip, e.abnormal, numeric});
        }
        // Department summaries and diagnoses, as saving a department writes them.
        QStringList summaries;
        QStringList diagnoses;
        for (const auto& [ksid, deptRows] : byDepartment) {
            const results::Findings f = results::ComputeDepartmentFindings(deptRows);
            const std::vector<int>& doctors = cat.doctorsOf[ksid];
            const int doctor = doctors.empty() ? cat.chiefDoctors.front() : doctors[std::size_t(v.id) % doctors.size()];
            c.execute(SqlText::format("insert into tjian_jguo_xjie(ksid, tjhao, xjie, xjysid, xjysheng, xjsjian, wcbzhi) "
                                      "values(%d, '%s', '%s', %d, '%s', '%s', 1)",
                                      ksid, v.tjhao, f.text, doctor, cat.userNames.value(doctor), timeText(at)));
            for (const QString& d : f.diagnosisTexts()) {
                c.execute(SqlText::format("insert into tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '%s')", ksid,
                                          v.tjhao, d));
                ++sum.diagnoses;
                if (!diagnoses.contains(d))
                    diagnoses << d;
            }
            summaries << QStringLiteral("【%1】%2").arg(cat.departmentNames.value(ksid), f.text);
        }
        if (!complete)
            continue;  // 检中
        // The chief examination a few days later, when that is still within the year.
        const QDateTime chiefAt(day.addDays(dice.range(1, 5)), QTime(9, 0).addSecs(dice.range(0, 28000)));
        if (chiefAt.date() > lastDay)
            continue;
        QStringList advice;
        for (const QString& d : diagnoses)
            advice << QStringLiteral("%1、%2：%3").arg(advice.size() + 1).arg(d, cat.advice.value(d, QStringLiteral("请定期复查。")));
        if (advice.isEmpty())
            advice << QStringLiteral("本次体检未见明显异常，请保持健康的生活方式，定期体检。");
        const int chief = cat.chiefDoctors[std::size_t(v.id) % cat.chiefDoctors.size()];
        c.execute(SqlText::format("insert into tjian_jguo_zjian(tjhao, tjzjie, zjjyi, zjysid, zjysheng, zjlrsjian) "
                                  "values('%s', '%s', '%s', %d, '%s', '%s')",
                                  v.tjhao, summaries.join(QLatin1Char('\n')), advice.join(QLatin1Char('\n')), chief,
                                  cat.userNames.value(chief), timeText(chiefAt)));
        c.execute(SqlText::format("update tjian_sfei_main set zjbzhi=1, tjztai='检完' where tjhao='%s' ", v.tjhao));
        c.execute(SqlText::format("update tjian_ryuan set djbzhi=0 where id in (select ryid from tjian_sfei_main where "
                                  "tjhao='%s') ",
                                  v.tjhao));
        ++sum.completed;
    }
    t->commit();
    sum.resultRows = c.scalar(QStringLiteral("select count(*) from tjian_jguo")).toInteger();

    // ---- Money: units on account pay each month's visits on the 10th of the next; cashiers settle daily and monthly.
    say(QStringLiteral("单位回款和日结、月结……"));
    {
        db::Transaction money(c);
        const std::vector<int> onAccount =
            ids(c, SqlText::format("select id from tjian_dwei where jzlxing=%d order by id", schema::SettleOnAccount));
        for (QDate month(o.firstDay.year(), o.firstDay.month(), 1); month <= lastDay; month = month.addMonths(1)) {
            const QDate paid = month.addMonths(1).addDays(9);
            if (paid > lastDay)
                break;
            for (int unit : onAccount)
                c.execute(SqlText::format(
                    "update tjian_sfei_main set jzbzhi=1, jzsjian='%s' where jzbzhi=0 and zxbzhi=0 and ryid in (select id "
                    "from tjian_ryuan where dwid=%d) and sfsjian between '%s' and '%s' ",
                    timeText(QDateTime(paid, QTime(10, 0))), unit, month.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                    month.addMonths(1).addDays(-1).toString(QStringLiteral("yyyy-MM-dd 23:59:59"))));
        }
        for (int cashier : cat.cashiers) {
            QDateTime from(o.firstDay, QTime(0, 0));
            for (int d : workingDays) {
                const QDate date = o.firstDay.addDays(d);
                const QDateTime to(date, QTime(17, 30));
                c.execute(SqlText::format("insert into tjian_sfei_rjie(yhid, rqi, kssjian, jssjian) values(%d, '%s', '%s', '%s')",
                                          cashier, timeText(to), timeText(from), timeText(to)));
                from = to;
            }
            for (QDate month(o.firstDay.year(), o.firstDay.month(), 1); month <= lastDay; month = month.addMonths(1)) {
                const QDate end = std::min(lastDay, month.addMonths(1).addDays(-1));
                c.execute(SqlText::format("insert into tjian_sfei_yjie(yhid, rqi, ksrqi, jsrqi) values(%d, '%s', '%s', '%s')",
                                          cashier, timeText(QDateTime(end, QTime(18, 0))),
                                          month.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                                          end.toString(QStringLiteral("yyyy-MM-dd 23:59:59"))));
            }
        }
        money.commit();
    }
    say(QStringLiteral("完成：单位 %1 个，人员 %2 人，体检 %3 人次（注销 %4，总检 %5），结果 %6 行，诊断 %7 条")
            .arg(sum.units)
            .arg(sum.persons)
            .arg(sum.visits)
            .arg(sum.cancelled)
            .arg(sum.completed)
            .arg(sum.resultRows)
            .arg(sum.diagnoses));
    return sum;
}

}  // namespace tj::queries
