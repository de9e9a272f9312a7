// Registration of the functions and collations that give an SQLite
// connection SQL Server's results, the shared argument helpers, the exact
// sum and SCOPE_IDENTITY().
#include "platform/db/SqliteFunctionsInternal.h"

#include "platform/db/Currency.h"

#include <QLocale>
#include <cmath>

namespace tj::db::sqlfn {

__extension__ typedef __int128 i128;

QString argText(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QByteArray& s)
{
    sqlite3_result_text(ctx, s.constData(), int(s.size()), SQLITE_TRANSIENT);
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    resultText(ctx, s.toUtf8());
}

QString numberText(sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_INTEGER)
        return QString::number(sqlite3_value_int64(v));
    const double d = sqlite3_value_double(v);
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

QString textOf(sqlite3_value* v)
{
    return sqlite3_value_type(v) == SQLITE_TEXT ? argText(v) : numberText(v);
}

namespace {

void fnScopeIdentity(sqlite3_context* ctx, int, sqlite3_value**)
{
    const auto* v = static_cast<const Value*>(sqlite3_user_data(ctx));
    if (!v || v->isNull())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_int64(ctx, v->toInteger());
}

// ---- exact sum -------------------------------------------------------------

struct SumState {
    qint64 count;
    qint64 intSum;
    i128 raw;  // ten-thousandths
    qint64 reals;
    bool overflow;
};

void addToSum(SumState* st, sqlite3_value* v, int sign)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return;
    case SQLITE_INTEGER: {
        const qint64 i = sqlite3_value_int64(v);
        if (__builtin_add_overflow(st->intSum, sign * i, &st->intSum))
            st->overflow = true;
        st->raw += i128(i) * Currency::Scale * sign;
        break;
    }
    case SQLITE_FLOAT:
        st->raw += i128(Currency::fromDouble(sqlite3_value_double(v)).raw()) * sign;
        st->reals += sign;
        break;
    default: {
        const QString t = argText(v).trimmed();
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (ok) {
            if (__builtin_add_overflow(st->intSum, sign * i, &st->intSum))
                st->overflow = true;
            st->raw += i128(i) * Currency::Scale * sign;
        } else {
            st->raw += i128(Currency::fromString(t).value_or(Currency()).raw()) * sign;
            st->reals += sign;
        }
    }
    }
    st->count += sign;
}

void sumStep(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (st)
        addToSum(st, argv[0], 1);
}

void sumInverse(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (st)
        addToSum(st, argv[0], -1);
}

void sumResult(sqlite3_context* ctx, SumState* st)
{
    if (!st || st->count == 0) {
        sqlite3_result_null(ctx);
        return;
    }
    if (st->reals > 0) {
        sqlite3_result_double(ctx, double(st->raw) / double(Currency::Scale));
        return;
    }
    if (st->overflow) {
        sqlite3_result_error(ctx, "integer overflow", -1);
        return;
    }
    sqlite3_result_int64(ctx, st->intSum);
}

void sumValue(sqlite3_context* ctx)
{
    sumResult(ctx, static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0)));
}

void sumFinal(sqlite3_context* ctx)
{
    sumResult(ctx, static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0)));
}

}  // namespace

void registerAll(sqlite3* db, const Value* scopeIdentity)
{
    const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const int vol = SQLITE_UTF8 | SQLITE_INNOCUOUS;
    struct Fn {
        const char* name;
        int args;
        int flags;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
    };
    const Fn fns[] = {
        {"tj_getdate", 0, vol, fnGetdate},
        {"tj_datetime", 1, det, fnDatetime},
        {"tj_dateadd", 3, det, fnDateadd},
        {"tj_datediff", 3, det, fnDatediff},
        {"tj_datepart", 2, det, fnDatepart},
        {"tj_convert", 3, det, fnConvert},
        {"tj_convert", 4, det, fnConvert},
        {"tj_bit", 1, det, fnBit},
        {"tj_money", 1, det, fnMoney},
        {"tj_len", 1, det, fnLen},
        {"tj_datalength", 1, det, fnDatalength},
        {"tj_substring", 3, det, fnSubstring},
        {"tj_left", 2, det, fnLeft},
        {"tj_right", 2, det, fnRight},
        {"tj_charindex", 2, det, fnCharindex},
        {"tj_charindex", 3, det, fnCharindex},
        {"tj_width", 5, det, fnWidth},
        {"tj_plus", 2, det, fnPlus},
        {"like", 2, det, fnLike},
        {"like", 3, det, fnLike},
    };
    for (const Fn& f : fns)
        sqlite3_create_function_v2(db, f.name, f.args, f.flags, nullptr, f.fn, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tj_scope_identity", 0, SQLITE_UTF8, const_cast<Value*>(scopeIdentity),
                               fnScopeIdentity, nullptr, nullptr, nullptr);
    sqlite3_create_window_function(db, "sum", 1, det, nullptr, sumStep, sumFinal, sumValue, sumInverse, nullptr);
    sqlite3_create_collation_v2(db, "Chinese_PRC_CI_AS", SQLITE_UTF8, nullptr, collate, nullptr);
    sqlite3_create_collation_v2(db, "tj_datetime", SQLITE_UTF8, nullptr, collateDateTime, nullptr);
    static int cs = 1;
    sqlite3_create_collation_v2(db, "Chinese_PRC_CS_AS", SQLITE_UTF8, &cs, collate, nullptr);
}

}  // namespace tj::db::sqlfn
