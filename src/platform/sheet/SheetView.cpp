#include "platform/sheet/SheetView.h"

#include "platform/sheet/SheetPrinter.h"
#include "platform/sheet/Fonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <cmath>

namespace tj::sheet {

// ---- model ---------------------------------------------------------------

int SheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(sheet_->rowCount() + 20, 60);
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(sheet_->columnCount() + 4, 16);
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    int r = index.row(), c = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) return sheet_->text(r, c);
    if (role == Qt::TextAlignmentRole) {
        CellFormat f = sheet_->format(r, c);
        switch (f.align) {
        case HAlign::Left: return int(Qt::AlignLeft | Qt::AlignVCenter);
        case HAlign::Center: return int(Qt::AlignCenter);
        case HAlign::Right: return int(Qt::AlignRight | Qt::AlignVCenter);
        case HAlign::General: {
            bool ok = false;
            sheet_->text(r, c).toDouble(&ok);
            return int((ok ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        }
    }
    if (role == Qt::FontRole) {
        CellFormat cf = sheet_->format(r, c);
        QFont f(sheet_->fontFamily());
        f.setPointSizeF(cf.fontSize > 0 ? cf.fontSize : sheet_->fontSize());
        f.setBold(cf.bold);
        return f;
    }
    return {};
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    bool grows = index.row() >= sheet_->rowCount() || index.column() >= sheet_->columnCount();
    sheet_->setText(index.row(), index.column(), value.toString());
    if (grows)
        refresh();
    else
        emit dataChanged(index, index);
    return true;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? columnName(section) : QString::number(section + 1);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

void SheetModel::refresh()
{
    beginResetModel();
    endResetModel();
}

// ---- view ----------------------------------------------------------------

SheetView::SheetView(QWidget* parent) : QTableView(parent), model_(std::make_unique<SheetModel>(&sheet_))
{
    installCjkFontSubstitutions();
    setModel(model_.get());
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setSectionsClickable(true);
    verticalHeader()->setSectionsClickable(true);
    applyLayout();
}

SheetView::~SheetView() = default;

void SheetView::setSheet(Sheet sheet)
{
    sheet_ = std::move(sheet);
    cutPending_ = false;
    model_->refresh();
    applyLayout();
}

void SheetView::refresh()
{
    // Resetting the model drops the selection; the commands keep it.
    bool had = selectionModel() && (selectionModel()->hasSelection() || currentIndex().isValid());
    CellRange keep = selection();
    model_->refresh();
    applyLayout();
    if (had) select(keep);
}

void SheetView::applyLayout()
{
    // Sizes are set only where they differ from the defaults, so that a sheet
    // of thousands of rows shows at once.
    clearSpans();
    for (const auto& m : sheet_.merges()) setSpan(m.top, m.left, m.rowCount(), m.columnCount());
    auto columnPx = [](int units) { return int(std::lround(units / double(Sheet::kWidthUnitsPerChar) * 7.0 + 5.0)); };
    horizontalHeader()->setDefaultSectionSize(columnPx(sheet_.defaultColumnWidth()));
    verticalHeader()->setDefaultSectionSize(int(std::lround(sheet_.defaultRowHeight() * 96.0 / 72.0)));
    const int cols = model_->columnCount(), rows = model_->rowCount();
    for (int c = 0; c < cols; ++c) {
        bool hidden = sheet_.isColumnHidden(c);
        if (hidden != isColumnHidden(c)) setColumnHidden(c, hidden);
        if (!hidden) {
            int px = columnPx(sheet_.columnWidth(c));
            if (columnWidth(c) != px) setColumnWidth(c, px);
        }
    }
    for (int r = 0; r < rows; ++r) {
        bool hidden = sheet_.isRowHidden(r);
        if (hidden != isRowHidden(r)) setRowHidden(r, hidden);
        if (!hidden && sheet_.hasCustomRowHeight(r)) setRowHeight(r, int(std::lround(sheet_.rowHeight(r) * 96.0 / 72.0)));
    }
}

CellRange SheetView::selection() const
{
    // From the selection's ranges, not its indexes: those leave out hidden
    // rows and columns, which "取消隐藏" must still reach.
    QItemSelection sel = selectionModel() ? selectionModel()->selection() : QItemSelection();
    if (sel.isEmpty()) {
        QModelIndex cur = currentIndex();
        int r = cur.isValid() ? cur.row() : 0, c = cur.isValid() ? cur.column() : 0;
        return CellRange::of(r, c, r, c);
    }
    CellRange r{INT_MAX, INT_MAX, -1, -1};
    for (const QItemSelectionRange& i : sel) {
        r.top = std::min(r.top, i.top());
        r.left = std::min(r.left, i.left());
        r.bottom = std::max(r.bottom, i.bottom());
        r.right = std::max(r.right, i.right());
    }
    return r;
}

void SheetView::select(const CellRange& range)
{
    if (range.isEmpty()) return;
    QModelIndex a = model_->index(range.top, range.left), b = model_->index(range.bottom, range.right);
    if (!a.isValid() || !b.isValid()) {
        model_->refresh();
        applyLayout();
        a = model_->index(range.top, range.left);
        b = model_->index(range.bottom, range.right);
    }
    selectionModel()->select(QItemSelection(a, b), QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(a, QItemSelectionModel::NoUpdate);
    scrollTo(a);
}

bool SheetView::wholeRowsSelected() const
{
    CellRange s = selection();
    return s.left == 0 && s.right == model_->columnCount() - 1;
}

bool SheetView::wholeColumnsSelected() const
{
    CellRange s = selection();
    return s.top == 0 && s.bottom == model_->rowCount() - 1;
}

void SheetView::copy()
{
    CellRange s = selection();
    clip_.clear();
    QStringList lines;
    for (int r = s.top; r <= s.bottom; ++r) {
        std::vector<ClipCell> row;
        QStringList fields;
        for (int c = s.left; c <= s.right; ++c) {
            row.push_back({sheet_.text(r, c), sheet_.format(r, c)});
            fields << sheet_.text(r, c);
        }
        clip_.push_back(std::move(row));
        lines << fields.join('\t');
    }
    clipText_ = lines.join("\n");
    QApplication::clipboard()->setText(clipText_);
    hasClip_ = true;
    cutPending_ = false;
    emit clipboardFilled();
}

void SheetView::cut()
{
    copy();
    cutPending_ = true;
    cutRange_ = selection();
}

void SheetView::paste()
{
    CellRange s = selection();
    QString system = QApplication::clipboard()->text();
    if (!clip_.empty() && (system.isEmpty() || system == clipText_)) {
        for (size_t i = 0; i < clip_.size(); ++i)
            for (size_t k = 0; k < clip_[i].size(); ++k) {
                sheet_.setText(s.top + int(i), s.left + int(k), clip_[i][k].text);
                sheet_.setFormat(s.top + int(i), s.left + int(k), clip_[i][k].format);
            }
        if (cutPending_) {
            // The cut block empties, except where it was pasted over.
            CellRange to = CellRange::of(s.top, s.left, s.top + int(clip_.size()) - 1, s.left + int(clip_[0].size()) - 1);
            for (int r = cutRange_.top; r <= cutRange_.bottom; ++r)
                for (int c = cutRange_.left; c <= cutRange_.right; ++c)
                    if (!to.contains(r, c)) sheet_.clearRange(CellRange::of(r, c, r, c), true, true);
            cutPending_ = false;
        }
    } else {
        pasteSpecial();
        return;
    }
    refresh();
}

void SheetView::pasteSpecial()
{
    CellRange s = selection();
    QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) text = clipText_;
    Sheet parsed = parseText(text.toUtf8());
    for (int r = 0; r < parsed.rowCount(); ++r)
        for (int c = 0; c < parsed.columnCount(); ++c) sheet_.setText(s.top + r, s.left + c, parsed.text(r, c));
    refresh();
}

void SheetView::clearAll()
{
    sheet_.clearRange(selection(), true, true);
    refresh();
}

void SheetView::clearFormats()
{
    sheet_.clearRange(selection(), false, true);
    refresh();
}

void SheetView::clearContents()
{
    sheet_.clearRange(selection(), true, false);
    refresh();
}

void SheetView::deleteCells()
{
    CellRange s = selection();
    if (wholeRowsSelected()) {
        sheet_.removeRows(s.top, s.rowCount());
    } else if (wholeColumnsSelected()) {
        sheet_.removeColumns(s.left, s.columnCount());
    } else {
        QStringList choices{QStringLiteral("右侧单元格左移"), QStringLiteral("下方单元格上移"), QStringLiteral("整行"), QStringLiteral("整列")};
        bool ok = false;
        QString how = QInputDialog::getItem(this, QStringLiteral("删除"), QStringLiteral("删除："), choices, 0, false, &ok);
        if (!ok) return;
        int i = int(choices.indexOf(how));
        if (i == 0) sheet_.removeCells(s, false);
        if (i == 1) sheet_.removeCells(s, true);
        if (i == 2) sheet_.removeRows(s.top, s.rowCount());
        if (i == 3) sheet_.removeColumns(s.left, s.columnCount());
    }
    refresh();
}

void SheetView::insertCells()
{
    CellRange s = selection();
    QStringList choices{QStringLiteral("活动单元格右移"), QStringLiteral("活动单元格下移"), QStringLiteral("整行"), QStringLiteral("整列")};
    bool ok = false;
    QString how = QInputDialog::getItem(this, QStringLiteral("插入"), QStringLiteral("插入："), choices, 1, false, &ok);
    if (!ok) return;
    int i = int(choices.indexOf(how));
    if (i == 0) sheet_.insertCells(s, false);
    if (i == 1) sheet_.insertCells(s, true);
    if (i == 2) sheet_.insertRows(s.top, s.rowCount());
    if (i == 3) sheet_.insertColumns(s.left, s.columnCount());
    refresh();
}

void SheetView::insertRows()
{
    CellRange s = selection();
    sheet_.insertRows(s.top, s.rowCount());
    refresh();
}

void SheetView::insertColumns()
{
    CellRange s = selection();
    sheet_.insertColumns(s.left, s.columnCount());
    refresh();
}

void SheetView::insertPageBreak()
{
    sheet_.addRowBreak(selection().top);
}

void SheetView::sortDialog()
{
    CellRange s = selection();
    if (s.rowCount() < 2) s = CellRange::of(s.top, 0, std::max(s.top, sheet_.rowCount() - 1), std::max(0, sheet_.columnCount() - 1));
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("排序"));
    auto* form = new QFormLayout(&dlg);
    auto* key = new QComboBox(&dlg);
    for (int c = s.left; c <= s.right; ++c) key->addItem(QStringLiteral("列 %1").arg(columnName(c)), c);
    auto* order = new QComboBox(&dlg);
    order->addItems({QStringLiteral("升序"), QStringLiteral("降序")});
    form->addRow(QStringLiteral("关键字："), key);
    form->addRow(QStringLiteral("次序："), order);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    sheet_.sortRows(s, key->currentData().toInt(), order->currentIndex() == 0);
    refresh();
}

bool SheetView::findNext(const QString& text, bool matchCase)
{
    if (text.isEmpty()) return false;
    lastFind_ = text;
    QModelIndex cur = currentIndex();
    int rows = sheet_.rowCount(), cols = sheet_.columnCount();
    if (rows == 0 || cols == 0) return false;
    int start = cur.isValid() ? cur.row() * cols + cur.column() + 1 : 0;
    Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int k = 0; k < rows * cols; ++k) {
        int i = (start + k) % (rows * cols);
        int r = i / cols, c = i % cols;
        if (sheet_.text(r, c).contains(text, cs)) {
            select(CellRange::of(r, c, r, c));
            return true;
        }
    }
    return false;
}

int SheetView::replaceAll(const QString& text, const QString& with, bool matchCase)
{
    if (text.isEmpty()) return 0;
    int n = 0;
    Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int r = 0; r < sheet_.rowCount(); ++r)
        for (int c = 0; c < sheet_.columnCount(); ++c) {
            QString t = sheet_.text(r, c);
            if (!t.contains(text, cs)) continue;
            sheet_.setText(r, c, t.replace(text, with, cs));
            ++n;
        }
    if (n) refresh();
    return n;
}

bool SheetView::goTo(const QString& reference)
{
    auto ref = parseCellRef(reference);
    if (!ref) return false;
    select(CellRange::of(ref->first, ref->second, ref->first, ref->second));
    return true;
}

void SheetView::findDialog()
{
    bool ok = false;
    QString t = QInputDialog::getText(this, QStringLiteral("查找"), QStringLiteral("查找内容："), QLineEdit::Normal, lastFind_, &ok);
    if (ok && !findNext(t)) QMessageBox::information(this, QStringLiteral("查找"), QStringLiteral("找不到“%1”。").arg(t));
}

void SheetView::replaceDialog()
{
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("替换"));
    auto* form = new QFormLayout(&dlg);
    auto* what = new QLineEdit(lastFind_, &dlg);
    auto* with = new QLineEdit(&dlg);
    auto* matchCase = new QCheckBox(QStringLiteral("区分大小写"), &dlg);
    form->addRow(QStringLiteral("查找内容："), what);
    form->addRow(QStringLiteral("替换为："), with);
    form->addRow(matchCase);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("全部替换"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    lastFind_ = what->text();
    int n = replaceAll(what->text(), with->text(), matchCase->isChecked());
    QMessageBox::information(this, QStringLiteral("替换"), QStringLiteral("共替换 %1 处。").arg(n));
}

void SheetView::goToDialog()
{
    bool ok = false;
    QString t = QInputDialog::getText(this, QStringLiteral("转到"), QStringLiteral("引用位置（如 B3）："), QLineEdit::Normal, QString(), &ok);
    if (ok && !goTo(t)) QMessageBox::information(this, QStringLiteral("转到"), QStringLiteral("引用无效。"));
}

void SheetView::recalculate()
{
    // Cells hold texts only; recalculating shows the sheet again as stored.
    refresh();
}

void SheetView::cellFormatDialog()
{
    CellRange s = selection();
    CellFormat f = sheet_.format(s.top, s.left);
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("单元格格式"));
    auto* form = new QFormLayout(&dlg);
    auto* align = new QComboBox(&dlg);
    align->addItems({QStringLiteral("常规"), QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    align->setCurrentIndex(int(f.align));
    auto* bold = new QCheckBox(QStringLiteral("加粗"), &dlg);
    bold->setChecked(f.bold);
    auto* merge = new QCheckBox(QStringLiteral("合并单元格"), &dlg);
    merge->setChecked(sheet_.mergeAt(s.top, s.left) == s && s.rowCount() * s.columnCount() > 1);
    form->addRow(QStringLiteral("水平对齐："), align);
    form->addRow(bold);
    form->addRow(merge);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    for (int r = s.top; r <= s.bottom; ++r)
        for (int c = s.left; c <= s.right; ++c) {
            CellFormat cf = sheet_.format(r, c);
            cf.align = HAlign(align->currentIndex());
            cf.bold = bold->isChecked();
            sheet_.setFormat(r, c, cf);
        }
    if (merge->isChecked())
        sheet_.merge(s);
    else
        sheet_.unmerge(s);
    refresh();
}

void SheetView::rowHeightDialog()
{
    CellRange s = selection();
    bool ok = false;
    double h = QInputDialog::getDouble(this, QStringLiteral("行高"), QStringLiteral("行高（磅）："), sheet_.rowHeight(s.top), 0, 409, 2, &ok);
    if (!ok) return;
    for (int r = s.top; r <= s.bottom; ++r) sheet_.setRowHeight(r, h);
    refresh();
}

void SheetView::defaultRowHeightDialog()
{
    bool ok = false;
    double h = QInputDialog::getDouble(this, QStringLiteral("默认行高"), QStringLiteral("行高（磅）："), sheet_.defaultRowHeight(), 1, 409, 2, &ok);
    if (!ok) return;
    sheet_.setDefaultRowHeight(h);
    refresh();
}

void SheetView::columnWidthDialog()
{
    CellRange s = selection();
    bool ok = false;
    double w = QInputDialog::getDouble(this, QStringLiteral("列宽"), QStringLiteral("列宽（字符）："),
                                       sheet_.columnWidth(s.left) / double(Sheet::kWidthUnitsPerChar), 0, 255, 2, &ok);
    if (!ok) return;
    for (int c = s.left; c <= s.right; ++c) sheet_.setColumnWidth(c, int(std::lround(w * Sheet::kWidthUnitsPerChar)));
    refresh();
}

void SheetView::defaultColumnWidthDialog()
{
    bool ok = false;
    double w = QInputDialog::getDouble(this, QStringLiteral("默认列宽"), QStringLiteral("列宽（字符）："),
                                       sheet_.defaultColumnWidth() / double(Sheet::kWidthUnitsPerChar), 1, 255, 2, &ok);
    if (!ok) return;
    sheet_.setDefaultColumnWidth(int(std::lround(w * Sheet::kWidthUnitsPerChar)));
    refresh();
}

void SheetView::setSelectedRowsHidden(bool hidden)
{
    CellRange s = selection();
    for (int r = s.top; r <= s.bottom; ++r) sheet_.setRowHidden(r, hidden);
    refresh();
}

void SheetView::setSelectedColumnsHidden(bool hidden)
{
    CellRange s = selection();
    for (int c = s.left; c <= s.right; ++c) {
        sheet_.setColumnHidden(c, hidden);
        // A column hidden by width 0 shows again at the default width.
        if (!hidden && !sheet_.hasCustomColumnWidth(c)) sheet_.setColumnWidth(c, sheet_.defaultColumnWidth());
    }
    refresh();
}

void SheetView::sheetFormatDialog()
{
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("工作表"));
    auto* form = new QFormLayout(&dlg);
    auto* name = new QLineEdit(sheet_.name(), &dlg);
    auto* family = new QFontComboBox(&dlg);
    family->setCurrentFont(QFont(sheet_.fontFamily()));
    auto* size = new QDoubleSpinBox(&dlg);
    size->setRange(5, 72);
    size->setValue(sheet_.fontSize());
    form->addRow(QStringLiteral("名称："), name);
    form->addRow(QStringLiteral("字体："), family);
    form->addRow(QStringLiteral("字号："), size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    if (!name->text().trimmed().isEmpty()) sheet_.setName(name->text().trimmed());
    sheet_.setFontFamily(family->currentFont().family());
    sheet_.setFontSize(size->value());
    refresh();
}

void SheetView::optionsDialog()
{
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("选项"));
    auto* form = new QFormLayout(&dlg);
    auto* grid = new QCheckBox(QStringLiteral("显示网格线"), &dlg);
    grid->setChecked(showGrid());
    auto* headers = new QCheckBox(QStringLiteral("显示行号列标"), &dlg);
    headers->setChecked(horizontalHeader()->isVisible());
    form->addRow(grid);
    form->addRow(headers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    setShowGrid(grid->isChecked());
    horizontalHeader()->setVisible(headers->isChecked());
    verticalHeader()->setVisible(headers->isChecked());
}

void SheetView::setPrintAreaFromSelection()
{
    sheet_.setPrintArea(selection());
}

void SheetView::clearPrintArea()
{
    sheet_.setPrintArea(std::nullopt);
}

void SheetView::setPrintTitlesFromSelection()
{
    CellRange s = selection();
    sheet_.setPrintTitleRows(std::pair{s.top, s.bottom});
}

void SheetView::clearPrintTitles()
{
    sheet_.setPrintTitleRows(std::nullopt);
}

void SheetView::pageSetupDialog()
{
    PageSetup& p = sheet_.pageSetup();
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("页面设置"));
    auto* form = new QFormLayout(&dlg);
    auto* paper = new QComboBox(&dlg);
    const QList<QPageSize::PageSizeId> papers{QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::B5, QPageSize::Letter, QPageSize::Legal};
    for (auto id : papers) paper->addItem(QPageSize::name(id), int(id));
    paper->setCurrentIndex(std::max(0, int(papers.indexOf(p.paper))));
    auto* orient = new QComboBox(&dlg);
    orient->addItems({QStringLiteral("纵向"), QStringLiteral("横向")});
    orient->setCurrentIndex(p.landscape ? 1 : 0);
    auto spin = [&](double v) {
        auto* s = new QDoubleSpinBox(&dlg);
        s->setRange(0, 100);
        s->setSuffix(" mm");
        s->setValue(v);
        return s;
    };
    auto* top = spin(p.marginsMm.top());
    auto* bottom = spin(p.marginsMm.bottom());
    auto* left = spin(p.marginsMm.left());
    auto* right = spin(p.marginsMm.right());
    auto* scale = new QSpinBox(&dlg);
    scale->setRange(10, 400);
    scale->setSuffix("%");
    scale->setValue(p.scalePercent);
    auto* header = new QLineEdit(p.header, &dlg);
    auto* footer = new QLineEdit(p.footer, &dlg);
    auto* grid = new QCheckBox(QStringLiteral("打印网格线"), &dlg);
    grid->setChecked(p.gridLines);
    auto* center = new QCheckBox(QStringLiteral("水平居中"), &dlg);
    center->setChecked(p.centerHorizontally);
    form->addRow(QStringLiteral("纸张："), paper);
    form->addRow(QStringLiteral("方向："), orient);
    form->addRow(QStringLiteral("上边距："), top);
    form->addRow(QStringLiteral("下边距："), bottom);
    form->addRow(QStringLiteral("左边距："), left);
    form->addRow(QStringLiteral("右边距："), right);
    form->addRow(QStringLiteral("缩放："), scale);
    form->addRow(QStringLiteral("页眉（&&P 页码，&&N 总页数）："), header);
    form->addRow(QStringLiteral("页脚："), footer);
    form->addRow(grid);
    form->addRow(center);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    p.paper = QPageSize::PageSizeId(paper->currentData().toInt());
    p.landscape = orient->currentIndex() == 1;
    p.marginsMm = QMarginsF(left->value(), top->value(), right->value(), bottom->value());
    p.scalePercent = scale->value();
    p.header = header->text();
    p.footer = footer->text();
    p.gridLines = grid->isChecked();
    p.centerHorizontally = center->isChecked();
}

QPrinter& SheetView::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void SheetView::printerSetupDialog()
{
    applyPageSetup(sheet_, printer());
    QPrintDialog dlg(&printer(), this);
    dlg.setWindowTitle(QStringLiteral("打印机设置"));
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlg.exec() == QDialog::Accepted) {
        sheet_.pageSetup().landscape = printer().pageLayout().orientation() == QPageLayout::Landscape;
    }
}

void SheetView::print(bool showDialog)
{
    QPrinter& pr = printer();
    applyPageSetup(sheet_, pr);
    if (showDialog) {
        QPrintDialog dlg(&pr, this);
        dlg.setMinMax(1, std::max<int>(1, int(paginate(sheet_).size())));
        if (dlg.exec() != QDialog::Accepted) throw SheetError(QStringLiteral("Operation canceled"));
    }
    printSheet(sheet_, pr);
}

void SheetView::printPreview()
{
    previewSheet(sheet_, this);
}

void SheetView::aboutDialog()
{
    QMessageBox::about(this, QStringLiteral("版本信息"),
                       QStringLiteral("电子表格 %1\nQt %2").arg(QStringLiteral("1.0"), QString::fromLatin1(qVersion())));
}

}  // namespace tj::sheet
