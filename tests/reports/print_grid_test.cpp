// Grid printing: the sheet laid out from a grid, the template, and the print
// window's save, open, print and desktop-spreadsheet commands.
#include "platform/sheet/ReportTemplate.h"
#include "platform/sheet/SheetPrinter.h"
#include "platform/ui/Dialogs.h"
#include "reports/PrintGridView.h"
#include "reports/TPrintForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj;
using namespace tj::reports;
using sheet::CellRange;
using sheet::HAlign;

namespace {

QString templatePath()
{
    return QString(TJ_RUNTIME_DIR) + "/Report/报表.xlsx";
}

// A staff list: 体检号, 姓名, 已检 (boolean), 内部编号 (hidden), 金额.
struct StaffGrid {
    QStandardItemModel model{0, 5};
    std::unique_ptr<ModelGridSource> grid;

    explicit StaffGrid(int rows, std::vector<PrintGridSummary> summaries = {})
    {
        for (int r = 0; r < rows; ++r) {
            QList<QStandardItem*> items;
            items << new QStandardItem(QString("1-%1").arg(r + 1)) << new QStandardItem(QString("姓名%1").arg(r + 1));
            auto* done = new QStandardItem;
            done->setData(r % 2 == 0, Qt::EditRole);
            items << done << new QStandardItem(QString::number(9000 + r)) << new QStandardItem(QString::asprintf("%.2f", 10.5 * (r + 1)));
            model.appendRow(items);
        }
        grid = std::make_unique<ModelGridSource>(
            &model,
            std::vector<ModelGridSource::Column>{{0, {"体检号", 80, true, false}},
                                                 {1, {"姓名", 60, true, false}},
                                                 {2, {"已检", 40, true, true}},
                                                 {3, {"内部编号", 50, false, false}},
                                                 {4, {"金额", 70, true, false}}},
            std::move(summaries));
    }
};

}  // namespace

TEST(PrintGridView, SheetLayoutFollowsTheGrid)
{
    StaffGrid g(3, {{0, "共 3 条"}, {4, "63.00"}});
    sheet::Sheet s = sheet::readSheet(templatePath());
    FillSheetFromGrid(s, *g.grid, "单位个人列表", "当前单位：测试公司");

    std::vector<QStringList> expected{
        {"单位个人列表", "", "", "", ""},
        {"当前单位：测试公司", "", "", "", ""},
        {"体检号", "姓名", "已检", "内部编号", "金额"},
        {"1-1", "姓名1", "√", "9000", "10.50"},
        {"1-2", "姓名2", "", "9001", "21.00"},
        {"1-3", "姓名3", "√", "9002", "31.50"},
        {"共 3 条", "", "", "", "63.00"},  // a summary on the first column overwrites 合计
    };
    EXPECT_EQ(s.texts(), expected);
    EXPECT_EQ(s.mergeAt(0, 4), CellRange::of(0, 0, 0, 4));
    EXPECT_EQ(s.mergeAt(1, 3), CellRange::of(1, 0, 1, 4));
    EXPECT_EQ(s.format(0, 0).align, HAlign::Center);
    EXPECT_EQ(s.format(1, 0).align, HAlign::Left);
    EXPECT_EQ(s.columnWidth(0), 80 * 35);
    EXPECT_EQ(s.columnWidth(2), 40 * 35);
    EXPECT_EQ(s.columnWidth(3), 0);
    EXPECT_TRUE(s.isColumnHidden(3));
    EXPECT_EQ(s.printArea(), CellRange::of(0, 0, 6, 4));
    EXPECT_EQ(s.rowCount(), 7);
    EXPECT_EQ(s.columnCount(), 5);
}

TEST(PrintGridView, EmptyGridPutsTotalsUnderTheCaptions)
{
    StaffGrid g(0);
    sheet::Sheet s = sheet::readSheet(templatePath());
    FillSheetFromGrid(s, *g.grid, "单位列表", QString());
    EXPECT_EQ(s.text(3, 0), "合计");
    EXPECT_EQ(s.rowCount(), 4);
    EXPECT_EQ(s.printArea(), CellRange::of(0, 0, 3, 4));
}

TEST(PrintGridView, MissingTemplateFailsBeforeTheWindowShows)
{
    TPrintForm form;
    EXPECT_THROW(form.loadTemplate("/nonexistent/Report/报表.xlsx"), sheet::SheetError);
    EXPECT_FALSE(form.isVisible());
}

TEST(PrintGridView, ShippedTemplateIsTheGeneratedOne)
{
    sheet::Sheet shipped = sheet::readSheet(QString(TJ_TEST_DATA_DIR) + "/../../resources/Report/报表.xlsx");
    sheet::Sheet made = sheet::makeReportTemplate();
    EXPECT_EQ(shipped.pageSetup().paper, made.pageSetup().paper);
    EXPECT_EQ(shipped.pageSetup().landscape, made.pageSetup().landscape);
    EXPECT_EQ(shipped.pageSetup().footer, made.pageSetup().footer);
    EXPECT_EQ(shipped.pageSetup().centerHorizontally, made.pageSetup().centerHorizontally);
    EXPECT_NEAR(shipped.pageSetup().marginsMm.left(), made.pageSetup().marginsMm.left(), 0.01);
    EXPECT_EQ(shipped.printTitleRows(), made.printTitleRows());
    EXPECT_EQ(shipped.format(0, 0), made.format(0, 0));
    EXPECT_EQ(shipped.format(2, 7), made.format(2, 7));
    EXPECT_EQ(shipped.texts(), made.texts());
}

TEST(PrintForm, SaveAppendsTheExtensionOfTheChosenFilter)
{
    QTemporaryDir dir;
    StaffGrid g(2);
    TPrintForm form;
    form.loadTemplate(templatePath());
    FillSheetFromGrid(form.sheet(), *g.grid, "列表", "");
    struct Case {
        const char* typed;
        int filter;
        const char* written;
    } cases[] = {{"a", 1, "a.txt"}, {"b", 2, "b.html"}, {"c", 0, "c.xlsx"}, {"d.xlsx", 0, "d.xlsx"}, {"e.dat", 1, "e.dat"}};
    for (const auto& c : cases) {
        QString typed = dir.filePath(c.typed);
        form.saveDialog = [&] { return std::pair{typed, c.filter}; };
        form.BtnSaveClick();
        EXPECT_TRUE(QFile::exists(dir.filePath(c.written))) << c.written;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("a")));
    EXPECT_EQ(sheet::readSheet(dir.filePath("a.txt")).texts(), form.sheet().texts());
    EXPECT_EQ(sheet::readSheet(dir.filePath("c.xlsx")).texts(), form.sheet().texts());
    EXPECT_EQ(sheet::readSheet(dir.filePath("e.dat")).texts(), form.sheet().texts());  // text, by its filter
    QFile html(dir.filePath("b.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains("<title>列表</title>"));
}

TEST(PrintForm, SavingOverAnExistingFileAfterAddingTheExtensionAsksFirst)
{
    QTemporaryDir dir;
    ui::ScriptedDialogs dialogs;
    TPrintForm form;
    form.sheet().setText(0, 0, "新");
    QFile old(dir.filePath("a.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("旧");
    old.close();
    dialogs.answer(false);
    EXPECT_TRUE(form.SaveAs(dir.filePath("a"), 1).isEmpty());
    EXPECT_EQ(sheet::readSheet(dir.filePath("a.txt")).text(0, 0), "旧");
    dialogs.answer(true);
    EXPECT_EQ(form.SaveAs(dir.filePath("a"), 1), dir.filePath("a.txt"));
    EXPECT_EQ(sheet::readSheet(dir.filePath("a.txt")).text(0, 0), "新");
}

TEST(PrintForm, ExcelCopiesAreTemporaryAndRemovedOnClose)
{
    StaffGrid g(2);
    TPrintForm form;
    form.loadTemplate(templatePath());
    FillSheetFromGrid(form.sheet(), *g.grid, "列表", "");
    QStringList opened;
    form.openExternally = [&](const QString& p) {
        opened << p;
        return true;
    };
    form.BtnExcelClick();
    form.BtnExcelClick();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_NE(opened[0], opened[1]);
    EXPECT_EQ(form.tempFileName(), opened[1]);
    for (const QString& p : opened) {
        EXPECT_TRUE(QFileInfo(p).fileName().startsWith("Rep"));
        EXPECT_TRUE(p.endsWith(".xlsx"));
        EXPECT_EQ(QFileInfo(p).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        EXPECT_EQ(sheet::readSheet(p).texts(), form.sheet().texts());
        EXPECT_FALSE(QFile::exists(p.chopped(5)));  // no file left under the name without extension
    }
    form.reject();
    for (const QString& p : opened) EXPECT_FALSE(QFile::exists(p)) << p.toStdString();
    EXPECT_TRUE(form.tempFiles().isEmpty());
}

TEST(PrintForm, PrintErrorsShowTheMessageExceptCancel)
{
    ui::ScriptedDialogs dialogs;
    TPrintForm form;
    bool askedDialog = false;
    form.printer = [&](bool showDialog) {
        askedDialog = showDialog;
        throw sheet::SheetError("Operation canceled");
    };
    form.BtnPrintClick();
    EXPECT_TRUE(askedDialog);  // "显示打印对话框" is checked at start
    EXPECT_TRUE(dialogs.shown().empty());

    form.action("显示打印对话框")->setChecked(false);
    form.printer = [&](bool showDialog) {
        askedDialog = showDialog;
        throw sheet::SheetError("无法启动打印机");
    };
    form.BtnPrintClick();
    EXPECT_FALSE(askedDialog);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, "打印时出错，请检查打印机是否正确连接");
    EXPECT_EQ(dialogs.last().caption, "错误");
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
}

TEST(PrintForm, OpeningReadsSpreadsheetsAndRefusesOtherFiles)
{
    QTemporaryDir dir;
    ui::ScriptedDialogs dialogs;
    TPrintForm form;
    form.loadTemplate(templatePath());
    sheet::Sheet staff;
    staff.setText(0, 0, "姓名");
    staff.setText(1, 0, "张三");
    sheet::writeText(staff, dir.filePath("staff.txt"));
    QFile bin(dir.filePath("photo.xls"));
    ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
    bin.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    bin.close();

    dialogs.chooseFile(dir.filePath("staff.txt"));
    form.BtnOpenClick();
    EXPECT_EQ(form.sheet().texts(), staff.texts());
    EXPECT_TRUE(dialogs.shown().empty());

    dialogs.chooseFile(dir.filePath("photo.xls"));
    form.BtnOpenClick();
    EXPECT_EQ(form.lastOpenedFile(), dir.filePath("photo.xls"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, "文件类型不正确,无法打开文件");
    EXPECT_EQ(dialogs.last().caption, "提示");
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
    EXPECT_EQ(form.sheet().texts(), staff.texts());  // the sheet is kept
}

TEST(PrintForm, PasteIsEnabledOnlyAfterCopy)
{
    TPrintForm form;
    form.show();
    EXPECT_FALSE(form.action("粘贴")->isEnabled());
    EXPECT_FALSE(form.action("选择性粘贴")->isEnabled());
    form.sheet().setText(0, 0, "甲");
    form.showSheet();
    form.view()->select(CellRange::of(0, 0, 0, 0));
    form.action("复制")->trigger();
    EXPECT_TRUE(form.action("粘贴")->isEnabled());
    form.view()->select(CellRange::of(2, 1, 2, 1));
    form.action("粘贴")->trigger();
    EXPECT_EQ(form.sheet().text(2, 1), "甲");
    form.hide();
}

TEST(PrintForm, GridPrintRendersToPdf)
{
    StaffGrid g(120, {{0, "共 120 条"}});
    sheet::Sheet s = sheet::readSheet(templatePath());
    FillSheetFromGrid(s, *g.grid, "单位个人列表", "2024-01-01 至 2024-01-31");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("grid.pdf"));
    sheet::applyPageSetup(s, printer);
    sheet::printSheet(s, printer);
    QFile f(dir.filePath("grid.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(int(sheet::paginate(s).size()), 3);
    if (qEnvironmentVariableIsSet("TJ_KEEP_PDF")) QFile::copy(f.fileName(), qEnvironmentVariable("TJ_KEEP_PDF") + "/grid.pdf");
}
