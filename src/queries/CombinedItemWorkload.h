// The combined-item workload windows: every combined item examined on the
// visits registered in a range, with the number of different visits and the
// value of that count at today's list and accounting prices. The members
// differ in the filter of their statement and what they show above the grid.
#pragma once

#include "reports/QueryWindow.h"

class QLabel;

namespace tj::queries {

class CombinedItemWorkload : public reports::QueryWindow {
    Q_OBJECT
public:
    bool Search() override;
    void FormShow() override;

    QLabel* LblWho = nullptr;  // 科室名称：/ 体检医生：and the session's name; null when nothing is shown
    db::Query QryKshi;         // names of the 科室名称 column

protected:
    // caption: the window's caption and print title; who: the caption shown
    // above the grid ("" for none); departmentColumn: the 科室名称 column.
    CombinedItemWorkload(const QString& caption, const QString& who, bool departmentColumn, QWidget* parent);
    // The statement for the day range.
    virtual QString Statement(const QString& rangeStart, const QString& rangeEnd) const = 0;
    // The name shown after the caption above the grid.
    virtual QString WhoName() const { return QString(); }

private:
    QString who_;
};

// 科室医生工作量报表: every department's combined items.
class TFPrint_KsYsGzlBbiao : public CombinedItemWorkload {
    Q_OBJECT
public:
    explicit TFPrint_KsYsGzlBbiao(QWidget* parent = nullptr);
    static QString StatementFor(const QString& rangeStart, const QString& rangeEnd);

protected:
    QString Statement(const QString& rangeStart, const QString& rangeEnd) const override;
};

// 科室工作量统计报表: the combined items of the logged-in user's department.
class TFPrint_KsGzlBbiao : public CombinedItemWorkload {
    Q_OBJECT
public:
    explicit TFPrint_KsGzlBbiao(QWidget* parent = nullptr);
    static QString StatementFor(int department, const QString& rangeStart, const QString& rangeEnd);

protected:
    QString Statement(const QString& rangeStart, const QString& rangeEnd) const override;
    QString WhoName() const override;
};

// 医生工作量统计报表: the result rows saved by the logged-in user.
class TFPrint_YsGzlBbiao : public CombinedItemWorkload {
    Q_OBJECT
public:
    explicit TFPrint_YsGzlBbiao(QWidget* parent = nullptr);
    static QString StatementFor(int doctor, const QString& rangeStart, const QString& rangeEnd);

protected:
    QString Statement(const QString& rangeStart, const QString& rangeEnd) const override;
    QString WhoName() const override;
};

}  // namespace tj::queries
