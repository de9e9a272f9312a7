// What the report helpers hand to people and machines: barcodes a scanner
// reads back, the standard header and footer with the true page count, PDF
// files whose Chinese text can be copied out, one call for every output, and
// batches into one job, one file or one file per item.
#include "platform/report/Batch.h"
#include "platform/report/Output.h"
#include "platform/report/Report.h"
#include "platform/report/StandardBands.h"
#include "support/PrintedOutput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj::report;
using tj::test::decodeBarcode;

namespace {

QFont font(double pt = 10, bool bold = false)
{
    return makeFont("宋体", pt, bold);
}

// A report of `pages` pages, each with one line naming the item and the page.
Document pagesOf(const QString& name, int pages, QSizeF sizeMm = {210, 297})
{
    Document doc;
    doc.title = name;
    doc.pageSizeMm = sizeMm;
    for (int p = 0; p < pages; ++p) {
        Element e;
        e.kind = Element::Kind::Text;
        e.rect = QRectF(20, 20, 150, 10);
        e.text = QString("%1 第%2页").arg(name).arg(p + 1);
        e.font = font();
        e.flags = Qt::AlignLeft | Qt::AlignVCenter;
        doc.pages.push_back({{e}});
    }
    return doc;
}

// A label-sized page (100 × 50 mm, margins 10 mm) with one barcode.
Document barcodeDocument(const QString& text, QRectF rect = {20, 10, 60, 18})
{
    ReportLayout L;
    L.customSizeMm = QSizeF(100, 50);
    L.summary.height = 40;
    L.summary.add(Item::barcode(rect, [text](const Context&) { return text; }));
    return layoutReport(L);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// ---- Barcodes ----------------------------------------------------------------

TEST(Barcode, RenderedPageAndPdfDecodeBackToTheText)
{
    QTemporaryDir dir;
    const bool havePoppler = tj::test::popplerTool("pdftoppm", {"-v"}).has_value();
    for (const QString text : {"12-35", "0-1", "1234-99999", "Ab 7/x"}) {
        SCOPED_TRACE(text.toStdString());
        Document doc = barcodeDocument(text);
        ASSERT_EQ(doc.pageCount(), 1);
        // Bars inside the item's rectangle (10 mm page margin), text under them.
        const auto& els = doc.pages[0].elements;
        ASSERT_EQ(els.size(), 2u);
        EXPECT_EQ(els[0].kind, Element::Kind::Path);
        EXPECT_TRUE(QRectF(30, 20, 60, 18).contains(els[0].rect));
        EXPECT_EQ(doc.texts(0), QStringList{text});
        EXPECT_GT(els[1].rect.top(), els[0].rect.bottom() - 0.01);

        EXPECT_EQ(decodeBarcode(doc.renderPage(0, 300)), text);
        EXPECT_EQ(decodeBarcode(doc.renderPage(0, 600)), text);

        // The PDF carries the bars as drawing: rasterised by another program
        // they still scan.
        const QString pdf = dir.filePath(QString("barcode-%1.pdf").arg(text.size()));
        exportPdf(doc, pdf);
        ASSERT_TRUE(readAll(pdf).startsWith("%PDF"));
        if (!havePoppler) continue;
        const QString png = dir.filePath("page");
        tj::test::popplerTool("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, png});
        EXPECT_EQ(decodeBarcode(QImage(png + ".png")), text);
    }
}

TEST(Barcode, NarrowBoxStillScansAndModuleWidthIsKept)
{
    // Ten modules of quiet zone each side plus the symbol must fit: a 30 mm
    // box gives bars about 0.25 mm wide, still read at 600 dpi.
    Document narrow = barcodeDocument("12-35", {0, 0, 30, 12});
    EXPECT_LE(narrow.pages[0].elements[0].rect.width(), 30.0);
    EXPECT_EQ(decodeBarcode(narrow.renderPage(0, 600)), "12-35");

    ReportLayout L;
    L.customSizeMm = QSizeF(170, 40);
    L.summary.height = 20;
    L.summary.add(Item::barcode({0, 0, 150, 15}, [](const Context&) { return QString("12-35"); },
                                {.showText = false, .moduleMm = 0.254}));
    Document doc = layoutReport(L);
    ASSERT_EQ(doc.pages[0].elements.size(), 1u);
    // Code 128 of "12-35" has 90 modules (start, 5 symbols, check, stop).
    EXPECT_NEAR(doc.pages[0].elements[0].rect.width(), 0.254 * 90, 0.01);
    EXPECT_NEAR(doc.pages[0].elements[0].rect.height(), 15, 0.01);
}

TEST(Barcode, EmptyTextPrintsNothingAndChineseIsRefusedWithAMessage)
{
    Document empty = barcodeDocument("");
    EXPECT_TRUE(empty.pages[0].elements.empty());
    try {
        barcodeDocument("张三");
        FAIL() << "Chinese text encoded";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().contains("条形码")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("张三"));
    }
}

// ---- Standard header and footer ---------------------------------------------

TEST(StandardBands, FooterShowsTheTruePageCountAndHeaderSitsAboveOwnItems)
{
    TableDataSource rows({"name"});
    for (int i = 0; i < 150; ++i) rows.addRow({QString("人员%1").arg(i + 1)});
    for (HeaderOn on : {HeaderOn::EveryPage, HeaderOn::FirstPage}) {
        ReportLayout L;
        const double y = AddStandardHeader(L, "岚川体检中心", "体检人员名单", QDate(2024, 5, 8), on);
        Band& top = on == HeaderOn::EveryPage ? L.pageHeader : L.title;
        top.add(Item::label({0, y, 40, 6}, "姓名", font(10, true)));
        top.height = y + 6;
        const double footer = AddStandardFooter(L);
        EXPECT_NEAR(footer, L.pageFooter.height, 1e-9);
        DataBand d;
        d.setSource(&rows);
        d.detail.height = 8;
        d.detail.add(Item::field({0, 0, 40, 8}, "name", font()));
        L.data.push_back(d);

        Document doc = layoutReport(L);
        ASSERT_EQ(doc.pageCount(), 5) << "rows per page changed: adjust the row count";
        for (int p = 0; p < 5; ++p) {
            const QStringList t = doc.texts(p);
            EXPECT_TRUE(t.contains(QString("第 %1 页 共 5 页").arg(p + 1))) << t.join('|').toStdString();
            const bool headed = on == HeaderOn::EveryPage || p == 0;
            EXPECT_EQ(t.contains("岚川体检中心"), headed) << "page " << p + 1;
            EXPECT_EQ(t.contains("体检人员名单"), headed);
            EXPECT_EQ(t.contains("打印日期：2024-05-08"), headed);
        }
        EXPECT_TRUE(doc.texts(1).contains("第 2 页 共 5 页"));
        // The caption starts below the header's rule.
        double rule = 0, caption = 0;
        for (const Element& e : doc.pages[0].elements) {
            if (e.kind == Element::Kind::Line && rule == 0) rule = e.rect.top();
            if (e.text == "姓名") caption = e.rect.top();
        }
        EXPECT_GT(caption, rule);
    }
}

TEST(StandardBands, NoCentreNameLeavesNoGapAndWidthFollowsThePaper)
{
    ReportLayout L;
    L.landscape = true;
    L.marginsMm = QMarginsF(15, 10, 15, 10);
    const double withCentre = AddStandardHeader(L, "中心", "标题", QDate(2024, 1, 2));
    ReportLayout M = L;
    M.pageHeader = Band();
    const double without = AddStandardHeader(M, "", "标题", QDate(2024, 1, 2));
    EXPECT_LT(without, withCentre);
    // Landscape A4 between margins of 15 mm: 267 mm.
    for (const Item& i : M.pageHeader.items)
        if (i.kind == Item::Kind::Line) {
            EXPECT_NEAR(i.rect.width(), 267, 0.01);
        }
}

// ---- PDF files -----------------------------------------------------------------

TEST(Pdf, ChineseFontsAreEmbeddedAndTextCopiesOutUnchanged)
{
    // Characters the Chinese fonts draw with the glyph of a radical.
    const QString line = "第 2 页 共 5 页 医生 长门 马车 黄龙 见贝 鱼鸟 风飞";
    ReportLayout L;
    L.summary.height = 60;
    L.summary.add(Item::label({0, 0, 190, 10}, line, makeFont("宋体", 12)));
    L.summary.add(Item::label({0, 15, 190, 10}, "医学声明 " + line, makeFont("黑体", 12, true)));
    L.summary.add(Item::label({0, 30, 190, 10}, "健康体检报告 " + line, makeFont("楷体", 16, true)));
    QTemporaryDir dir;
    const QString path = dir.filePath("体检报告.pdf");
    exportPdf(layoutReport(L), path);
    EXPECT_TRUE(tj::test::pdfCrossReferenceIsSound(path));

    const auto fonts = tj::test::pdfFonts(path);
    const auto text = tj::test::pdfText(path);
    if (!fonts || !text) GTEST_SKIP() << "poppler-utils (pdffonts, pdftotext) not installed";
    const QStringList fontLines = fonts->split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fontLines.isEmpty()) << fonts->toStdString();
    for (const QString& f : fontLines) {
        EXPECT_TRUE(f.contains("CJK")) << f.toStdString();
        // Columns: name, type (two words), encoding, emb, sub, uni.
        EXPECT_TRUE(f.contains(QRegularExpression("Identity-H\\s+yes\\s+\\S+\\s+yes"))) << f.toStdString();
    }
    EXPECT_EQ(text->count(line), 3) << text->toStdString();
    EXPECT_TRUE(text->contains("医学声明"));
}

TEST(Pdf, PagesKeepTheirOwnSizeAndTurnedPagesAreLandscape)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mixed.pdf");
    PdfFile pdf(path);
    pdf.add(pagesOf("封面", 1));
    pdf.add(pagesOf("月结", 2, {297, 210}));
    EXPECT_EQ(pdf.pageCount(), 3);
    EXPECT_FALSE(QFile::exists(path)) << "the file appears only when finished";
    pdf.finish();
    const QByteArray bytes = readAll(path);
    QList<QSizeF> boxes;
    static const QRegularExpression box("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]");
    for (auto it = box.globalMatch(QString::fromLatin1(bytes)); it.hasNext();) {
        auto m = it.next();
        boxes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_LT(boxes[0].width(), boxes[0].height());
    EXPECT_GT(boxes[1].width(), boxes[1].height());
    EXPECT_NEAR(boxes[2].width(), 842, 1);
}

TEST(Pdf, AFailedOrUnfinishedFileLeavesThePreviousOneAndNoLeftovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("报告.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old report");
    }
    {
        PdfFile pdf(path);
        pdf.add(pagesOf("新", 2));
    }  // dropped without finish()
    EXPECT_EQ(readAll(path), "old report");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"报告.pdf"});

    exportPdf(pagesOf("新", 2), path);
    EXPECT_TRUE(readAll(path).startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"报告.pdf"});

    try {
        exportPdf(pagesOf("新", 1), dir.filePath("没有的文件夹/报告.pdf"));
        FAIL() << "written into a missing folder";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().startsWith("无法写入文件")) << e.message().toStdString();
    }
}

// ---- One call for every output ---------------------------------------------

TEST(Output, CaptureKeepsWhatGoesToScreenAndPrinterAndPdfIsWritten)
{
    ReportLayout L;
    L.name = "导检单";
    L.summary.height = 10;
    L.summary.add(Item::label({0, 0, 50, 10}, "导检单", font()));
    QTemporaryDir dir;
    OutputCapture capture;
    EXPECT_TRUE(outputReport(L, Output::Preview));
    EXPECT_TRUE(outputReport(L, Output::PrintNoDialog));
    EXPECT_TRUE(outputReport(L, Output::Pdf, dir.filePath("a.pdf")));
    capture.acceptPrintDialog = false;
    EXPECT_FALSE(outputReport(L, Output::Print));
    capture.acceptPrintDialog = true;
    EXPECT_TRUE(outputReport(L, Output::Print));
    ASSERT_EQ(capture.sent.size(), 4u);
    EXPECT_EQ(capture.sent[0].how, Output::Preview);
    EXPECT_EQ(capture.sent[1].how, Output::PrintNoDialog);
    EXPECT_EQ(capture.sent[2].how, Output::Pdf);
    EXPECT_EQ(capture.sent[3].how, Output::Print);
    EXPECT_EQ(capture.sent[0].document.texts(0), QStringList{"导检单"});
    EXPECT_TRUE(readAll(dir.filePath("a.pdf")).startsWith("%PDF"));
    EXPECT_THROW(outputReport(L, Output::Pdf), ReportError);
}

TEST(Output, NoDefaultPrinterIsAClearMessageNotACrash)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    const Document doc = pagesOf("导检单", 1);
    for (int batch = 0; batch < 2; ++batch) {
        int rendered = 0;
        try {
            if (batch) BatchRunner(3, [&](int) { ++rendered; return doc; }).toDefaultPrinter();
            else outputDocument(doc, Output::PrintNoDialog);
            FAIL() << "printed without a printer";
        } catch (const ReportError& e) {
            EXPECT_TRUE(e.message().contains("打印机")) << e.message().toStdString();
        }
        EXPECT_EQ(rendered, 0);
    }
}

// ---- Batches ---------------------------------------------------------------------

TEST(Batch, OnePrintJobHoldsEveryItemsPages)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("job.pdf"));
    BatchResult r = BatchRunner(4, [](int i) { return pagesOf(QString("人员%1").arg(i), i + 1); }).toPrinter(printer, "体检报告");
    EXPECT_EQ(r.done, 4);
    EXPECT_EQ(r.pages, 10);
    EXPECT_EQ(tj::test::pdfPageCount(dir.filePath("job.pdf")), 10);
}

TEST(Batch, OnePdfPerItemNamedSafelyWithProgressAndFlatMemory)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("体检报告/2024-05");  // made by the run
    QImage probe(8, 8, QImage::Format_RGB32);
    int afterCalls = 0;
    std::vector<std::pair<int, int>> steps;
    bool earlierDocumentAlive = false;
    BatchRunner run(30, [&](int i) {
        // Every earlier document was dropped: nobody else holds the picture.
        earlierDocumentAlive = earlierDocumentAlive || !probe.isDetached();
        Document doc = pagesOf(QString("人员%1").arg(i), 1);
        Element pic;
        pic.kind = Element::Kind::Image;
        pic.rect = QRectF(100, 100, 10, 10);
        pic.image = probe;
        doc.pages[0].elements.push_back(pic);
        return doc;
    });
    run.withProgress([&](int done, int total) { steps.push_back({done, total}); return true; })
        .afterEach([&](int) { ++afterCalls; });
    BatchResult r = run.toPdfFiles(folder, [](int i) {
        if (i == 7) return QString("00012-00007 张/三?");
        if (i == 8) return QString("00012-00007 张_三_");  // the same once made safe
        return QString("%1 张三").arg(QString("00012-%1").arg(i, 5, 10, QChar('0')));
    });
    EXPECT_FALSE(earlierDocumentAlive);
    EXPECT_EQ(r.done, 30);
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(r.failures.empty());
    EXPECT_EQ(afterCalls, 30);
    EXPECT_EQ(r.files.size(), 30);
    const QStringList files = QDir(folder).entryList({"*.pdf"}, QDir::Files);
    EXPECT_EQ(files.size(), 30);
    EXPECT_TRUE(files.contains("00012-00000 张三.pdf"));
    EXPECT_TRUE(files.contains("00012-00029 张三.pdf"));
    EXPECT_TRUE(files.contains("00012-00007 张_三_.pdf"));
    EXPECT_TRUE(files.contains("00012-00007 张_三_ (2).pdf"));
    ASSERT_EQ(steps.size(), 31u);
    EXPECT_EQ(steps.front(), std::make_pair(0, 30));
    EXPECT_EQ(steps.back(), std::make_pair(30, 30));
}

TEST(Batch, CancelStopsBetweenItems)
{
    QTemporaryDir dir;
    int rendered = 0, logged = 0;
    BatchRunner run(30, [&](int i) { ++rendered; return pagesOf(QString::number(i), 1); });
    run.withProgress([](int done, int) { return done < 5; }).afterEach([&](int) { ++logged; });
    BatchResult r = run.toPdfFiles(dir.path(), [](int i) { return QString::number(i); });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.done, 5);
    EXPECT_EQ(rendered, 5);
    EXPECT_EQ(logged, 5);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).size(), 5);
}

TEST(Batch, OnePdfForAllHoldsTheSumOfPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("全部.pdf");
    BatchResult r = BatchRunner(12, [](int i) { return pagesOf(QString("人员%1").arg(i), i % 3 + 1); }).toPdf(path);
    EXPECT_EQ(r.done, 12);
    EXPECT_EQ(r.pages, 24);
    EXPECT_EQ(r.files, QStringList{path});
    EXPECT_EQ(tj::test::pdfPageCount(path), 24);
    EXPECT_TRUE(tj::test::pdfCrossReferenceIsSound(path));
    if (auto text = tj::test::pdfText(path)) {
        EXPECT_TRUE(text->contains("人员0 第1页"));
        EXPECT_TRUE(text->contains("人员11 第3页"));
    }
}

TEST(Batch, FailingItemsAreReportedWithTheirReasons)
{
    struct Case {
        bool stop;
        int done;
        std::vector<int> failed;
    };
    for (const Case& c : {Case{false, 4, {2, 4}}, Case{true, 2, {2}}}) {
        QTemporaryDir dir;
        BatchRunner run(5, [](int i) {
            if (i == 2) throw ReportError("无法读取体检结果");
            return pagesOf(QString::number(i), 1);
        });
        run.afterEach([](int i) {
            if (i == 4) throw std::runtime_error("log row refused");
        }).stopAtFirstFailure(c.stop);
        BatchResult r = run.toPdfFiles(dir.path(), [](int i) { return QString::number(i); });
        EXPECT_EQ(r.done, c.done);
        ASSERT_EQ(r.failures.size(), c.failed.size());
        for (size_t k = 0; k < c.failed.size(); ++k) EXPECT_EQ(r.failures[k].index, c.failed[k]);
        EXPECT_EQ(r.failures[0].reason, "无法读取体检结果");
        EXPECT_FALSE(QFile::exists(dir.filePath("2.pdf")));
    }
}

TEST(Batch, FileNamesAreSafeOnEveryFileSystem)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"00012-00035 张三", "00012-00035 张三"},
        {"a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"  ..李四.  ", "李四"},
        {"王\t五\n", "王_五_"},
        {"", "未命名"},
        {" . ", "未命名"},
        {QString(200, QChar(u'赵')), QString(80, QChar(u'赵'))},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(safeFileName(in), out) << in.toStdString();
}

TEST(Batch, ProgressDialogCancelButtonStopsTheRun)
{
    BatchProgress progress = progressDialog(nullptr, "正在输出体检报告");
    EXPECT_TRUE(progress(0, 10));
    QProgressDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w)) dialog = d;
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->labelText().contains("正在输出体检报告"));
    dialog->cancel();
    EXPECT_FALSE(progress(1, 10));
}
