#include "registration/ExamNumber.h"

#include "platform/db/SqlText.h"
#include "schema/Names.h"

namespace tj::registration {

using db::SqlText;

const QString IndividualCounterKey = schema::ParamIndividualCounter;

QString ExamNumber::text() const
{
    return SqlText::format("%d-%d", unitId, sequence);
}

void ExamNumberCounter::ensureRow()
{
    if (!isIndividual())
        return;
    if (c_.exists(QStringLiteral("select * from tjian_csszhi where jian='散检最大体检号' ")))
        return;
    // The unique index on the key leaves one row when two workstations
    // create it at once: the one that loses finds the other's row.
    try {
        c_.execute(QStringLiteral("insert into tjian_csszhi(jian, zhi) select '散检最大体检号', '0' "
                                  "where not exists (select * from tjian_csszhi where jian='散检最大体检号')"));
    } catch (const db::SqlError& e) {
        if (e.kind() != db::SqlError::Kind::Constraint)
            throw;
    }
}

void ExamNumberCounter::lock()
{
    if (isIndividual())
        c_.execute(QStringLiteral("update tjian_csszhi set zhi=zhi where jian='散检最大体检号' "));
    else
        c_.execute(SqlText::format("update tjian_dwei set maxtjhao=maxtjhao where id=%d ", unitId_));
}

int ExamNumberCounter::read()
{
    if (isIndividual()) {
        const db::ResultSet rs = c_.query(QStringLiteral("select * from tjian_csszhi where jian='散检最大体检号' "));
        if (rs.isEmpty())
            return 0;
        bool ok = false;
        const int v = rs.value(0, QStringLiteral("zhi")).toString().trimmed().toInt(&ok);
        return ok ? v : 0;
    }
    return int(c_.scalar(SqlText::format("select maxtjhao from tjian_dwei where id=%d ", unitId_)).toInteger());
}

void ExamNumberCounter::write(int lastIssued)
{
    if (isIndividual()) {
        const QString value = QString::number(lastIssued);
        if (c_.execute(SqlText::format("update tjian_csszhi set zhi='%s' where jian='散检最大体检号' ", value)) == 0)
            c_.execute(SqlText::format("insert into tjian_csszhi(jian, zhi) values('%s', '%s')", IndividualCounterKey,
                                       value));
    } else {
        c_.execute(SqlText::format("update tjian_dwei set maxtjhao=%d where id=%d ", lastIssued, unitId_));
    }
}

ExamNumber AllocateExamNumber(db::Connection& c, int unitId)
{
    ExamNumberCounter counter(c, unitId);
    counter.ensureRow();
    return ExamNumber{unitId, counter.read() + 1};
}

}  // namespace tj::registration
