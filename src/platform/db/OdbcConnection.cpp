#include "platform/db/OdbcConnection.h"

#include "platform/db/TsqlDialect.h"

#include <QFile>
#include <QRegularExpression>

#include <sql.h>
#include <sqlext.h>

namespace tj::db {

namespace {

const char* const DriverLibrary = "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so";

// The diagnostic records of a handle: all of them as one text ("[state]
// text" per record) and the state and native number of the first record
// that is more than a warning.
struct Diagnostics {
    QString text;
    QString state;
    int native = 0;
};

Diagnostics diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    Diagnostics d;
    QStringList lines;
    bool chosen = false;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[8] = {0};
        SQLINTEGER native = 0;
        SQLCHAR text[1024] = {0};
        SQLSMALLINT len = 0;
        const SQLRETURN rc = SQLGetDiagRec(type, handle, i, state, &native, text, sizeof text, &len);
        if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
            break;
        const QString st = QString::fromLatin1(reinterpret_cast<const char*>(state));
        lines << QStringLiteral("[%1] %2").arg(st, QString::fromUtf8(reinterpret_cast<const char*>(text)));
        if (!chosen && !st.startsWith(QLatin1String("01"))) {
            d.state = st;
            d.native = int(native);
            chosen = true;
        }
    }
    d.text = lines.join(QLatin1Char('\n'));
    return d;
}

// The error of a handle. The SQLite ODBC driver's native numbers are SQLite
// result codes; SQL Server's are its error numbers.
SqlError odbcError(SQLSMALLINT type, SQLHANDLE handle, bool sqliteDriver = false, const QString& fallback = QString())
{
    const Diagnostics d = diagnostics(type, handle);
    const QString text = d.text.isEmpty() ? fallback : d.text;
    SqlError::Kind kind = SqlError::kindOfOdbc(d.state, sqliteDriver ? 0 : d.native);
    if (kind == SqlError::Kind::Other && sqliteDriver)
        kind = SqlError::kindOfSqlite(d.native, text);
    return SqlError(text, kind, d.state, d.native);
}

bool ok(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

QString braced(const QString& v, bool always)
{
    const bool need = always || v.contains(QLatin1Char(';')) || v.contains(QLatin1Char('{')) || v.contains(QLatin1Char('}'))
        || v.contains(QLatin1Char('=')) || (!v.isEmpty() && (v.front().isSpace() || v.back().isSpace()));
    if (!need)
        return v;
    QString s = v;
    s.replace(QLatin1Char('}'), QLatin1String("}}"));
    return QLatin1Char('{') + s + QLatin1Char('}');
}

struct Stmt {
    SQLHSTMT h = SQL_NULL_HSTMT;
    explicit Stmt(SQLHDBC dbc)
    {
        if (!ok(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &h)))
            throw odbcError(SQL_HANDLE_DBC, dbc);
    }
    ~Stmt() { SQLFreeHandle(SQL_HANDLE_STMT, h); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
};

}  // namespace

struct OdbcConnection::Impl {
    QString connectionString;
    int loginTimeout = 15;
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool connected = false;
    bool sqliteDriver = false;  // the SQLite ODBC driver (tests): native numbers are SQLite result codes
    int depth = 0;

    void requireOpen() const
    {
        if (!connected)
            throw SqlError(QStringLiteral("The connection to the database is not open."), SqlError::Kind::ConnectionLost,
                           QStringLiteral("08003"));
    }

    SqlError error(SQLSMALLINT type, SQLHANDLE handle) const { return odbcError(type, handle, sqliteDriver); }

    // Where the results of a statement go.
    struct Output {
        ResultSet* last = nullptr;                    // the last result set
        std::vector<StatementResult>* all = nullptr;  // every result set and row count, in order
        bool firstRowOnly = false;  // the first result set decides: one row into `last`, then close
    };
    int run(const QString& sql, const std::vector<Value>* params, const Output& out);
    // Reads the rows of the current result set; at most maxRows when >= 0.
    void fetch(SQLHSTMT st, SQLSMALLINT ncol, ResultSet* rs, int maxRows = -1);
    void endTran(SQLSMALLINT how)
    {
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc, how);
        SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        if (!ok(rc))
            throw error(SQL_HANDLE_DBC, dbc);
    }
};

void OdbcConnection::Impl::fetch(SQLHSTMT st, SQLSMALLINT ncol, ResultSet* rs, int maxRows)
{
    rs->columns.clear();
    rs->rows.clear();
    std::vector<SQLSMALLINT> types(std::size_t(ncol), 0);
    for (SQLSMALLINT c = 1; c <= ncol; ++c) {
        SQLCHAR name[512] = {0};
        SQLSMALLINT nameLen = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        SQLDescribeCol(st, c, name, sizeof name, &nameLen, &type, &size, &digits, &nullable);
        rs->columns << QString::fromUtf8(reinterpret_cast<const char*>(name));
        types[std::size_t(c - 1)] = type;
    }
    while (maxRows < 0 || int(rs->rows.size()) < maxRows) {
        const SQLRETURN rc = SQLFetch(st);
        if (rc == SQL_NO_DATA)
            break;
        if (!ok(rc))
            throw error(SQL_HANDLE_STMT, st);
        std::vector<Value> row;
        row.reserve(std::size_t(ncol));
        for (SQLSMALLINT c = 1; c <= ncol; ++c) {
            const SQLSMALLINT type = types[std::size_t(c - 1)];
            SQLLEN ind = 0;
            switch (type) {
            case SQL_BIT:
            case SQL_TINYINT:
            case SQL_SMALLINT:
            case SQL_INTEGER:
            case SQL_BIGINT: {
                SQLBIGINT v = 0;
                if (!ok(SQLGetData(st, c, SQL_C_SBIGINT, &v, 0, &ind)))
                    throw error(SQL_HANDLE_STMT, st);
                row.emplace_back(ind == SQL_NULL_DATA ? Value() : Value(qint64(v)));
                break;
            }
            case SQL_REAL:
            case SQL_FLOAT:
            case SQL_DOUBLE: {
                double v = 0;
                if (!ok(SQLGetData(st, c, SQL_C_DOUBLE, &v, 0, &ind)))
                    throw error(SQL_HANDLE_STMT, st);
                row.emplace_back(ind == SQL_NULL_DATA ? Value() : Value(v));
                break;
            }
            case SQL_BINARY:
            case SQL_VARBINARY:
            case SQL_LONGVARBINARY: {
                QByteArray data;
                char buf[8192];
                bool isNull = false;
                for (;;) {
                    const SQLRETURN r = SQLGetData(st, c, SQL_C_BINARY, buf, sizeof buf, &ind);
                    if (r == SQL_NO_DATA)
                        break;
                    if (!ok(r))
                        throw error(SQL_HANDLE_STMT, st);
                    if (ind == SQL_NULL_DATA) {
                        isNull = true;
                        break;
                    }
                    const SQLLEN got = (ind == SQL_NO_TOTAL || ind > SQLLEN(sizeof buf)) ? SQLLEN(sizeof buf) : ind;
                    data.append(buf, int(got));
                    if (r == SQL_SUCCESS)
                        break;
                }
                row.emplace_back(isNull ? Value() : Value(data));
                break;
            }
            default: {
                // Text, decimals (money) and date-times come as text.
                QByteArray data;
                char buf[8192];
                bool isNull = false;
                for (;;) {
                    const SQLRETURN r = SQLGetData(st, c, SQL_C_CHAR, buf, sizeof buf, &ind);
                    if (r == SQL_NO_DATA)
                        break;
                    if (!ok(r))
                        throw error(SQL_HANDLE_STMT, st);
                    if (ind == SQL_NULL_DATA) {
                        isNull = true;
                        break;
                    }
                    const SQLLEN got = (ind == SQL_NO_TOTAL || ind >= SQLLEN(sizeof buf)) ? SQLLEN(sizeof buf - 1) : ind;
                    data.append(buf, int(got));
                    if (r == SQL_SUCCESS)
                        break;
                }
                if (isNull) {
                    row.emplace_back();
                } else if (type == SQL_DECIMAL || type == SQL_NUMERIC) {
                    auto cur = Currency::fromString(QString::fromLatin1(data));
                    bool integral = !data.contains('.');
                    if (integral)
                        row.emplace_back(qint64(data.trimmed().toLongLong()));
                    else
                        row.emplace_back(cur ? cur->toDouble() : data.toDouble());
                } else {
                    row.emplace_back(QString::fromUtf8(data));
                }
                break;
            }
            }
        }
        rs->rows.push_back(std::move(row));
    }
}

int OdbcConnection::Impl::run(const QString& sql, const std::vector<Value>* params, const Output& out)
{
    requireOpen();
    Stmt st(dbc);
    const QByteArray text = sql.toUtf8();
    // Parameter buffers stay alive until the statement has run.
    std::vector<QByteArray> buffers;
    std::vector<SQLBIGINT> ints;
    std::vector<double> reals;
    std::vector<SQLLEN> inds;
    if (params) {
        buffers.reserve(params->size());
        ints.reserve(params->size());
        reals.reserve(params->size());
        inds.reserve(params->size());
        SQLUSMALLINT n = 1;
        for (const Value& v : *params) {
            SQLRETURN rc = SQL_SUCCESS;
            switch (v.type()) {
            case Value::Type::Null:
                inds.push_back(SQL_NULL_DATA);
                rc = SQLBindParameter(st.h, n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0, &inds.back());
                break;
            case Value::Type::Integer:
                ints.push_back(v.toInteger());
                inds.push_back(0);
                rc = SQLBindParameter(st.h, n, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &ints.back(), 0, &inds.back());
                break;
            case Value::Type::Real:
                reals.push_back(v.toDouble());
                inds.push_back(0);
                rc = SQLBindParameter(st.h, n, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &reals.back(), 0, &inds.back());
                break;
            case Value::Type::Text:
                buffers.push_back(v.toString().toUtf8());
                inds.push_back(SQLLEN(buffers.back().size()));
                rc = SQLBindParameter(st.h, n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                      SQLULEN(std::max<qsizetype>(1, buffers.back().size())), 0,
                                      buffers.back().data(), SQLLEN(buffers.back().size()), &inds.back());
                break;
            case Value::Type::Blob:
                buffers.push_back(v.toBlob());
                inds.push_back(SQLLEN(buffers.back().size()));
                rc = SQLBindParameter(st.h, n, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY,
                                      SQLULEN(std::max<qsizetype>(1, buffers.back().size())), 0,
                                      buffers.back().data(), SQLLEN(buffers.back().size()), &inds.back());
                break;
            }
            if (!ok(rc))
                throw error(SQL_HANDLE_STMT, st.h);
            ++n;
        }
    }
    SQLRETURN rc = SQLExecDirect(st.h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())), SQLINTEGER(text.size()));
    if (!ok(rc) && rc != SQL_NO_DATA)
        throw error(SQL_HANDLE_STMT, st.h);
    int changes = 0;
    while (rc != SQL_NO_DATA) {
        SQLSMALLINT ncol = 0;
        SQLNumResultCols(st.h, &ncol);
        if (ncol > 0) {
            if (out.firstRowOnly) {
                fetch(st.h, ncol, out.last, 1);
                SQLFreeStmt(st.h, SQL_CLOSE);  // the rest is never fetched
                return 0;
            }
            if (out.last || out.all) {
                ResultSet rs;
                fetch(st.h, ncol, &rs);
                if (out.all)
                    out.all->push_back({true, rs, int(rs.rows.size())});
                if (out.last)
                    *out.last = std::move(rs);
            } else {
                while (ok(SQLFetch(st.h))) {
                }
            }
        } else {
            SQLLEN count = -1;
            SQLRowCount(st.h, &count);
            if (count >= 0) {
                changes = int(count);
                if (out.all)
                    out.all->push_back({false, {}, int(count)});
            }
        }
        rc = SQLMoreResults(st.h);
        if (!ok(rc) && rc != SQL_NO_DATA)
            throw error(SQL_HANDLE_STMT, st.h);
    }
    return changes;
}

OdbcConnection::OdbcConnection(const QString& connectionString, int loginTimeoutSeconds) : d(std::make_unique<Impl>())
{
    d->connectionString = connectionString;
    d->loginTimeout = loginTimeoutSeconds;
}

OdbcConnection::~OdbcConnection()
{
    close();
}

QString OdbcConnection::installedDriver(const QString& name, const QString& library)
{
    // A driver registered under the name wins; else the library itself.
    QStringList inis;
    const QByteArray sysini = qgetenv("ODBCSYSINI");
    if (!sysini.isEmpty())
        inis << QString::fromLocal8Bit(sysini) + QStringLiteral("/odbcinst.ini");
    inis << QStringLiteral("/etc/odbcinst.ini");
    const QRegularExpression section(QStringLiteral("^\\s*\\[%1\\]\\s*$").arg(QRegularExpression::escape(name)),
                                     QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    for (const QString& path : inis) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        if (QString::fromUtf8(f.readAll()).contains(section))
            return name;
    }
    if (!library.isEmpty() && QFile::exists(library))
        return library;
    return QString();
}

QString OdbcConnection::driver()
{
    return installedDriver(QStringLiteral("FreeTDS"), QLatin1String(DriverLibrary));
}

QString OdbcConnection::buildConnectionString(const QString& server, int port, const QString& database,
                                              const QString& login, const QString& password)
{
    QString drv = driver();
    if (drv.isEmpty())
        drv = QStringLiteral("FreeTDS");  // opening then fails with the driver manager's own message
    QStringList parts;
    parts << QStringLiteral("DRIVER=") + braced(drv, true);
    parts << QStringLiteral("SERVER=") + braced(server, false);
    if (port > 0)
        parts << QStringLiteral("PORT=%1").arg(port);
    if (!database.isEmpty())
        parts << QStringLiteral("DATABASE=") + braced(database, false);
    parts << QStringLiteral("UID=") + braced(login, false);
    parts << QStringLiteral("PWD=") + braced(password, true);
    parts << QStringLiteral("TDS_Version=7.3");
    parts << QStringLiteral("ClientCharset=UTF-8");
    return parts.join(QLatin1Char(';')) + QLatin1Char(';');
}

void OdbcConnection::open()
{
    if (d->connected)
        return;
    if (!ok(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &d->env)))
        throw SqlError(QStringLiteral("The ODBC driver manager could not be initialised."));
    SQLSetEnvAttr(d->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!ok(SQLAllocHandle(SQL_HANDLE_DBC, d->env, &d->dbc))) {
        const SqlError e = odbcError(SQL_HANDLE_ENV, d->env);
        close();
        throw e;
    }
    SQLSetConnectAttr(d->dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(d->loginTimeout)), 0);
    const QByteArray cs = d->connectionString.toUtf8();
    SQLCHAR out[2048];
    SQLSMALLINT outLen = 0;
    const SQLRETURN rc = SQLDriverConnect(d->dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(cs.constData())),
                                          SQLSMALLINT(cs.size()), out, sizeof out, &outLen, SQL_DRIVER_NOPROMPT);
    if (!ok(rc)) {
        SqlError e = odbcError(SQL_HANDLE_DBC, d->dbc, false,
                               QStringLiteral("The connection to the server failed without a message from the driver."));
        if (e.nativeState().isEmpty())
            e = SqlError(e.message(), SqlError::Kind::ConnectionLost);
        close();
        throw e;
    }
    SQLCHAR name[256] = {0};
    SQLSMALLINT nameLen = 0;
    SQLGetInfo(d->dbc, SQL_DRIVER_NAME, name, sizeof name, &nameLen);
    d->sqliteDriver = QByteArray(reinterpret_cast<const char*>(name)).contains("sqlite");
    d->connected = true;
}

void OdbcConnection::close()
{
    if (d->connected) {
        if (d->depth > 0) {
            SQLEndTran(SQL_HANDLE_DBC, d->dbc, SQL_ROLLBACK);
            d->depth = 0;
        }
        SQLDisconnect(d->dbc);
        d->connected = false;
    }
    if (d->dbc != SQL_NULL_HDBC) {
        SQLFreeHandle(SQL_HANDLE_DBC, d->dbc);
        d->dbc = SQL_NULL_HDBC;
    }
    if (d->env != SQL_NULL_HENV) {
        SQLFreeHandle(SQL_HANDLE_ENV, d->env);
        d->env = SQL_NULL_HENV;
    }
}

bool OdbcConnection::isOpen() const
{
    return d->connected;
}

int OdbcConnection::execute(const QString& sql)
{
    return d->run(sql, nullptr, {});
}

int OdbcConnection::execute(const QString& sql, const std::vector<Value>& params)
{
    return d->run(sql, &params, {});
}

ResultSet OdbcConnection::query(const QString& sql)
{
    ResultSet rs;
    d->run(sql, nullptr, {&rs});
    return rs;
}

ResultSet OdbcConnection::query(const QString& sql, const std::vector<Value>& params)
{
    ResultSet rs;
    d->run(sql, &params, {&rs});
    return rs;
}

bool OdbcConnection::exists(const QString& sql)
{
    ResultSet rs;
    d->run(sql, nullptr, {&rs, nullptr, true});
    return !rs.isEmpty();
}

std::vector<StatementResult> OdbcConnection::executeBatch(const QString& sql)
{
    std::vector<StatementResult> all;
    for (const QString& batch : TsqlDialect::splitBatches(sql))
        d->run(batch, nullptr, {nullptr, &all});
    return all;
}

void OdbcConnection::beginTransaction()
{
    d->requireOpen();
    if (d->depth == 0
        && !ok(SQLSetConnectAttr(d->dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0)))
        throw d->error(SQL_HANDLE_DBC, d->dbc);
    ++d->depth;
}

void OdbcConnection::commit()
{
    d->requireOpen();
    if (d->depth == 0)
        throw SqlError(QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    if (d->depth == 1)
        d->endTran(SQL_COMMIT);
    --d->depth;
}

void OdbcConnection::rollback()
{
    d->requireOpen();
    if (d->depth == 0)
        throw SqlError(QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    d->depth = 0;
    d->endTran(SQL_ROLLBACK);
}

bool OdbcConnection::inTransaction() const
{
    return d->depth > 0;
}

std::vector<ColumnInfo> OdbcConnection::tableColumns(const QString& tableText)
{
    const QString table = TsqlDialect::tableName(tableText);
    const bool temp = table.startsWith(QLatin1Char('#'));
    const QString db = temp ? QStringLiteral("tempdb.") : QString();
    const QString object = temp ? QStringLiteral("tempdb..") + table : table;
    const ResultSet rs = query(
        QStringLiteral("select c.name, t.name, c.max_length, c.is_identity, c.is_nullable, "
                       "case when k.column_id is null then 0 else 1 end "
                       "from %1sys.columns c inner join %1sys.types t on t.user_type_id = c.user_type_id "
                       "left join (select ic.object_id, ic.column_id from %1sys.indexes i inner join %1sys.index_columns ic "
                       "on ic.object_id = i.object_id and ic.index_id = i.index_id where i.is_primary_key = 1) k "
                       "on k.object_id = c.object_id and k.column_id = c.column_id "
                       "where c.object_id = object_id(?) order by c.column_id").arg(db),
        {Value(object)});
    std::vector<ColumnInfo> cols;
    for (const auto& r : rs.rows) {
        ColumnInfo c;
        c.name = r[0].toString();
        c.type = r[1].toString().toLower();
        c.width = c.type.contains(QLatin1String("char")) ? int(r[2].toInteger()) : 0;
        if (c.type.startsWith(QLatin1Char('n')) && c.width > 0)
            c.width /= 2;
        c.identity = r[3].toBool();
        c.notNull = !r[4].toBool();
        c.primaryKey = r[5].toBool();
        cols.push_back(c);
    }
    return cols;
}

Value OdbcConnection::lastIdentity()
{
    // SCOPE_IDENTITY() is bound to the batch that inserted; from a later
    // batch of the same session @@IDENTITY gives the same value.
    return scalar(QStringLiteral("select @@IDENTITY"));
}

}  // namespace tj::db
