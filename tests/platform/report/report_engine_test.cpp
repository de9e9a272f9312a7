// The banded report engine: page breaks with repeated page headers, page
// numbers, memo growth and wrapping, groups and sub-details, bands taller
// than a page, and a golden listing of a small layout.
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"
#include "support/Golden.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj::report;

namespace {

QFont font(double pt = 10, bool bold = false)
{
    return makeFont("宋体", pt, bold);
}

// Deterministic wrap for listings: a line every `n` characters.
WrapFn everyChars(int n)
{
    return [n](const QString& text, const QFont&, double) {
        QStringList lines;
        for (int i = 0; i < text.size(); i += n) lines << text.mid(i, n);
        return lines;
    };
}

TableDataSource numbered(int rows)
{
    TableDataSource src({"no", "name"});
    for (int i = 1; i <= rows; ++i) src.addRow({i, QString("人员%1").arg(i)});
    return src;
}

ReportLayout listLayout(const DataSource* rows)
{
    ReportLayout L;
    L.name = "名单";
    L.marginsMm = QMarginsF(10, 10, 10, 10);
    L.title.height = 20;
    L.title.add(Item::label({0, 0, 190, 20}, "人员名单", font(18, true), Qt::AlignCenter));
    L.pageHeader.height = 8;
    L.pageHeader.add(Item::label({0, 0, 30, 8}, "序号", font(10, true)));
    L.pageHeader.add(Item::label({30, 0, 60, 8}, "姓名", font(10, true)));
    L.pageHeader.add(Item::line({0, 8}, {190, 8}));
    L.pageFooter.height = 10;
    L.pageFooter.add(Item::pageNumber({0, 2, 190, 8}, "第%1页 共%2页", font(9)));
    DataBand detail;
    detail.setSource(rows);
    detail.detail.height = 10;
    detail.detail.add(Item::field({0, 0, 30, 10}, "no", font()));
    detail.detail.add(Item::field({30, 0, 60, 10}, "name", font()));
    L.data.push_back(detail);
    return L;
}

}  // namespace

TEST(ReportEngine, DetailOverflowContinuesOnNextPageUnderRepeatedHeader)
{
    TableDataSource rows = numbered(60);
    Document doc = layoutReport(listLayout(&rows));
    // 297 - 20 margins - 10 footer = 267 mm of body: page 1 has the title,
    // header and 23 rows; later pages the header and 25 rows.
    ASSERT_EQ(doc.pageCount(), 3);
    QStringList all;
    for (int p = 0; p < doc.pageCount(); ++p) {
        QStringList t = doc.texts(p);
        EXPECT_EQ(t.count("序号"), 1) << "page " << p + 1;
        EXPECT_TRUE(t.contains(QString("第%1页 共3页").arg(p + 1)));
        EXPECT_EQ(t.contains("人员名单"), p == 0);
        for (const QString& s : t)
            if (s.startsWith("人员") && s != "人员名单") all << s;
        for (const Element& e : doc.pages[p].elements) EXPECT_LE(e.rect.bottom(), 297 - 10 + 0.01);
    }
    ASSERT_EQ(all.size(), 60);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(all[i], QString("人员%1").arg(i + 1));
    EXPECT_EQ(doc.texts(0).filter(QRegularExpression("^人员\\d+$")).size(), 23);
}

TEST(ReportEngine, MemoGrowsItsBandAndPushesItemsBelowAndStretchesBoxes)
{
    ReportLayout L;
    L.summary.height = 30;
    L.summary.add(Item::box({0, 0, 100, 20}));
    L.summary.add(Item::memo({2, 2, 96, 5}, [](const Context&) { return QString("一二三四五六七八九十一二"); }, font(), everyChars(5), 5));
    // A memo beside it with more lines: what lies below moves by the taller one.
    L.summary.add(Item::memo({60, 2, 30, 5}, [](const Context&) { return QString("甲乙丙丁"); }, font(), everyChars(1), 5));
    L.summary.add(Item::label({0, 10, 50, 5}, "体检医生：", font()));
    L.summary.add(Item::label({0, 25, 50, 5}, "以下", font()));
    L.data.clear();
    Document doc = layoutReport(L);
    ASSERT_EQ(doc.pageCount(), 1);
    std::map<QString, QRectF> at;
    QRectF box;
    for (const Element& e : doc.pages[0].elements) {
        if (e.kind == Element::Kind::Text) at[e.text] = e.rect;
        if (e.kind == Element::Kind::Rect) box = e.rect;
    }
    // Three lines of 5 mm in a 5 mm field grow by 10 mm, four lines beside
    // them by 15 mm: everything below moves 15 mm and the box grows as much.
    EXPECT_EQ(at.count("一二三四五"), 1u);
    EXPECT_NEAR(at["一二"].top(), 10 + 12, 0.01);
    EXPECT_NEAR(at["丁"].top(), 10 + 17, 0.01);
    EXPECT_NEAR(at["体检医生："].top(), 10 + 25, 0.01);
    EXPECT_NEAR(at["以下"].top(), 10 + 40, 0.01);
    EXPECT_NEAR(box.height(), 35, 0.01);
}

TEST(ReportEngine, DefaultWrapBreaksAtMeasuredWidthWithoutLosingText)
{
    QFont f = font(10);
    QString text = "感谢您来本中心体检。现将您的体检结果汇总如下，请您认真阅读。Please read the report carefully.\n第二段";
    QStringList lines = wrapToWidth(text, f, 40);
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines.last(), "第二段");
    QString joined = lines.join("");
    QString expected = text;
    EXPECT_EQ(joined.remove(' '), expected.remove(' ').remove('\n'));
    for (const QString& l : lines) EXPECT_LE(textWidthMm(l, f), 40.01) << l.toStdString();
}

TEST(ReportEngine, GroupsAndSubDetailsFollowTheirRows)
{
    TableDataSource depts({"ksid", "kind", "mcheng"});
    depts.addRow({1, "A", "内科"});
    depts.addRow({2, "A", "外科"});
    depts.addRow({3, "B", "检验科"});
    std::map<int, std::unique_ptr<TableDataSource>> items;
    for (int k = 1; k <= 3; ++k) {
        items[k] = std::make_unique<TableDataSource>(QStringList{"xm"});
        for (int i = 0; i < k; ++i) items[k]->addRow({QString("项目%1-%2").arg(k).arg(i + 1)});
    }
    ReportLayout L;
    DataBand d;
    d.setSource(&depts);
    Group g;
    g.key = [](const Context& c) { return c.text("kind"); };
    g.header.height = 5;
    g.header.add(Item::computed({0, 0, 50, 5}, [](const Context& c) { return "组" + c.text("kind"); }, font()));
    g.footer.height = 5;
    g.footer.add(Item::computed({0, 0, 50, 5}, [](const Context& c) { return "组尾" + c.text("kind"); }, font()));
    d.groups.push_back(g);
    d.detail.height = 5;
    d.detail.add(Item::field({0, 0, 50, 5}, "mcheng", font()));
    DataBand sub;
    sub.source = [&](const Context& c) { return items[c.value("ksid").toInt()].get(); };
    sub.detail.height = 5;
    sub.detail.add(Item::computed({0, 0, 80, 5}, [](const Context& c) { return c.text("xm") + "/" + c.text("mcheng"); }, font()));
    d.children.push_back(sub);
    d.detailFooter.height = 5;
    d.detailFooter.add(Item::computed({0, 0, 50, 5}, [](const Context& c) { return "小结" + c.text("mcheng"); }, font()));
    d.detailFooter.add(Item::label({60, 0, 50, 5}, "标本", font()).showIf([](const Context& c) { return c.text("kind") == "B"; }));
    L.data.push_back(d);
    Document doc = layoutReport(L);
    QStringList expected{"组A", "内科", "项目1-1/内科", "小结内科", "外科", "项目2-1/外科", "项目2-2/外科", "小结外科", "组尾A",
                         "组B", "检验科", "项目3-1/检验科", "项目3-2/检验科", "项目3-3/检验科", "小结检验科", "标本", "组尾B"};
    EXPECT_EQ(doc.texts(0), expected);
}

TEST(ReportEngine, BandTallerThanAPageContinuesOnTheNextPages)
{
    ReportLayout L;
    L.pageHeader.height = 10;
    L.pageHeader.add(Item::label({0, 0, 100, 10}, "页眉", font()));
    L.summary.height = 10;
    QString text;
    for (int i = 0; i < 100; ++i) text += QString("行%1").arg(i, 3, 10, QChar('0'));
    L.summary.add(Item::memo({0, 0, 100, 10}, [text](const Context&) { return text; }, font(), everyChars(4), 5));
    Document doc = layoutReport(L);
    // 100 lines of 5 mm; 267 mm per page under the header: 53 lines, then 47.
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.texts(0).size(), 1 + 53);
    EXPECT_EQ(doc.texts(1).first(), "页眉");
    EXPECT_EQ(doc.texts(1)[1], "行053");
    EXPECT_EQ(doc.texts(1).last(), "行099");
}

TEST(ReportEngine, BreaksBeforeAndAfterBandsMakeNoEmptyPages)
{
    ReportLayout L;
    L.title.height = 10;
    L.title.add(Item::label({0, 0, 50, 10}, "封面", font()));
    L.title.newPageAfter = true;
    L.summary.height = 10;
    L.summary.newPageBefore = true;
    L.summary.newPageAfter = true;
    L.summary.add(Item::label({0, 0, 50, 10}, "医学声明", font()));
    Document doc = layoutReport(L);
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.texts(0), QStringList{"封面"});
    EXPECT_EQ(doc.texts(1), QStringList{"医学声明"});
}

TEST(ReportEngine, SmallLayoutMatchesGoldenListing)
{
    TableDataSource rows({"tjhao", "xming", "photo"});
    QImage photo(30, 40, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        photo.save(&b, "PNG");
    }
    rows.addRow({"1-1", "张三", png});
    rows.addRow({"1-2", "李四", QByteArray()});
    ReportLayout L;
    L.marginsMm = QMarginsF(15, 15, 15, 15);
    L.title.height = 15;
    L.title.add(Item::label({0, 0, 180, 15}, "体检报告", font(20, true), Qt::AlignCenter));
    L.pageFooter.height = 10;
    L.pageFooter.add(Item::line({0, 0}, {180, 0}));
    L.pageFooter.add(Item::pageNumber({0, 2, 180, 6}, "第 %1 页 共 %2 页", font(9)));
    DataBand d;
    d.setSource(&rows);
    d.detail.height = 45;
    d.detail.add(Item::label({0, 0, 20, 6}, "体检号：", font(), Qt::AlignRight | Qt::AlignVCenter));
    d.detail.add(Item::field({20, 0, 40, 6}, "tjhao", font(12, true)).framed());
    d.detail.add(Item::pictureField({140, 0, 30, 40}, "photo"));
    d.detail.add(Item::memo({0, 8, 60, 5}, [](const Context& c) { return c.text("xming") + "的体检总结很长需要换行"; }, font(), everyChars(8), 5));
    d.detail.add(Item::box({0, 30, 60, 10}, 0.2, QBrush(Qt::lightGray)));
    L.data.push_back(d);
    EXPECT_TRUE(tj::test::MatchesGolden(layoutReport(L).dump(), "print/report_small.txt"));
}

TEST(ReportEngine, PdfExportWritesEveryPage)
{
    TableDataSource rows = numbered(60);
    Document doc = layoutReport(listLayout(&rows));
    QTemporaryDir dir;
    QString path = dir.filePath("名单.pdf");
    exportPdf(doc, path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 3);
    if (qEnvironmentVariableIsSet("TJ_KEEP_PDF")) QFile::copy(path, qEnvironmentVariable("TJ_KEEP_PDF") + "/report.pdf");
}

TEST(ReportEngine, PreviewNavigatesAndZoomsWithinBounds)
{
    TableDataSource rows = numbered(60);
    ReportPreview preview(layoutReport(listLayout(&rows)));
    preview.showPage(2);
    EXPECT_EQ(preview.currentPage(), 2);
    preview.showPage(99);
    EXPECT_EQ(preview.currentPage(), 2);
    preview.showPage(-1);
    EXPECT_EQ(preview.currentPage(), 0);
    preview.setZoom(100);
    EXPECT_LE(preview.zoom(), 5.0);
}
