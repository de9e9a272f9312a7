// Grid printing of a large list: filling the sheet from a 5,000 × 30 grid,
// writing it as .xlsx, and cutting it into printed pages.
#include "platform/sheet/ReportTemplate.h"
#include "platform/sheet/SheetPrinter.h"
#include "reports/PrintGridView.h"

#include <QApplication>
#include "platform/sheet/SheetView.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class BigGrid : public tj::reports::PrintGridSource {
public:
    BigGrid(int rows, int cols) : rows_(rows), cols_(cols)
    {
        texts_.reserve(size_t(rows) * cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                texts_.push_back(c == 1 ? QString("姓名%1").arg(r) : QString("%1-%2").arg(r).arg(c));
    }
    int columnCount() const override { return cols_; }
    tj::reports::PrintGridColumn column(int c) const override { return {QString("列%1").arg(c), 80, c != 5, c == 7}; }
    int rowCount() const override { return rows_; }
    QString displayText(int r, int c) const override { return texts_[size_t(r) * cols_ + c]; }
    bool boolValue(int r, int) const override { return r % 2 == 0; }
    std::vector<tj::reports::PrintGridSummary> footerSummaries() const override { return {{0, QString("共 %1 条").arg(rows_)}}; }

private:
    int rows_, cols_;
    std::vector<QString> texts_;
};

const BigGrid& grid()
{
    static BigGrid g(5000, 30);
    return g;
}

void FillSheet(benchmark::State& state)
{
    for (auto _ : state) {
        tj::sheet::Sheet s = tj::sheet::makeReportTemplate();
        tj::reports::FillSheetFromGrid(s, grid(), "体检人员列表", "2024-01-01 至 2024-01-31");
        benchmark::DoNotOptimize(s.rowCount());
    }
}
BENCHMARK(FillSheet)->Unit(benchmark::kMillisecond);

void FillAndWriteXlsx(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        tj::sheet::Sheet s = tj::sheet::makeReportTemplate();
        tj::reports::FillSheetFromGrid(s, grid(), "体检人员列表", "2024-01-01 至 2024-01-31");
        tj::sheet::writeXlsx(s, dir.filePath("big.xlsx"));
    }
}
BENCHMARK(FillAndWriteXlsx)->Unit(benchmark::kMillisecond);

void ReadXlsx(benchmark::State& state)
{
    QTemporaryDir dir;
    tj::sheet::Sheet s = tj::sheet::makeReportTemplate();
    tj::reports::FillSheetFromGrid(s, grid(), "体检人员列表", "");
    tj::sheet::writeXlsx(s, dir.filePath("big.xlsx"));
    for (auto _ : state) benchmark::DoNotOptimize(tj::sheet::readSheet(dir.filePath("big.xlsx")).rowCount());
}
BENCHMARK(ReadXlsx)->Unit(benchmark::kMillisecond);

void Paginate(benchmark::State& state)
{
    tj::sheet::Sheet s = tj::sheet::makeReportTemplate();
    tj::reports::FillSheetFromGrid(s, grid(), "体检人员列表", "");
    for (auto _ : state) benchmark::DoNotOptimize(tj::sheet::paginate(s).size());
}
BENCHMARK(Paginate)->Unit(benchmark::kMillisecond);

}  // namespace

// Showing the filled sheet in the print window's spreadsheet view.
void ShowInView(benchmark::State& state)
{
    tj::sheet::SheetView view;
    for (auto _ : state) {
        tj::sheet::Sheet s = tj::sheet::makeReportTemplate();
        tj::reports::FillSheetFromGrid(s, grid(), "体检人员列表", "");
        view.setSheet(std::move(s));
    }
}
BENCHMARK(ShowInView)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
