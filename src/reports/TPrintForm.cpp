#include "reports/TPrintForm.h"

#include "platform/sheet/SheetPrinter.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QTemporaryFile>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace tj::reports {

using sheet::SheetError;

namespace {
const QStringList kSaveFilters{QStringLiteral("EXCEL文件（*.XLSX） (*.xlsx)"), QStringLiteral("文本文件（*.TXT） (*.txt)"),
                               QStringLiteral("网页格式（*.HTML） (*.htm *.html)")};
}

TPrintForm::TPrintForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("打印"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(bar);
    F1Book = new sheet::SheetView(this);
    layout->addWidget(F1Book);

    auto* v = F1Book;
    bar->addAction(QStringLiteral("打开"), this, &TPrintForm::BtnOpenClick);
    bar->addAction(QStringLiteral("保存"), this, &TPrintForm::BtnSaveClick);
    bar->addAction(QStringLiteral("打印"), this, &TPrintForm::BtnPrintClick);
    bar->addAction(QStringLiteral("预览"), this, &TPrintForm::BtnPreviewClick);
    bar->addAction(QStringLiteral("Excel"), this, &TPrintForm::BtnExcelClick);
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::reject);

    QMenu* file = menus->addMenu(QStringLiteral("文件"));
    add(file, QStringLiteral("打开文件..."), [this] { BtnOpenClick(); });
    add(file, QStringLiteral("另存为..."), [this] { BtnSaveClick(); });
    file->addSeparator();
    add(file, QStringLiteral("页面设置..."), [v] { v->pageSetupDialog(); });
    add(file, QStringLiteral("打印机设置..."), [v] { v->printerSetupDialog(); });
    QMenu* area = file->addMenu(QStringLiteral("打印区域"));
    add(area, QStringLiteral("设置打印区域"), [v] { v->setPrintAreaFromSelection(); });
    add(area, QStringLiteral("清除打印区域"), [v] { v->clearPrintArea(); });
    QMenu* titles = file->addMenu(QStringLiteral("打印标题"));
    add(titles, QStringLiteral("设置打印标题"), [v] { v->setPrintTitlesFromSelection(); });
    add(titles, QStringLiteral("清除打印标题"), [v] { v->clearPrintTitles(); });
    add(file, QStringLiteral("打印预览"), [this] { BtnPreviewClick(); });
    add(file, QStringLiteral("打印..."), [this] { BtnPrintClick(); });
    file->addSeparator();
    add(file, QStringLiteral("关闭"), [this] { reject(); });

    QMenu* edit = menus->addMenu(QStringLiteral("编辑"));
    add(edit, QStringLiteral("剪切"), [v] { v->cut(); });
    add(edit, QStringLiteral("复制"), [v] { v->copy(); });
    pasteAction_ = add(edit, QStringLiteral("粘贴"), [v] { v->paste(); });
    pasteSpecialAction_ = add(edit, QStringLiteral("选择性粘贴"), [v] { v->pasteSpecial(); });
    add(edit, QStringLiteral("排序..."), [v] { v->sortDialog(); });
    QMenu* clear = edit->addMenu(QStringLiteral("清除"));
    add(clear, QStringLiteral("全部"), [v] { v->clearAll(); });
    add(clear, QStringLiteral("格式"), [v] { v->clearFormats(); });
    add(clear, QStringLiteral("内容"), [v] { v->clearContents(); });
    add(edit, QStringLiteral("删除"), [v] { v->deleteCells(); });
    add(edit, QStringLiteral("查找..."), [v] { v->findDialog(); });
    add(edit, QStringLiteral("替换..."), [v] { v->replaceDialog(); });
    add(edit, QStringLiteral("转到..."), [v] { v->goToDialog(); });
    connect(F1Book, &sheet::SheetView::clipboardFilled, this, [this] {
        pasteAction_->setEnabled(true);
        pasteSpecialAction_->setEnabled(true);
    });

    QMenu* insert = menus->addMenu(QStringLiteral("插入"));
    add(insert, QStringLiteral("单元格..."), [v] { v->insertCells(); });
    add(insert, QStringLiteral("行"), [v] { v->insertRows(); });
    add(insert, QStringLiteral("列"), [v] { v->insertColumns(); });
    add(insert, QStringLiteral("分页符"), [v] { v->insertPageBreak(); });

    QMenu* format = menus->addMenu(QStringLiteral("格式"));
    add(format, QStringLiteral("单元格..."), [v] { v->cellFormatDialog(); });
    QMenu* rows = format->addMenu(QStringLiteral("行"));
    add(rows, QStringLiteral("行高"), [v] { v->rowHeightDialog(); });
    add(rows, QStringLiteral("隐藏"), [v] { v->setSelectedRowsHidden(true); });
    add(rows, QStringLiteral("取消隐藏"), [v] { v->setSelectedRowsHidden(false); });
    add(rows, QStringLiteral("默认行高"), [v] { v->defaultRowHeightDialog(); });
    QMenu* cols = format->addMenu(QStringLiteral("列"));
    add(cols, QStringLiteral("列宽.."), [v] { v->columnWidthDialog(); });
    add(cols, QStringLiteral("隐藏"), [v] { v->setSelectedColumnsHidden(true); });
    add(cols, QStringLiteral("取消隐藏"), [v] { v->setSelectedColumnsHidden(false); });
    add(cols, QStringLiteral("默认列宽"), [v] { v->defaultColumnWidthDialog(); });
    add(format, QStringLiteral("工作表"), [v] { v->sheetFormatDialog(); });

    QMenu* tools = menus->addMenu(QStringLiteral("工具"));
    add(tools, QStringLiteral("Excel编辑"), [this] { BtnExcelClick(); });
    add(tools, QStringLiteral("重新计算"), [v] { v->recalculate(); });
    add(tools, QStringLiteral("选项..."), [v] { v->optionsDialog(); });

    QMenu* help = menus->addMenu(QStringLiteral("帮助"));
    add(help, QStringLiteral("版本信息"), [v] { v->aboutDialog(); });

    popup_ = new QMenu(this);
    add(popup_, QStringLiteral("页面设置..."), [v] { v->pageSetupDialog(); });
    add(popup_, QStringLiteral("打印机设置..."), [v] { v->printerSetupDialog(); });
    add(popup_, QStringLiteral("工作簿"), [v] { v->sheetFormatDialog(); });
    showDialogAction_ = add(popup_, QStringLiteral("显示打印对话框"), [] {});
    showDialogAction_->setCheckable(true);
    showDialogAction_->setChecked(true);
    F1Book->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(F1Book, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { popup_->exec(F1Book->viewport()->mapToGlobal(p)); });

    saveDialog = [this]() -> std::pair<QString, int> {
        QFileDialog dlg(this, QStringLiteral("另存为"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setNameFilters(kSaveFilters);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {QString(), 0};
        return {dlg.selectedFiles().first(), int(kSaveFilters.indexOf(dlg.selectedNameFilter()))};
    };
    openExternally = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    printer = [this](bool showDialog) { F1Book->print(showDialog); };
    resize(1024, 768);
}

TPrintForm::~TPrintForm()
{
    removeTempFiles();
}

TPrintForm& TPrintForm::instance(QWidget* parent)
{
    static TPrintForm* form = nullptr;
    if (!form) {
        // No Qt parent: the window outlives whichever window printed first.
        (void)parent;
        form = new TPrintForm(nullptr);
        // Destroyed with the application, after every window that prints.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, [] {
            delete form;
            form = nullptr;
        });
    }
    return *form;
}

QAction* TPrintForm::add(QMenu* menu, const QString& text, std::function<void()> slot)
{
    QAction* a = menu->addAction(text);
    connect(a, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    return a;
}

QAction* TPrintForm::action(const QString& text) const
{
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

bool TPrintForm::showPrintDialog() const
{
    return showDialogAction_->isChecked();
}

void TPrintForm::loadTemplate(const QString& path)
{
    F1Book->setSheet(sheet::readSheet(path));
}

void TPrintForm::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TPrintForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    pasteAction_->setEnabled(false);
    pasteSpecialAction_->setEnabled(false);
}

void TPrintForm::done(int r)
{
    removeTempFiles();
    QDialog::done(r);
}

void TPrintForm::removeTempFiles()
{
    for (const QString& f : tempFiles_)
        if (QFile::exists(f)) QFile::remove(f);
    tempFiles_.clear();
}

void TPrintForm::BtnOpenClick()
{
    QString path = ui::Dialogs::instance().openFile(QStringLiteral("打开文件"), QFileInfo(openedFile_).absolutePath(),
                                                    QStringLiteral("EXCEL文件 (*.xlsx *.xls);;文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty()) return;
    openedFile_ = path;
    try {
        loadTemplate(path);
    } catch (const std::exception&) {
        ui::Dialogs::instance().message(QStringLiteral("文件类型不正确,无法打开文件"), QStringLiteral("提示"), ui::Icon::Information);
    }
}

QString TPrintForm::SaveAs(QString path, int filterIndex)
{
    static const char* extensions[] = {".xlsx", ".txt", ".html"};
    filterIndex = std::clamp(filterIndex, 0, 2);
    if (QFileInfo(path).suffix().isEmpty()) {
        if (path.endsWith('.')) path.chop(1);
        path += QString::fromLatin1(extensions[filterIndex]);
        // The dialog asked about the name as typed; ask again for the full name.
        if (QFileInfo::exists(path) &&
            !ui::Dialogs::instance().confirm(QStringLiteral("%1 已经存在。\n要替换它吗？").arg(QFileInfo(path).fileName())))
            return QString();
    }
    static const sheet::FileFormat formats[] = {sheet::FileFormat::Xlsx, sheet::FileFormat::Text, sheet::FileFormat::Html};
    if (formats[filterIndex] == sheet::FileFormat::Html)
        sheet::writeHtml(sheet(), path, sheet().text(0, 0));
    else
        sheet::writeSheet(sheet(), path, formats[filterIndex]);
    return path;
}

void TPrintForm::BtnSaveClick()
{
    auto [path, filter] = saveDialog();
    if (path.isEmpty()) return;
    SaveAs(path, filter);
}

void TPrintForm::BtnPrintClick()
{
    try {
        printer(showPrintDialog());
    } catch (const std::exception& e) {
        if (QString::fromUtf8(e.what()) == QLatin1String("Operation canceled")) return;
        ui::Dialogs::instance().message(QStringLiteral("打印时出错，请检查打印机是否正确连接"), QStringLiteral("错误"), ui::Icon::Error);
    }
}

void TPrintForm::BtnPreviewClick()
{
    F1Book->printPreview();
}

void TPrintForm::BtnExcelClick()
{
    QString base;
    {
        QTemporaryFile tmp(QDir(QDir::tempPath()).filePath(QStringLiteral("RepXXXXXX")));
        tmp.setAutoRemove(false);
        if (!tmp.open()) return;
        base = tmp.fileName();
    }
    QString path = base + QStringLiteral(".xlsx");
    if (!QFile::rename(base, path)) {
        QFile::remove(base);
        return;
    }
    // Every copy made for the desktop program is removed when the window
    // closes, not only the last one.
    tempFiles_ << path;
    sheet::writeXlsx(sheet(), path);
    openExternally(path);
}

}  // namespace tj::reports
