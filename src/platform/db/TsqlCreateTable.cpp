// CREATE TABLE: column types, identities, keys, defaults, the varchar width
// checks and the triggers that keep stored values in one shape.
#include "platform/db/TsqlInternal.h"

namespace tj::db::tsql {

namespace {

QString sqliteType(const ColumnDef& c, bool* isText)
{
    const QString& t = c.baseType;
    *isText = false;
    if (t == QLatin1String("int") || t == QLatin1String("integer") || t == QLatin1String("smallint") || t == QLatin1String("tinyint"))
        return QStringLiteral("INT");
    if (t == QLatin1String("bigint"))
        return QStringLiteral("BIGINT");
    if (t == QLatin1String("bit"))
        return QStringLiteral("BIT");
    if (t == QLatin1String("money") || t == QLatin1String("smallmoney"))
        return QStringLiteral("MONEY");
    if (t == QLatin1String("datetime") || t == QLatin1String("smalldatetime") || t == QLatin1String("datetime2")
        || t == QLatin1String("date"))
        return QStringLiteral("DATETIME");
    if (t == QLatin1String("float") || t == QLatin1String("real"))
        return QStringLiteral("REAL");
    if (t == QLatin1String("decimal") || t == QLatin1String("numeric"))
        return QStringLiteral("NUMERIC");
    if (t == QLatin1String("varchar") || t == QLatin1String("nvarchar") || t == QLatin1String("char") || t == QLatin1String("nchar")) {
        *isText = true;
        return c.width > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.width) : QStringLiteral("TEXT");
    }
    if (t == QLatin1String("text") || t == QLatin1String("ntext")) {
        *isText = true;
        return QStringLiteral("TEXT");
    }
    if (t == QLatin1String("image") || t == QLatin1String("varbinary") || t == QLatin1String("binary"))
        return QStringLiteral("BLOB");
    if (t == QLatin1String("uniqueidentifier")) {
        *isText = true;
        return QStringLiteral("VARCHAR(36)");
    }
    unsupported(QStringLiteral("column type %1").arg(t));
}

QStringList nameList(const Tokens& ts, int open)
{
    const int close = matchParen(ts, open);
    if (close < 0)
        unsupported(QStringLiteral("unbalanced column list"));
    QStringList names;
    for (auto [a, b] : splitCommas(ts, open + 1, close)) {
        if (b > a && ts[a].isName())
            names << ts[a].text;
        // ASC/DESC are kept out: SQLite key order does not matter for constraints.
    }
    return names;
}


struct TableDef {
    QString name;
    bool temp = false;
    std::vector<ColumnDef> columns;
};

QString normalizationTrigger(const TableDef& def, bool onInsert)
{
    // Keeps stored values in one shape whatever wrote them: date-times as
    // 'yyyy-mm-dd hh:nn:ss.zzz', bits as 0/1, money rounded to four decimals.
    QStringList conds, sets, cols;
    for (const ColumnDef& c : def.columns) {
        const QString q = quoteName(c.name);
        const QString nq = QStringLiteral("NEW.") + q;
        if (c.baseType.contains(QLatin1String("date"))) {
            conds << QStringLiteral("%1 NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9].[0-9][0-9][0-9]'").arg(nq);
            sets << QStringLiteral("%1 = tj_datetime(%1)").arg(q);
        } else if (c.baseType == QLatin1String("bit")) {
            conds << QStringLiteral("typeof(%1) NOT IN ('integer', 'null')").arg(nq);
            sets << QStringLiteral("%1 = tj_bit(%1)").arg(q);
        } else if (c.baseType.contains(QLatin1String("money"))) {
            // Lists of at most two values: a longer IN list makes SQLite build a
            // lookup table on every run of the trigger.
            conds << QStringLiteral("typeof(%1) IN ('text', 'blob') OR (typeof(%1) = 'real' AND %1 <> tj_money(%1))").arg(nq);
            sets << QStringLiteral("%1 = tj_money(%1)").arg(q);
        } else if (!c.identity && (c.baseType == QLatin1String("int") || c.baseType == QLatin1String("bigint")
                                   || c.baseType == QLatin1String("smallint") || c.baseType == QLatin1String("tinyint"))) {
            // Text the column's affinity could not turn into a number is refused as the server refuses it.
            conds << QStringLiteral("typeof(%1) NOT IN ('integer', 'null')").arg(nq);
            sets << QStringLiteral("%1 = tj_convert('%2', -1, %1)").arg(q, c.baseType);
        } else {
            continue;
        }
        cols << q;
    }
    if (conds.isEmpty())
        return QString();
    const QString trig = quoteName(QStringLiteral("tj_%1_%2").arg(onInsert ? QLatin1String("ins") : QLatin1String("upd"), def.name));
    return QStringLiteral("CREATE %1TRIGGER %2 AFTER %3 ON %4 WHEN %5 BEGIN UPDATE %4 SET %6 WHERE rowid = NEW.rowid; END")
        .arg(def.temp ? QStringLiteral("TEMP ") : QString(), trig,
             onInsert ? QStringLiteral("INSERT") : QStringLiteral("UPDATE OF ") + cols.join(QStringLiteral(", ")),
             quoteName(def.name), conds.join(QStringLiteral(" OR ")), sets.join(QStringLiteral(", ")));
}

}  // namespace

void skipStorageClauses(const Tokens& ts, int& i)
{
    // WITH (...) options, ON [PRIMARY], TEXTIMAGE_ON [PRIMARY]
    for (;;) {
        if (i < int(ts.size()) && ts[i].is("with") && i + 1 < int(ts.size()) && ts[i + 1].isPunct("(")) {
            i = matchParen(ts, i + 1) + 1;
            if (i <= 0)
                unsupported(QStringLiteral("unbalanced WITH options"));
        } else if (i + 1 < int(ts.size()) && (ts[i].is("on") || ts[i].is("textimage_on")) && ts[i + 1].isName()) {
            i += 2;
        } else {
            return;
        }
    }
}

ColumnDef parseColumn(const Tokens& ts, int a, int b, const QString& table)
{
    ColumnDef c;
    c.name = ts[a].text;
    int i = a + 1;
    if (i >= b || !ts[i].isName())
        unsupported(QStringLiteral("column %1 without a type").arg(c.name));
    c.baseType = ts[i].text.toLower();
    ++i;
    if (i < b && ts[i].isPunct("(")) {
        const int close = matchParen(ts, i);
        if (close < 0 || close >= b)
            unsupported(QStringLiteral("unbalanced type of column %1").arg(c.name));
        if (ts[i + 1].kind == Token::Number)
            c.width = ts[i + 1].text.toInt();
        i = close + 1;
    }
    while (i < b) {
        const Token& t = ts[i];
        if (t.is("collate") && i + 1 < b) {
            c.collation = ts[i + 1].text;
            i += 2;
        } else if (t.is("identity")) {
            c.identity = true;
            ++i;
            if (i < b && ts[i].isPunct("("))
                i = matchParen(ts, i) + 1;
        } else if (t.is("not") && i + 1 < b && ts[i + 1].is("null")) {
            c.notNull = true;
            i += 2;
        } else if (t.is("null")) {
            ++i;
        } else if (t.is("constraint") && i + 1 < b) {
            i += 2;
        } else if (t.is("default")) {
            ++i;
            int e = i;
            if (e < b && ts[e].isPunct("(")) {
                e = matchParen(ts, e) + 1;
            } else {
                if (e < b && (ts[e].isPunct("-") || ts[e].isPunct("+")))
                    ++e;
                ++e;
            }
            if (e <= i || e > b)
                unsupported(QStringLiteral("DEFAULT of column %1").arg(c.name));
            c.defaultExpr = renderExpr(ts, i, e, false);
            i = e;
        } else if (t.is("primary") && i + 1 < b && ts[i + 1].is("key")) {
            c.primaryKey = true;
            i += 2;
            if (i < b && (ts[i].is("clustered") || ts[i].is("nonclustered")))
                ++i;
        } else if (t.is("unique")) {
            c.unique = true;
            ++i;
            if (i < b && (ts[i].is("clustered") || ts[i].is("nonclustered")))
                ++i;
        } else if (t.is("check") && i + 1 < b && ts[i + 1].isPunct("(")) {
            const int close = matchParen(ts, i + 1);
            c.checks << QStringLiteral("CHECK ") + renderExpr(ts, i + 1, close + 1, true);
            i = close + 1;
        } else if (t.is("references") && i + 1 < b) {
            int e = i + 2;
            if (e < b && ts[e].isPunct("("))
                e = matchParen(ts, e) + 1;
            c.references = render(ts, i, e);
            i = e;
        } else if (t.is("rowguidcol") || t.is("sparse") || t.is("filestream")) {
            unsupported(t.text.toUpper());
        } else {
            unsupported(QStringLiteral("'%1' in the definition of column %2.%3").arg(t.text, table, c.name));
        }
    }
    return c;
}

QString renderColumn(const ColumnDef& c, const QString& table, bool asPrimaryKey)
{
    bool isText = false;
    QString s = quoteName(c.name) + QLatin1Char(' ');
    if (c.identity) {
        // SQLite's own key must be declared INTEGER; a comment keeps the declared width.
        s += QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        if (c.baseType == QLatin1String("bigint"))
            s += QStringLiteral(" /*bigint*/");
    } else {
        s += sqliteType(c, &isText);
        if (asPrimaryKey)
            s += QStringLiteral(" PRIMARY KEY");
    }
    if (c.notNull || c.identity)
        s += QStringLiteral(" NOT NULL");
    if (c.unique)
        s += QStringLiteral(" UNIQUE");
    if (!c.defaultExpr.isEmpty())
        s += QStringLiteral(" DEFAULT ") + c.defaultExpr;
    if (c.baseType.contains(QLatin1String("date")))
        s += QStringLiteral(" COLLATE tj_datetime");
    if (isText) {
        const bool cs = c.collation.contains(QLatin1String("_CS_"), Qt::CaseInsensitive);
        s += QStringLiteral(" COLLATE ") + (cs ? QStringLiteral("Chinese_PRC_CS_AS") : QLatin1String(TsqlDialect::Collation));
        if (c.width > 0) {
            const bool chars = c.baseType.startsWith(QLatin1Char('n'));
            s += QStringLiteral(" CHECK (tj_width(%1, %2, %3, %4, %5))")
                     .arg(quoteName(c.name)).arg(c.width).arg(chars ? 1 : 0)
                     .arg(quoteString(table), quoteString(c.name));
        }
    }
    for (const QString& ch : c.checks)
        s += QLatin1Char(' ') + ch;
    if (!c.references.isEmpty())
        s += QLatin1Char(' ') + c.references;
    return s;
}

void translateCreateTable(const Tokens& ts, int nameAt, TsqlProgram& prog)
{
    TableDef def;
    def.name = TsqlDialect::tableName(ts[nameAt].text);
    def.temp = def.name.startsWith(QLatin1Char('#'));
    const int open = nameAt + 1;
    if (open >= int(ts.size()) || !ts[open].isPunct("("))
        unsupported(QStringLiteral("CREATE TABLE %1 without a column list").arg(def.name));
    const int close = matchParen(ts, open);
    if (close < 0)
        unsupported(QStringLiteral("CREATE TABLE %1 with unbalanced parentheses").arg(def.name));

    QStringList tableConstraints;
    QStringList pkColumns;
    for (auto [a, b] : splitCommas(ts, open + 1, close)) {
        int i = a;
        if (ts[i].is("constraint"))
            i += 2;
        if (i < b && ts[i].is("primary") && i + 1 < b && ts[i + 1].is("key")) {
            int k = i + 2;
            if (k < b && (ts[k].is("clustered") || ts[k].is("nonclustered")))
                ++k;
            if (!(k < b && ts[k].isPunct("(")))
                unsupported(QStringLiteral("PRIMARY KEY without columns in %1").arg(def.name));
            pkColumns = nameList(ts, k);
            int e = matchParen(ts, k) + 1;
            skipStorageClauses(ts, e);
            continue;
        }
        if (i < b && ts[i].is("unique")) {
            int k = i + 1;
            if (k < b && (ts[k].is("clustered") || ts[k].is("nonclustered")))
                ++k;
            QStringList cols = nameList(ts, k);
            for (QString& c : cols)
                c = quoteName(c);
            tableConstraints << QStringLiteral("UNIQUE (%1)").arg(cols.join(QStringLiteral(", ")));
            continue;
        }
        if (i < b && (ts[i].is("check") || ts[i].is("foreign"))) {
            tableConstraints << renderExpr(ts, i, b, true);
            continue;
        }
        if (i != a)
            unsupported(QStringLiteral("constraint in %1").arg(def.name));
        def.columns.push_back(parseColumn(ts, a, b, def.name));
    }
    int after = close + 1;
    skipStorageClauses(ts, after);
    if (after < int(ts.size()) && !ts[after].isPunct(";"))
        unsupported(QStringLiteral("'%1' after CREATE TABLE %2").arg(ts[after].text, def.name));

    const ColumnDef* identity = nullptr;
    for (const ColumnDef& c : def.columns)
        if (c.identity)
            identity = &c;
    QStringList parts;
    for (const ColumnDef& c : def.columns) {
        const bool singlePk = !identity && pkColumns.size() == 1 && pkColumns.front().compare(c.name, Qt::CaseInsensitive) == 0;
        parts << renderColumn(c, def.name, singlePk || (!identity && c.primaryKey));
    }
    if (pkColumns.size() > 1 || (identity && !pkColumns.isEmpty()
                                 && !(pkColumns.size() == 1 && pkColumns.front().compare(identity->name, Qt::CaseInsensitive) == 0))) {
        QStringList cols;
        for (const QString& c : pkColumns)
            cols << quoteName(c);
        // The identity takes SQLite's primary key; another declared key stays unique.
        parts << (identity ? QStringLiteral("UNIQUE (%1)") : QStringLiteral("PRIMARY KEY (%1)")).arg(cols.join(QStringLiteral(", ")));
    }
    parts << tableConstraints;

    TsqlStep create;
    create.sql = QStringLiteral("CREATE %1TABLE %2 (%3)")
                     .arg(def.temp ? QStringLiteral("TEMP ") : QString(), quoteName(def.name), parts.join(QStringLiteral(", ")));
    prog.steps.push_back(create);
    for (bool ins : {true, false}) {
        const QString trig = normalizationTrigger(def, ins);
        if (!trig.isEmpty()) {
            TsqlStep s;
            s.sql = trig;
            prog.steps.push_back(s);
        }
    }
}

}  // namespace tj::db::tsql
