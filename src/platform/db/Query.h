// A data set over one statement: navigation, fields by name, editing with
// posting by key, client-side filter and sort. Windows own their queries;
// all share one Connection.
#pragma once

#include "platform/db/Connection.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tj::db {

class Query;

// A light accessor to one field of the current row.
class Field {
public:
    Field(const Query* q, int column) : q_(q), col_(column) {}
    bool exists() const { return col_ >= 0; }
    QString name() const;
    Value value() const;
    bool isNull() const { return value().isNull(); }
    qint64 asInteger() const { return value().toInteger(); }
    QString asString() const { return value().toString(); }
    double asFloat() const { return value().toDouble(); }
    Currency asCurrency() const { return value().toCurrency(); }
    QDateTime asDateTime() const { return value().toDateTime(); }
    bool asBool() const { return value().toBool(); }

private:
    const Query* q_;
    int col_;
};

class Query : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit Query(Connection& connection, QObject* parent = nullptr);
    ~Query() override;

    Connection& connection() const { return conn_; }

    void setSql(const QString& sql);
    QString sql() const { return sql_; }

    // Runs the statement and holds its rows; the current row is the first.
    void open();
    // Re-runs the statement, keeping the current row number where possible.
    void refresh();
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    // Runs the statement without a result set; returns rows affected.
    int execSql();

    // Navigation over the visible rows (after filter and sort).
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount() const { return int(view_.size()); }
    bool isEmpty() const { return view_.empty(); }
    // 0-based position of the current row; -1 when there is none.
    int recNo() const { return cur_; }
    void setRecNo(int row);
    // Moves to the first visible row whose field equals value (text compared
    // case-insensitively, trailing blanks ignored); false when none.
    bool locate(const QString& field, const Value& value);

    Field field(const QString& name) const;
    // Field of the current row by column index.
    Field field(int column) const { return Field(this, column); }
    QStringList fieldNames() const { return rs_.columns; }
    int fieldIndex(const QString& name) const { return rs_.columnIndex(name); }
    // Value of a visible row (for grids).
    Value value(int row, int column) const;
    // Current row's value (the edit buffer while editing).
    Value currentValue(int column) const;

    // Editing.
    State state() const { return state_; }
    // Table that post writes to; by default the single table of the select.
    void setUpdateTable(const QString& table) { updateTable_ = table; }
    QString updateTable() const;
    // Key columns used by post/deleteCurrent; by default the table's
    // primary key.
    void setKeyFields(const QStringList& fields) { keyFields_ = fields; }
    void append();
    void edit();
    void setField(const QString& name, const Value& value);
    // Writes the changed fields of the row; on insert reads the new identity
    // back. A refused post throws SqlError and keeps the Edit/Insert state
    // and the typed values.
    void post();
    // The same together with further statements in one transaction: the
    // row is written, then `alongside` runs (it reads the row's fields,
    // the new identity included) and both are committed. When either
    // fails, both are rolled back and the row stays in editing with the
    // values typed; the error is thrown on.
    //   packages.post([&] { c.execute(SqlText::format("insert into tjian_tcan_sub(tcid, zhxmid) select %d, ...", id)); });
    void post(const std::function<void()>& alongside);
    void cancel();
    void deleteCurrent();

    // Client-side filter: "pyjma like 'zs*'" (a '*' pattern, case-insensitive),
    // "field=value", "field<>value", joined with "and". Empty clears it.
    void setFilter(const QString& filter);
    QString filter() const { return filter_; }
    // Client-side sort on one field; empty field restores statement order.
    void setSort(const QString& field, bool ascending = true);

signals:
    void stateChanged(tj::db::Query::State state);
    // The set of rows changed (opened, closed, filtered, sorted, refreshed).
    void dataChanged();
    // One visible row's values changed (posted, cancelled).
    void rowChanged(int row);
    void currentChanged(int row);

private:
    friend class Field;
    struct FilterTerm {
        int column;
        enum Op { Eq, Ne, Like } op;
        QString text;
    };

    void setState(State s);
    // post in two steps: the statements, then the row kept and the signals.
    void writeRow();
    void finishPost();
    void rebuildView();
    void moveTo(int row);
    bool rowMatches(const std::vector<Value>& row) const;
    std::vector<QString> keyColumns();

    Connection& conn_;
    QString sql_;
    ResultSet rs_;
    std::vector<int> view_;      // visible rows: indices into rs_.rows
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    State state_ = State::Inactive;

    std::vector<Value> buffer_;  // edit buffer of the current row
    std::vector<bool> changed_;
    int insertAt_ = -1;          // view position of the row being inserted

    QString updateTable_;
    QStringList keyFields_;
    QString filter_;
    std::vector<FilterTerm> filterTerms_;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

}  // namespace tj::db
