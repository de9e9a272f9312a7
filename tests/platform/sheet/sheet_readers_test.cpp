// Reading workbooks written by other programs (tests/data/sheet/make_fixtures.py
// makes them byte by byte): legacy .xls of Excel 5/95 and 97-2003 and from a
// Mac, .xlsx packages laid out differently, sheets formatted to the last cell,
// and files that cannot be read, each with the reason the clerk is told.
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetIo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <ctime>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

using namespace tj::sheet;
using Reason = SheetError::Reason;

namespace {

QString dataFile(const char* name)
{
    return QString(TJ_TEST_DATA_DIR) + "/sheet/" + name;
}

QByteArray dataBytes(const char* name)
{
    QFile f(dataFile(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

using Rows = std::vector<QStringList>;

}  // namespace

TEST(ForeignWorkbooks, LegacyXlsOfEveryExcelKindReadsAsShown)
{
    const QString longText = QString("体检").repeated(20) + QString("ABCDEFGHIJ").repeated(12);
    struct Case {
        const char* file;
        const char* sheetName;
        Rows rows;
    } cases[] = {
        // Excel 5/95: GBK texts, the stream listed after other streams, RK,
        // MULRK and NUMBER values, cached formula results, a module sheet.
        {"excel95_gbk.xls", "人员名单",
         {{"单位人员名单", "", "", "", "", ""},
          {"姓名", "性别", "年龄", "身高", "出生日期", "金额"},
          {"张三", "男", "35", "172.5", "1990-03-07", "1,234.50"},
          {"李四", "女", "28", "160", "1997年12月31日", "99.5"},
          {"王五", "未检", "TRUE", "#DIV/0!", "FALSE", ""}}},
        // Excel 97-2003: a hidden sheet and a chart before the visible one, a
        // shared string split over CONTINUE records, a dimension claiming the
        // whole sheet, a merged title.
        {"excel2003_sst.xls", "名单",
         {{"体检人员名单", "", "", ""},
          {"姓名", "年龄", "登记时间", "备注"},
          {"张三", "35", "2024-01-05 12:00", longText},
          {"李四", "28.00", "18:00", "复查"},
          {"王五", "", "", ""},
          {"赵六", "", "", ""}}},
        // Mac Excel: Simplified Chinese Mac code page, 1904 date system.
        {"mac_excel_chinese.xls", "工作表1", {{"姓名", "出生日期"}, {"张三", "1990-03-07"}}},
    };
    for (const Case& c : cases) {
        Sheet s = readSheet(dataFile(c.file));
        EXPECT_EQ(s.texts(), c.rows) << c.file;
        EXPECT_EQ(s.name(), QString::fromUtf8(c.sheetName)) << c.file;
    }

    Sheet s = readXls(dataFile("excel2003_sst.xls"));
    ASSERT_EQ(s.merges().size(), 1u);
    EXPECT_EQ(s.merges()[0], CellRange::of(0, 0, 0, 3));
    EXPECT_EQ(s.columnWidth(0), 12 * 256);
    EXPECT_TRUE(s.isColumnHidden(4));
}

TEST(ForeignWorkbooks, CodePagesOfLegacyFiles)
{
    struct Case {
        int codepage;
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {936, "\xd5\xc5\xc8\xfd", "张三"},
        {0, "\xd5\xc5\xc8\xfd", "张三"},        // no CODEPAGE record: Chinese Windows
        {10008, "\xd5\xc5\xc8\xfd", "张三"},    // Mac Simplified Chinese
        {950, "\xb1\x69\xa4\x54", "張三"},      // Big5
        {1252, "Caf\xe9", "Café"},
        {32768, "Caf\x8e", "Café"},              // Mac Roman, as Mac Excel 5 numbers it
        {10000, "Caf\x8e", "Café"},
        {1251, "\xcf\xf0\xe8", "При"},
    };
    for (const Case& c : cases) EXPECT_EQ(CodepageDecoder(c.codepage)(c.bytes), QString::fromUtf8(c.text)) << c.codepage;
}

TEST(ForeignWorkbooks, XlsxPartsAreFoundThroughThePackage)
{
    // Workbook, worksheet, shared strings and styles away from the usual
    // paths, reached by absolute, backslash and ".." targets; a chart sheet
    // listed first; inline, rich and escaped strings; cells without references.
    Sheet s = readSheet(dataFile("other_paths.xlsx"));
    Rows expected{
        {"姓名", "出生日期", "金额", "备注"},
        {"张三", "1990年3月7日", "1,234.50", "复查"},
        {"李四", "1997年12月31日", "88", "TRUE"},
        {"O'Neil & <王>", "", "#DIV/0!", "一行\r\n二行 a_x0041_"},
    };
    EXPECT_EQ(s.texts(), expected);
    EXPECT_EQ(s.name(), "人员");
    EXPECT_EQ(s.printArea(), CellRange::of(0, 0, 3, 3));
    EXPECT_EQ(s.format(0, 3), (CellFormat{HAlign::Center, true}));
    EXPECT_EQ(s.fontFamily(), "宋体");

    // No relationship parts at all: only the content types name the parts.
    Sheet t = readXlsx(dataFile("content_types_only.xlsx"));
    EXPECT_EQ(t.texts(), (Rows{{"姓名", ""}, {"张三", "35"}}));
    EXPECT_EQ(t.name(), "名单");
}

TEST(ForeignWorkbooks, SheetFormattedToTheLastCellIsReadInTime)
{
    // The dimension claims A1:XFD1048576, every column has a style and width,
    // and formatted empty cells stand in columns D and AA, in the last
    // column and in the last row.
    QElapsedTimer timer;
    timer.start();
    Sheet s = readSheet(dataFile("whole_sheet_styled.xlsx"));
    EXPECT_LT(timer.elapsed(), 1000);
    // Formatted empty cells belong to the block as far as legacy sheets go
    // (a template is nothing else); those beyond are left out.
    EXPECT_EQ(s.rowCount(), 3);
    EXPECT_EQ(s.columnCount(), 27);
    EXPECT_EQ(s.format(0, 26), (CellFormat{HAlign::Center, true}));
    EXPECT_EQ(s.text(2, 0), "行3");
    EXPECT_EQ(s.text(2, 1), "30");
    EXPECT_EQ(s.merges(), (std::vector{CellRange::of(0, 0, 0, 1)}));
}

TEST(ForeignWorkbooks, StaffListOfFiveThousandRowsReadsWellUnderASecond)
{
    QTemporaryDir dir;
    QByteArray path = QFile::encodeName(dir.filePath("staff.xlsx"));
    lxw_workbook* wb = workbook_new(path.constData());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "名单");
    lxw_format* date = workbook_add_format(wb);
    format_set_num_format(date, "yyyy-mm-dd");
    const char* caps[] = {"单位", "部门", "编号", "姓名", "性别", "年龄", "身份证号", "婚否", "分组", "电话", "地址", "出生日期"};
    for (int c = 0; c < 12; ++c) worksheet_write_string(ws, 0, lxw_col_t(c), caps[c], nullptr);
    for (int r = 1; r <= 5000; ++r) {
        QByteArray name = QStringLiteral("职工%1").arg(r).toUtf8(), id = QByteArray::number(110101199000000000LL + r);
        worksheet_write_string(ws, lxw_row_t(r), 0, "岚川机械厂", nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 1, r % 2 ? "一车间" : "二车间", nullptr);
        worksheet_write_number(ws, lxw_row_t(r), 2, r, nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 3, name.constData(), nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 4, r % 3 ? "男" : "女", nullptr);
        worksheet_write_number(ws, lxw_row_t(r), 5, 20 + r % 40, nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 6, id.constData(), nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 7, "已婚", nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 8, "A组", nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 9, "13800138000", nullptr);
        worksheet_write_string(ws, lxw_row_t(r), 10, "岚川市人民路1号", nullptr);
        lxw_datetime born{1960 + r % 40, 1 + r % 12, 1 + r % 28, 0, 0, 0};
        worksheet_write_datetime(ws, lxw_row_t(r), 11, &born, date);
    }
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);

    // Processor time of this process, so a machine busy with other work
    // does not make the reading look slow.
    const std::clock_t start = std::clock();
    Sheet s = readSheet(QFile::decodeName(path));
    const qint64 ms = qint64(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
    RecordProperty("read_ms", int(ms));
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(s.rowCount(), 5001);
    EXPECT_EQ(s.columnCount(), 12);
    EXPECT_EQ(s.text(5000, 3), "职工5000");
    EXPECT_EQ(s.text(5000, 6), "110101199000005000");
    EXPECT_EQ(s.text(5000, 11), "1960-09-17");
}

TEST(ForeignWorkbooks, UnreadableFilesSayWhy)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    // A compound document whose allocation table sends every chain in a loop.
    QByteArray looped = dataBytes("excel95_gbk.xls");
    qsizetype fatAt = (qFromLittleEndian<quint32>(looped.constData() + 0x4C) + 1) * 512;
    looped.replace(fatAt, 512, QByteArray(512, '\0'));
    // A directory that starts beyond the end of the file.
    QByteArray lostDirectory = dataBytes("excel95_gbk.xls");
    lostDirectory.replace(0x30, 4, QByteArray("\xff\xff\xff\x7f", 4));
    const QByteArray biff4("\x09\x04\x06\x00\x00\x00\x10\x00\x00\x00", 10);

    struct Case {
        QString path;
        Reason reason;
    } cases[] = {
        {dataFile("encrypted.xls"), Reason::Encrypted},
        {dataFile("encrypted.xlsx"), Reason::Encrypted},
        {dataFile("word_document.doc"), Reason::NotSpreadsheet},
        {dataFile("plain.zip"), Reason::NotSpreadsheet},
        {write("prog.xls", QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00\x00", 12)), Reason::NotSpreadsheet},
        {write("empty.xls", QByteArray()), Reason::Empty},
        {write("cut.xls", dataBytes("excel2003_sst.xls").left(3000)), Reason::Damaged},
        {write("cut.xlsx", dataBytes("other_paths.xlsx").left(1500)), Reason::Damaged},
        {write("zip.xlsx", QByteArray("PK\x03\x04garbage", 11)), Reason::Damaged},
        {write("looped.xls", looped), Reason::Damaged},
        {write("lost.xls", lostDirectory), Reason::Damaged},
        {write("excel4.xls", biff4), Reason::Unsupported},
        {write("page.xls", "<html><body><table><tr><td>张三</td></tr></table></body></html>"), Reason::Unsupported},
        {dir.filePath("missing.xls"), Reason::CannotOpen},
    };
    for (const Case& c : cases) {
        try {
            readSheet(c.path);
            ADD_FAILURE() << "read without error: " << c.path.toStdString();
        } catch (const SheetError& e) {
            EXPECT_EQ(e.reason(), c.reason) << c.path.toStdString() << ": " << e.what();
            if (c.reason != Reason::CannotOpen) {
                EXPECT_EQ(e.message(), SheetError::of(c.reason).message());
            }
        }
    }
}
