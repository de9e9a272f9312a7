// Reading and writing sheets: round trips, files made by other programs,
// encodings, number display, and files that are not spreadsheets.
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

using namespace tj::sheet;

namespace {

QString dataFile(const char* name)
{
    return QString(TJ_TEST_DATA_DIR) + "/sheet/" + name;
}

Sheet sampleSheet()
{
    Sheet s;
    s.setText(0, 0, "体检人员列表");
    s.merge(CellRange::of(0, 0, 0, 3));
    s.setFormat(0, 0, CellFormat{HAlign::Center, true, 16});
    s.setText(1, 0, "2024-01-01 至 2024-01-31");
    s.merge(CellRange::of(1, 0, 1, 3));
    s.setAlignment(CellRange::of(1, 0, 1, 0), HAlign::Left);
    QStringList caps{"体检号", "姓名", "金额", "备注"};
    for (int c = 0; c < 4; ++c) s.setText(2, c, caps[c]);
    s.setText(3, 0, "12-3");
    s.setText(3, 1, "O'Neil & <张>");
    s.setText(3, 2, "0012.50");  // a text that looks like a number stays as typed
    s.setText(3, 3, "√");
    s.setText(4, 0, "合计");
    s.setFormat(4, 2, CellFormat{HAlign::Right, true});
    s.setText(4, 2, "共 1 条");
    s.setColumnWidth(0, 100 * 35);
    s.setColumnWidth(1, 60 * 35);
    s.setColumnWidth(3, 0);
    s.setRowHidden(5, true);
    s.setExtent(5, 4);
    s.setPrintArea(CellRange::of(0, 0, 4, 3));
    s.setPrintTitleRows(std::pair{2, 2});
    s.pageSetup().landscape = true;
    s.pageSetup().marginsMm = QMarginsF(10, 15, 10, 20);
    s.pageSetup().footer = "第 &P 页";
    return s;
}

}  // namespace

TEST(SheetFiles, XlsxRoundTripKeepsCellsLayoutAndPageSetup)
{
    QTemporaryDir dir;
    Sheet s = sampleSheet();
    QString path = dir.filePath("报表.xlsx");
    writeXlsx(s, path);
    Sheet r = readSheet(path);

    EXPECT_EQ(r.texts(), s.texts());
    ASSERT_EQ(r.merges().size(), 2u);
    EXPECT_EQ(r.mergeAt(0, 2), CellRange::of(0, 0, 0, 3));
    EXPECT_EQ(r.format(0, 0), (CellFormat{HAlign::Center, true, 16}));
    EXPECT_EQ(r.fontFamily(), "宋体");
    EXPECT_EQ(r.fontSize(), 10);
    EXPECT_EQ(r.format(1, 0).align, HAlign::Left);
    EXPECT_EQ(r.format(4, 2), (CellFormat{HAlign::Right, true}));
    // Widths are stored in whole pixels: within a seventh of a character.
    EXPECT_NEAR(r.columnWidth(0), 3500, 256 / 7);
    EXPECT_NEAR(r.columnWidth(1), 2100, 256 / 7);
    EXPECT_TRUE(r.isColumnHidden(3));
    EXPECT_FALSE(r.isColumnHidden(2));
    EXPECT_EQ(r.printArea(), CellRange::of(0, 0, 4, 3));
    EXPECT_EQ(r.printTitleRows(), (std::pair{2, 2}));
    EXPECT_TRUE(r.pageSetup().landscape);
    EXPECT_NEAR(r.pageSetup().marginsMm.top(), 15, 0.01);
    EXPECT_NEAR(r.pageSetup().marginsMm.bottom(), 20, 0.01);
    EXPECT_EQ(r.pageSetup().footer, "第 &P 页");
}

TEST(SheetFiles, TextRoundTripKeepsTabsLineFeedsAndQuotes)
{
    QTemporaryDir dir;
    Sheet s;
    s.setText(0, 0, "姓名");
    s.setText(0, 2, "说明");
    s.setText(1, 0, "张三");
    s.setText(1, 1, "a\tb");
    s.setText(1, 2, "第一行\n第二行");
    s.setText(2, 0, "\"引号\"");
    s.setText(2, 2, "尾");
    QString path = dir.filePath("a.txt");
    writeText(s, path);
    Sheet r = readSheet(path);
    EXPECT_EQ(r.texts(), s.texts());
}

TEST(SheetFiles, TextInGbkAndUtf8WithoutMarkReadTheSame)
{
    Sheet gbk = readSheet(dataFile("staff_gbk.txt"));
    Sheet utf8 = parseText(QString("姓名\t性别\t年龄\r\n张三\t男\t35\r\n李四\t女\t28\r\n").toUtf8());
    std::vector<QStringList> expected{{"姓名", "性别", "年龄"}, {"张三", "男", "35"}, {"李四", "女", "28"}};
    EXPECT_EQ(gbk.texts(), expected);
    EXPECT_EQ(utf8.texts(), expected);
}

TEST(SheetFiles, LegacyXlsReadsAsShown)
{
    // staff.xls was written by a spreadsheet library (make_staff_xls.py).
    Sheet s = readSheet(dataFile("staff.xls"));
    std::vector<QStringList> expected{
        {"单位人员名单", "", "", "", ""},
        {"", "", "", "", ""},
        {"姓名", "性别", "年龄", "身高", "出生日期"},
        {"张三", "男", "35", "172.5", "1990-03-07"},
        {"李四", "女", "28", "160", "1997-12-31"},
        {"O'Neil", "男", "41", "180.25", "1984-06-01 08:30:15"},
    };
    EXPECT_EQ(s.texts(), expected);
}

TEST(SheetFiles, XlsxFromAnotherWriterShowsNumbersAndDatesAsFormatted)
{
    // A workbook with shared strings and number formats, written directly
    // with libxlsxwriter as a spreadsheet program would store it.
    QTemporaryDir dir;
    QByteArray path = QFile::encodeName(dir.filePath("staff.xlsx"));
    lxw_workbook* wb = workbook_new(path.constData());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "人员");
    lxw_format* date = workbook_add_format(wb);
    format_set_num_format(date, "yyyy\"年\"m\"月\"d\"日\"");
    lxw_format* money = workbook_add_format(wb);
    format_set_num_format(money, "#,##0.00");
    lxw_format* pct = workbook_add_format(wb);
    format_set_num_format_index(pct, 10);
    worksheet_merge_range(ws, 0, 0, 0, 3, "名单", nullptr);
    worksheet_write_string(ws, 2, 0, "张三", nullptr);
    lxw_datetime dt = {2009, 5, 8, 0, 0, 0};
    worksheet_write_datetime(ws, 2, 1, &dt, date);
    worksheet_write_number(ws, 2, 2, 1234567.5, money);
    worksheet_write_number(ws, 2, 3, 0.125, pct);
    worksheet_write_number(ws, 3, 0, 42, nullptr);
    worksheet_write_number(ws, 3, 1, 1.0 / 3.0, nullptr);
    worksheet_write_boolean(ws, 3, 2, 1, nullptr);
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);

    Sheet s = readSheet(QFile::decodeName(path));
    std::vector<QStringList> expected{
        {"名单", "", "", ""},
        {"", "", "", ""},
        {"张三", "2009年5月8日", "1,234,567.50", "12.50%"},
        {"42", "0.3333333333", "TRUE", ""},
    };
    EXPECT_EQ(s.texts(), expected);
    EXPECT_EQ(s.name(), "人员");
}

TEST(SheetFiles, NumberFormats)
{
    struct Case {
        double value;
        const char* code;
        const char* shown;
    } cases[] = {
        {35, "", "35"},
        {172.5, "General", "172.5"},
        {123456789012.0, "", "1.23457E+11"},
        {-3.25, "0.0", "-3.3"},
        {1234.5, "#,##0", "1,235"},
        {0.5, "0%", "50%"},
        {-12.5, "#,##0.00;(#,##0.00)", "(12.50)"},
        {39941, "yyyy-mm-dd", "2009-05-08"},
        {39941.5, "yyyy-mm-dd hh:mm:ss", "2009-05-08 12:00:00"},
        {0.75, "h:mm", "18:00"},
        {39941, "m\"月\"d\"日\"", "5月8日"},
        {39941, "[$-804]yyyy\"年\"mm\"月\"dd\"日\";@", "2009年05月08日"},
        {1.5, "\"¥\"0.00", "¥1.50"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, QString::fromUtf8(c.code)), QString::fromUtf8(c.shown)) << c.code;
}

TEST(SheetFiles, TextsThatAreNumbersOrDatesAndThoseThatStayTexts)
{
    const double day = 1.0 / 86400;
    struct Case {
        const char* text;
        double value;
        const char* format;
    } numbers[] = {
        {"35", 35, "0"},
        {"0", 0, "0"},
        {"1234.50", 1234.5, "0.00"},
        {"1,234.50", 1234.5, "#,##0.00"},
        {"-12.5", -12.5, "0.0"},
        {"0.05", 0.05, "0.00"},
        {"12.50%", 0.125, "0.00%"},
        {"13800138000", 13800138000.0, "0"},
        {"99999999999.9999", 99999999999.9999, "0.0000"},
        {"2024-01-05", 45296, "yyyy-mm-dd"},
        {"1900-02-28", 59, "yyyy-mm-dd"},
        {"1900-03-01", 61, "yyyy-mm-dd"},
        {"2024-01-05 08:30:00", 45296 + 30600 * day, "yyyy-mm-dd hh:mm:ss"},
        {"2024-01-05 08:30", 45296 + 30600 * day, "yyyy-mm-dd hh:mm"},
        {"08:30", 30600 * day, "hh:mm"},
        {"23:59:59", 86399 * day, "hh:mm:ss"},
    };
    for (const Case& c : numbers) {
        auto v = numberFromText(QString::fromUtf8(c.text));
        ASSERT_TRUE(v) << c.text;
        EXPECT_NEAR(v->value, c.value, 1e-9) << c.text;
        EXPECT_EQ(v->format, QString::fromUtf8(c.format)) << c.text;
    }
    // Codes, identity card numbers and anything not shown back the same.
    for (const char* text : {"0012.50", "007", "110101199003071234", "110101900307123", "6901234567892", "+5", " 12", "12 ", "1e5",
                             "1,23", "12,3456", "-0", "1.", ".5", "12%%", "2024-13-01", "2024-02-30", "1899-12-31",
                             "2024-1-5", "24:00", "1-23", "12-3", "", "合计", "¥1.50"})
        EXPECT_FALSE(numberFromText(QString::fromUtf8(text))) << text;
}

TEST(SheetFiles, WrittenNumbersAndDatesAreValuesInOtherSpreadsheetPrograms)
{
    // The distribution's Python with openpyxl reads the file, not our reader.
    QString python = QFileInfo::exists("/usr/bin/python3") ? QStringLiteral("/usr/bin/python3")
                                                           : QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed (scripts/install-deps installs it with python3-openpyxl)";

    Sheet s;
    QStringList rows[] = {
        {"体检号", "姓名", "金额", "比例", "登记时间", "出生日期", "身份证号", "编号", "时间"},
        {"1-23", "张三", "1234.50", "12.50%", "2024-01-05 08:30:00", "1990-03-07", "110101199003071234", "0012", "08:30"},
        {"1-24", "李四", "1,000.00", "-5%", "2024-01-06 14:05:09", "1985-11-30", "11010119851130002X", "13", "14:05"},
        {"合计", "", "2234.50", "", "", "", "", "", ""},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < rows[r].size(); ++c) s.setText(r, c, rows[r][c]);
    s.setFormat(3, 2, CellFormat{HAlign::Right, true});
    QTemporaryDir dir;
    QString path = dir.filePath("列表.xlsx");
    writeXlsx(s, path);

    const char* script = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
out = {}
for row in ws.iter_rows():
    for c in row:
        if c.value is None:
            continue
        v = c.value.isoformat() if hasattr(c.value, "isoformat") else c.value
        out[c.coordinate] = ["d" if c.is_date else c.data_type, v, c.number_format, bool(c.font.b)]
print(json.dumps(out))
)";
    QProcess p;
    p.start(python, {"-c", script, path});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QJsonObject cells = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    auto cell = [&](const char* ref) { return cells.value(ref).toArray(); };
    auto expectNumber = [&](const char* ref, double value, const char* format) {
        QJsonArray c = cell(ref);
        EXPECT_EQ(c[0].toString(), "n") << ref;
        EXPECT_NEAR(c[1].toDouble(), value, 1e-9) << ref;
        EXPECT_EQ(c[2].toString(), format) << ref;
    };
    auto expectDate = [&](const char* ref, const char* iso, const char* format) {
        QJsonArray c = cell(ref);
        EXPECT_EQ(c[0].toString(), "d") << ref;
        EXPECT_EQ(c[1].toString(), iso) << ref;
        EXPECT_EQ(c[2].toString(), format) << ref;
    };
    auto expectText = [&](const char* ref, const QString& text) {
        QJsonArray c = cell(ref);
        EXPECT_EQ(c[0].toString(), "s") << ref;
        EXPECT_EQ(c[1].toString(), text) << ref;
    };
    expectNumber("C2", 1234.5, "0.00");
    expectNumber("C3", 1000, "#,##0.00");
    expectNumber("C4", 2234.5, "0.00");
    EXPECT_TRUE(cell("C4")[3].toBool());  // the cell keeps its bold format
    expectNumber("D2", 0.125, "0.00%");
    expectNumber("D3", -0.05, "0%");
    expectNumber("H3", 13, "0");
    expectDate("E2", "2024-01-05T08:30:00", "yyyy-mm-dd hh:mm:ss");
    expectDate("F3", "1985-11-30T00:00:00", "yyyy-mm-dd");
    expectDate("I3", "14:05:00", "hh:mm");
    expectText("A2", "1-23");
    expectText("G2", "110101199003071234");
    expectText("G3", "11010119851130002X");
    expectText("H2", "0012");
    expectText("A4", "合计");

    // And the program itself reads back the texts it wrote.
    EXPECT_EQ(readSheet(path).texts(), s.texts());
}

TEST(SheetFiles, FilesThatAreNoSpreadsheetAreRefused)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(data);
        return f.fileName();
    };
    QByteArray binary("\x7f" "ELF\x02\x01\x01\x00\x00\x00\x00", 12);
    EXPECT_THROW(readSheet(write("prog.xls", binary)), SheetError);
    EXPECT_THROW(readSheet(write("zip.xlsx", QByteArray("PK\x03\x04garbage", 11))), SheetError);
    EXPECT_THROW(readSheet(write("ole.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, 'x'))), SheetError);
    EXPECT_THROW(readSheet(dir.filePath("missing.xls")), SheetError);
}

TEST(SheetFiles, HtmlLeavesOutHiddenColumnsAndEscapesTexts)
{
    Sheet s = sampleSheet();
    QString html = toHtml(s, "列表");
    EXPECT_TRUE(html.contains("<td colspan=\"3\" style=\"text-align:center;font-weight:bold;font-size:16pt;\">体检人员列表</td>"));
    EXPECT_TRUE(html.contains("O&#x27;Neil &amp; &lt;张&gt;") || html.contains("O'Neil &amp; &lt;张&gt;"));
    EXPECT_FALSE(html.contains("√"));  // the hidden fourth column
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
}

TEST(SheetFiles, WritingWhereNoFileCanBeMadeFails)
{
    Sheet s = sampleSheet();
    for (FileFormat f : {FileFormat::Xlsx, FileFormat::Text, FileFormat::Html})
        EXPECT_THROW(writeSheet(s, "/nonexistent-folder/报表.out", f), SheetError) << int(f);
}
