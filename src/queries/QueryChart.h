// A chart beside a query window's list: bars or a pie over named values,
// with the buttons 打印图表 and 导出图表. Printing and export lay the chart
// out above the window's list (the grid as shown, with its footer) on A4
// pages; export writes them as PDF or, page by page, as PNG pictures.
#pragma once

#include "platform/report/PageModel.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QChartView;
class QPushButton;

namespace tj::ui {
class DataGrid;
}

namespace tj::queries {

class QueryChart : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Bars, Pie };
    struct Point {
        QString label;
        double value = 0;
    };

    QueryChart(const QString& title, Kind kind, QWidget* parent = nullptr);
    ~QueryChart() override;

    // Replaces what the chart shows (an empty list clears it).
    void setPoints(const std::vector<Point>& points);
    const std::vector<Point>& points() const { return points_; }
    QString title() const { return title_; }
    void setTitle(const QString& title);

    // The list printed under the chart, with the title and subtitle its window prints.
    void setList(const ui::DataGrid* grid, std::function<QString()> title, std::function<QString()> subtitle);

    // The chart as a picture of the given size in pixels.
    QImage render(const QSize& size) const;
    // The pages: title, subtitle, the chart, then the list.
    report::Document document() const;
    // Writes the pages to path: ".pdf" one file, ".png" one picture per
    // page (the second and later pages as name-2.png, name-3.png ...).
    // Returns the files written.
    QStringList exportTo(const QString& path) const;

    QChartView* view() const { return view_; }
    QPushButton* BtnPrintChart = nullptr;
    QPushButton* BtnExportChart = nullptr;

public slots:
    void BtnPrintChartClick();
    void BtnExportChartClick();

private:
    void rebuild();

    QString title_;
    Kind kind_;
    std::vector<Point> points_;
    QChartView* view_ = nullptr;
    const ui::DataGrid* grid_ = nullptr;
    std::function<QString()> listTitle_;
    std::function<QString()> listSubtitle_;
};

}  // namespace tj::queries
