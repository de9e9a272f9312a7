#include "queries/QueryChart.h"

#include "platform/report/Report.h"
#include "platform/report/Output.h"
#include "platform/ui/Dialogs.h"
#include "reports/DataGridPrintSource.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace tj::queries {

namespace {
// Bars keep a label each up to this many; beyond it the axis names every n-th.
constexpr int LabelledBars = 31;
const QString ChartFont = QStringLiteral("宋体");

QFont chartFont(int points, bool bold = false)
{
    QFont f(ChartFont, points);
    f.setBold(bold);
    return f;
}
}  // namespace

QueryChart::QueryChart(const QString& title, Kind kind, QWidget* parent) : QWidget(parent), title_(title), kind_(kind)
{
    report::installFontSubstitutions();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QChartView(this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(300, 220);
    layout->addWidget(view_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnPrintChart = new QPushButton(QStringLiteral("打印图表"), this);
    BtnExportChart = new QPushButton(QStringLiteral("导出图表"), this);
    for (QPushButton* b : {BtnPrintChart, BtnExportChart}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(BtnPrintChart, &QPushButton::clicked, this, &QueryChart::BtnPrintChartClick);
    connect(BtnExportChart, &QPushButton::clicked, this, &QueryChart::BtnExportChartClick);
    rebuild();
}

QueryChart::~QueryChart() = default;

void QueryChart::setTitle(const QString& title)
{
    title_ = title;
    view_->chart()->setTitle(title_);
}

void QueryChart::setPoints(const std::vector<Point>& points)
{
    points_ = points;
    rebuild();
}

void QueryChart::setList(const ui::DataGrid* grid, std::function<QString()> title, std::function<QString()> subtitle)
{
    grid_ = grid;
    listTitle_ = std::move(title);
    listSubtitle_ = std::move(subtitle);
}

void QueryChart::rebuild()
{
    auto* chart = new QChart;
    chart->setTitle(title_);
    chart->setTitleFont(chartFont(11, true));
    chart->legend()->setFont(chartFont(9));
    chart->setAnimationOptions(QChart::NoAnimation);
    const bool enabled = !points_.empty();
    if (kind_ == Kind::Pie) {
        auto* series = new QPieSeries;
        double total = 0;
        for (const Point& p : points_)
            total += p.value;
        for (const Point& p : points_) {
            const double share = total > 0 ? p.value * 100.0 / total : 0;
            QPieSlice* slice = series->append(QStringLiteral("%1 %2（%3%）").arg(p.label).arg(p.value).arg(share, 0, 'f', 1), p.value);
            // The legend carries the texts: labels around a small pie get cut.
            slice->setLabelVisible(false);
        }
        chart->addSeries(series);
        chart->legend()->setAlignment(Qt::AlignRight);
    } else {
        auto* set = new QBarSet(title_);
        for (const Point& p : points_)
            *set << p.value;
        auto* series = new QBarSeries;
        series->append(set);
        const int n = int(points_.size());
        series->setLabelsVisible(n <= LabelledBars);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        series->setLabelsPrecision(12);
        set->setLabelColor(Qt::black);
        set->setLabelFont(chartFont(8));
        chart->addSeries(series);
        chart->legend()->setVisible(false);
        double top = 0;
        for (const Point& p : points_)
            top = std::max(top, p.value);
        if (n <= LabelledBars) {
            auto* x = new QBarCategoryAxis;
            QStringList labels;
            for (const Point& p : points_)
                labels << p.label;
            x->append(labels);
            x->setLabelsFont(chartFont(8));
            if (n > 8)
                x->setLabelsAngle(-60);
            chart->addAxis(x, Qt::AlignBottom);
            series->attachAxis(x);
        } else {
            // A long range: every n-th bar named, the bars at their positions.
            auto* x = new QCategoryAxis;
            x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
            const int every = int(std::ceil(n / 12.0));
            for (int i = 0; i < n; i += every)
                x->append(points_[std::size_t(i)].label, i);
            x->setRange(-0.5, n - 0.5);
            x->setLabelsFont(chartFont(8));
            x->setLabelsAngle(-60);
            chart->addAxis(x, Qt::AlignBottom);
            series->attachAxis(x);
        }
        // Whole steps of 1, 2 or 5 times a power of ten, about five of them.
        auto* y = new QValueAxis;
        const double rough = std::max(1.0, top * 1.15 / 5);
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        const double step = (rough <= power ? 1 : rough <= 2 * power ? 2 : rough <= 5 * power ? 5 : 10) * power;
        y->setTickType(QValueAxis::TicksDynamic);
        y->setTickAnchor(0);
        y->setTickInterval(step);
        y->setRange(0, std::max(step, std::ceil(top * 1.15 / step) * step));
        y->setLabelFormat(QStringLiteral("%.0f"));
        y->setLabelsFont(chartFont(8));
        chart->addAxis(y, Qt::AlignLeft);
        series->attachAxis(y);
    }
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    BtnPrintChart->setEnabled(enabled);
    BtnExportChart->setEnabled(enabled);
}

QImage QueryChart::render(const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The scene is drawn at the size asked for, whatever the view's size on screen.
    QChart* chart = view_->chart();
    const QSizeF shown = chart->size();
    chart->resize(size);
    view_->scene()->render(&painter, QRectF(QPointF(0, 0), size), QRectF(chart->pos(), QSizeF(size)));
    chart->resize(shown);
    return image;
}

report::Document QueryChart::document() const
{
    using report::Item;
    report::installFontSubstitutions();
    report::ReportLayout layout;
    layout.name = title_;
    const double width = layout.pageSizeMm().width() - layout.marginsMm.left() - layout.marginsMm.right();
    const QFont titleFont = report::makeFont(ChartFont, 14, true);
    const QFont font = report::makeFont(ChartFont, 9);
    const QString title = listTitle_ ? listTitle_() : title_;
    const QString subtitle = listSubtitle_ ? listSubtitle_() : QString();

    // Title, subtitle and the chart on the first page.
    const double chartHeight = width * 0.55;
    const QImage picture = render(QSize(1600, int(1600 * 0.55)));
    layout.title.height = 18 + chartHeight + 4;
    layout.title.add(Item::label(QRectF(0, 0, width, 9), title, titleFont, Qt::AlignCenter));
    layout.title.add(Item::label(QRectF(0, 10, width, 6), subtitle, font, Qt::AlignLeft | Qt::AlignVCenter));
    layout.title.add(Item::picture(QRectF(0, 18, width, chartHeight), [picture](const report::Context&) { return picture; }));
    layout.pageFooter.height = 8;
    layout.pageFooter.add(Item::pageNumber(QRectF(0, 2, width, 5), QStringLiteral("第%1页/共%2页"), font));

    // The list as the grid shows it: visible columns, widths in proportion.
    auto rows = std::make_shared<report::TableDataSource>();
    if (grid_) {
        const reports::DataGridPrintSource source(*grid_);
        std::vector<int> columns;
        double pixels = 0;
        for (int c = 0; c < source.columnCount(); ++c)
            if (source.column(c).visible) {
                columns.push_back(c);
                pixels += std::max(source.column(c).width, 20);
            }
        QStringList fields;
        for (int c : columns)
            fields << QStringLiteral("c%1").arg(c);
        rows->setFields(fields);
        for (int r = 0; r < source.rowCount(); ++r) {
            QVariantList values;
            for (int c : columns)
                values << (source.column(c).isBoolean ? QVariant(source.boolValue(r, c) ? QStringLiteral("√") : QString())
                                                      : QVariant(source.displayText(r, c)));
            rows->addRow(values);
        }
        QStringList footer(int(columns.size()));
        for (const auto& s : source.footerSummaries())
            for (std::size_t k = 0; k < columns.size(); ++k)
                if (columns[k] == s.column)
                    footer[int(k)] = s.text;
        if (!columns.empty() && footer[0].isEmpty())
            footer[0] = QStringLiteral("合计");

        report::DataBand band;
        band.source = [rows](const report::Context&) { return rows.get(); };
        band.header.height = 6;
        band.detail.height = 5;
        band.footer.height = 6;
        double x = 0;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const auto look = source.column(columns[k]);
            const double w = width * std::max(look.width, 20) / pixels;
            const QRectF cell(x, 0, w, 5);
            band.header.add(Item::label(QRectF(x, 0, w, 6), look.caption, report::makeFont(ChartFont, 9, true), Qt::AlignCenter).framed());
            band.detail.add(Item::field(cell, fields[int(k)], font, Qt::AlignLeft | Qt::AlignVCenter).framed());
            band.footer.add(Item::label(QRectF(x, 0, w, 6), footer[int(k)], font, Qt::AlignLeft | Qt::AlignVCenter).framed());
            x += w;
        }
        band.printWhenEmpty = true;
        layout.data.push_back(std::move(band));
    }
    report::Document doc = report::layoutReport(layout);
    doc.title = title_;
    return doc;
}

QStringList QueryChart::exportTo(const QString& path) const
{
    const report::Document doc = document();
    QStringList written;
    const QFileInfo info(path);
    if (info.suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
        for (int p = 0; p < doc.pageCount(); ++p) {
            const QString file = p == 0 ? path
                                        : info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(p + 1).arg(info.suffix()));
            if (!doc.renderPage(p, 150).save(file, "PNG"))
                throw report::ReportError(QStringLiteral("无法写入文件：%1").arg(file));
            written << file;
        }
    } else {
        report::outputDocument(doc, report::Output::Pdf, path);
        written << path;
    }
    return written;
}

void QueryChart::BtnPrintChartClick()
{
    if (points_.empty())
        return;
    try {
        report::outputDocument(document(), report::Output::Print, {}, window());
    } catch (const report::ReportError& e) {
        ui::Dialogs::instance().warning(e.message());
    }
}

void QueryChart::BtnExportChartClick()
{
    if (points_.empty())
        return;
    QString path = ui::Dialogs::instance().saveFile(QStringLiteral("导出图表"), QString(),
                                                    QStringLiteral("PDF文件（*.PDF）|*.pdf|PNG图片（*.PNG）|*.png"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    try {
        const QStringList files = exportTo(path);
        ui::Dialogs::instance().info(QStringLiteral("图表已导出：%1").arg(files.join(QStringLiteral("，"))));
    } catch (const report::ReportError& e) {
        ui::Dialogs::instance().warning(e.message());
    }
}

}  // namespace tj::queries
