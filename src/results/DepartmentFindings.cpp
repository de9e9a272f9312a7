#include "results/DepartmentFindings.h"

#include "platform/db/Currency.h"
#include "platform/db/SqlText.h"

__extension__ typedef __int128 tj_i128;

#include <optional>

namespace tj::results {

using db::Currency;
using db::SqlText;

namespace {

const QString Height = QStringLiteral("身高");
const QString Weight = QStringLiteral("体重");
const QString Systolic = QStringLiteral("收缩压");
const QString Diastolic = QStringLiteral("舒张压");

const QString Obese = QStringLiteral("肥胖");
const QString Overweight = QStringLiteral("超重");
const QString Underweight = QStringLiteral("体重偏低");
const QString PressureHigh = QStringLiteral("血压偏高");
const QString PressureLow = QStringLiteral("血压偏低");

// The result with every blank removed, as a fixed-point number (digits past
// the fourth decimal rounded half to even).
std::optional<Currency> measuredValue(const QString& result)
{
    QString s;
    s.reserve(result.size());
    for (const QChar ch : result)
        if (!ch.isSpace())
            s += ch;
    if (s.isEmpty())
        return std::nullopt;
    return Currency::fromDecimalText(s, Currency::Rounding::HalfToEven);
}

// weight / (height / 100)^2 in ten-thousandths, rounded half to even:
// w = W/1e4 kg, h = H/1e4 cm, index = w * 1e4 / h^2 = W * 1e8 / H^2, and in
// ten-thousandths W * 1e12 / H^2.
Currency bodyMassIndex(Currency weightKg, Currency heightCm)
{
    const qint64 weight = weightKg.raw(), height = heightCm.raw();
    const tj_i128 num = tj_i128(weight) * 1000000000000LL;
    const tj_i128 den = tj_i128(height) * height;
    tj_i128 q = num / den;
    tj_i128 r = num % den;
    if (r < 0)
        r = -r;
    if (2 * r > den || (2 * r == den && (q % 2) != 0))
        q += num < 0 ? -1 : 1;
    return Currency::fromRaw(qint64(q));
}

QString f2(Currency v)
{
    return v.toString(2);
}

}  // namespace

QStringList Findings::diagnosisTexts() const
{
    QStringList out;
    for (const Diagnosis& d : diagnoses)
        out << d.text;
    return out;
}

Findings ComputeDepartmentFindings(const std::vector<FindingsRow>& rows)
{
    Findings out;
    std::optional<Currency> height, weight, systolic, diastolic;

    for (const FindingsRow& row : rows) {
        const QString name = row.itemName.trimmed();
        if (name == Height)
            height = measuredValue(row.result);
        else if (name == Weight)
            weight = measuredValue(row.result);
        else if (name == Systolic)
            systolic = measuredValue(row.result);
        else if (name == Diastolic)
            diastolic = measuredValue(row.result);

        if (row.abnormal) {
            out.diagnoses.push_back({Diagnosis::Source::Item, row.numeric ? row.itemName + row.tip : row.result + row.unit});
            out.text += QStringLiteral("%1%2：%3 %4；").arg(row.itemName, row.tip, row.result, row.unit);
        }
    }

    const auto units = [](qint64 n) { return Currency::fromInteger(n); };
    if (height && weight && *height > Currency()) {
        const Currency index = bodyMassIndex(*weight, *height);
        if (index >= units(28)) {
            out.diagnoses.push_back({Diagnosis::Source::BodyMass, Obese});
            out.text += QStringLiteral("体重指数：%1（>=28），提示：肥胖；").arg(f2(index));
        }
        if (index >= units(24) && index < units(28)) {
            out.diagnoses.push_back({Diagnosis::Source::BodyMass, Overweight});
            out.text += QStringLiteral("体重指数：%1（>=24,<28），提示：超重；").arg(f2(index));
        }
        if (index < Currency::fromRaw(185000) /* 18.5 */) {
            out.diagnoses.push_back({Diagnosis::Source::BodyMass, Underweight});
            out.text += QStringLiteral("体重指数：%1（<18.5），提示：体重偏低；").arg(f2(index));
        }
    }

    const QString pressures = QStringLiteral("收缩压（%1 mmHg），舒张压（%2 mmHg）；")
                                 .arg(f2(systolic.value_or(Currency())), f2(diastolic.value_or(Currency())));
    const bool high = (systolic && *systolic >= units(140)) || (diastolic && *diastolic >= units(90));
    const bool low = !high && ((systolic && *systolic < units(90)) || (diastolic && *diastolic < units(60)));
    if (high) {
        out.diagnoses.push_back({Diagnosis::Source::BloodPressure, PressureHigh});
        out.text += QStringLiteral("血压状况：血压偏高，") + pressures;
    } else if (low) {
        out.diagnoses.push_back({Diagnosis::Source::BloodPressure, PressureLow});
        out.text += QStringLiteral("血压状况：血压偏低，") + pressures;
    }

    if (out.text.isEmpty())
        out.text = QStringLiteral("未见异常");
    else if (out.text.endsWith(QStringLiteral("；")))
        out.text.replace(out.text.size() - 1, 1, QStringLiteral("。"));
    return out;
}

void CreateDiagnosisWorkingTable(db::Connection& c)
{
    c.execute(QStringLiteral("if exists (select * from tempdb.dbo.sysobjects where id = "
                             "object_id(N'tempdb.dbo.[#tjian_jguo_zdjlun]')) drop table [dbo].[#tjian_jguo_zdjlun] "));
    c.execute(QStringLiteral("CREATE TABLE [#tjian_jguo_zdjlun] (         [id] [bigint] IDENTITY (1, 1) NOT NULL ,"
                             "         [ksid] [int] NOT NULL ,"
                             "         [tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,"
                             "         [zyzduan] [varchar] (500) COLLATE Chinese_PRC_CI_AS NOT NULL ) ON [PRIMARY]"));
}

QString BuildDepartmentFindings(db::Connection& c, const QString& tjhao, int ksid, const std::vector<FindingsRow>& rows)
{
    if (tjhao.isEmpty() || ksid <= 0)
        return QString();
    c.execute(QStringLiteral("truncate table #tjian_jguo_zdjlun "));
    const Findings f = ComputeDepartmentFindings(rows);

    for (const Diagnosis& d : f.diagnoses) {
        // The body-mass and pressure findings have statements of their own
        // with the word written in; item diagnoses carry typed text, quoted.
        if (d.source == Diagnosis::Source::Item)
            c.execute(SqlText::format("insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '%s') ",
                                      ksid, tjhao, d.text));
        else if (d.text == Obese)
            c.execute(SqlText::format("insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '肥胖') ",
                                      ksid, tjhao));
        else if (d.text == Overweight)
            c.execute(SqlText::format("insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '超重') ",
                                      ksid, tjhao));
        else if (d.text == Underweight)
            c.execute(SqlText::format(
                "insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '体重偏低') ", ksid, tjhao));
        else if (d.text == PressureHigh)
            c.execute(SqlText::format(
                "insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '血压偏高') ", ksid, tjhao));
        else
            c.execute(SqlText::format(
                "insert into #tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '血压偏低') ", ksid, tjhao));
    }
    return f.text;
}

}  // namespace tj::results
