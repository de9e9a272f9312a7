// PDF output of the report engine: one typical A4 page of about sixty texts
// (labels, values, a result table) laid out and written as a PDF file, and
// the same page written many times in a row as the batch report export does.
#include "platform/report/Batch.h"
#include "platform/report/Report.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tj::report;

namespace {

ReportLayout typicalPage()
{
    ReportLayout L;
    L.name = "体检报告";
    QFont head = makeFont("楷体", 20, true), bold = makeFont("宋体", 10, true), body = makeFont("宋体", 10);
    L.title.height = 30;
    L.title.add(Item::label({0, 0, 190, 12}, "健康体检报告", head, Qt::AlignCenter));
    L.title.add(Item::label({0, 14, 120, 6}, "尊敬的张三先生/女士：", body));
    L.title.add(Item::label({120, 14, 70, 6}, "体检号：12-35", body, Qt::AlignRight | Qt::AlignVCenter));
    L.pageFooter.height = 10;
    L.pageFooter.add(Item::line({0, 1}, {190, 1}));
    L.pageFooter.add(Item::pageNumber({0, 2, 190, 6}, "第 %1 页 共 %2 页", body));
    L.summary.height = 270;
    if (qEnvironmentVariableIsSet("TJ_BENCH_MANY_GLYPHS"))
        L.summary.add(Item::memo({0, 230, 190, 30}, [](const Context&) { return QString("首先感谢您配合我们完成了这次医学检查，也衷心地感谢您对我们工作的信任，在此我们要提请您注意的是由于医学技术发展的局限，个体间可能存在的生物差异以及您选择的检查项目并未涵盖全身所有的脏器，因此医生所做的体检综述及医学建议仅仅是依据您的陈述和本次检查的结果而得出的，通常这对大多数人而言是确切的，但鉴于任何一次医学检查的手段和方法都不具备绝对的特异性和灵敏度（即不存在100%的可靠和准确）这一事实，我们建议您对异常的结果进行随访复查和其他相关检查，便于医生有更多更翔实的医学证据去建立医学判断。同时，为了您的健康，我们建议您至少每年进行一次系统检查。最后欢迎您再次来中心进行健康检查。甲状腺结节肝囊肿脂肪肝胆囊息肉肾结石前列腺增生子宫肌瘤乳腺增生血压偏高血脂异常高尿酸血症幽门螺杆菌阳性颈椎病骨质疏松"); }, body));
    for (int r = 0; r < 28; ++r) {
        double y = r * 8;
        L.summary.add(Item::label({0, y, 70, 7}, QString("检查项目名称%1（血常规）").arg(r + 1), body));
        L.summary.add(Item::label({72, y, 30, 7}, QString::number(4.5 + r * 0.1, 'f', 2), bold, Qt::AlignRight | Qt::AlignVCenter));
        if (r % 4 == 0) L.summary.add(Item::line({0, y + 7.5}, {190, y + 7.5}, 0.1, Qt::DotLine));
    }
    return L;
}

void LayoutTypicalPage(benchmark::State& state)
{
    ReportLayout L = typicalPage();
    for (auto _ : state) benchmark::DoNotOptimize(layoutReport(L).pageCount());
}
BENCHMARK(LayoutTypicalPage)->Unit(benchmark::kMillisecond);

void ExportTypicalPagePdf(benchmark::State& state)
{
    Document doc = layoutReport(typicalPage());
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) exportPdf(doc, dir.filePath(QString("%1.pdf").arg(n++ % 20)));
}
BENCHMARK(ExportTypicalPagePdf)->Unit(benchmark::kMillisecond);

// An examination report of six such pages, as one file of the batch export.
void ExportSixPagePdf(benchmark::State& state)
{
    Document page = layoutReport(typicalPage());
    Document doc = page;
    for (int i = 1; i < 6; ++i) doc.pages.push_back(page.pages.front());
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) exportPdf(doc, dir.filePath(QString("%1.pdf").arg(n++ % 20)));
    if (qEnvironmentVariableIsSet("TJ_KEEP_PDF")) exportPdf(doc, qEnvironmentVariable("TJ_KEEP_PDF"));
}
BENCHMARK(ExportSixPagePdf)->Unit(benchmark::kMillisecond);

// The batch export: one file per person through the batch runner, fifty
// six-page reports per iteration (the 500-report export takes ten times as long).
void BatchFiftySixPageFiles(benchmark::State& state)
{
    Document page = layoutReport(typicalPage());
    QTemporaryDir dir;
    for (auto _ : state) {
        BatchRunner run(50, [&](int) {
            Document doc = page;
            for (int i = 1; i < 6; ++i) doc.pages.push_back(page.pages.front());
            return doc;
        });
        run.toPdfFiles(dir.path(), [](int i) { return QString("%1 张三").arg(i); });
    }
}
BENCHMARK(BatchFiftySixPageFiles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
