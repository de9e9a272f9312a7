// The editable spreadsheet on screen: cells, merges, widths, hidden rows and
// columns of a Sheet, with the edit, insert, format and print commands of a
// spreadsheet program. The commands act on the current selection.
#pragma once

#include "platform/sheet/Sheet.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <memory>

class QPrinter;

namespace tj::sheet {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(Sheet* sheet, QObject* parent = nullptr) : QAbstractTableModel(parent), sheet_(sheet) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void refresh();

private:
    Sheet* sheet_;
};

class SheetView : public QTableView {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);
    ~SheetView() override;

    Sheet& sheet() { return sheet_; }
    const Sheet& sheet() const { return sheet_; }
    // Replaces the whole sheet and shows it.
    void setSheet(Sheet sheet);
    // Shows changes made to sheet() directly.
    void refresh();

    // The selected block (whole rows or columns included); the current cell
    // when nothing is selected.
    CellRange selection() const;
    void select(const CellRange& range);
    bool wholeRowsSelected() const;
    bool wholeColumnsSelected() const;

    // Edit.
    void cut();
    void copy();
    void paste();
    void pasteSpecial();  // texts only, no formats
    bool canPaste() const { return hasClip_; }
    void clearAll();
    void clearFormats();
    void clearContents();
    void deleteCells();   // asks how, unless whole rows or columns are selected
    void insertCells();   // asks how
    void insertRows();
    void insertColumns();
    void insertPageBreak();
    void sortDialog();
    void findDialog();
    void replaceDialog();
    void goToDialog();
    void recalculate();
    // Find and replace without dialogs; find returns false when nothing matches.
    bool findNext(const QString& text, bool matchCase = false);
    int replaceAll(const QString& text, const QString& with, bool matchCase = false);
    bool goTo(const QString& reference);

    // Format.
    void cellFormatDialog();
    void rowHeightDialog();
    void defaultRowHeightDialog();
    void columnWidthDialog();
    void defaultColumnWidthDialog();
    void setSelectedRowsHidden(bool hidden);
    void setSelectedColumnsHidden(bool hidden);
    void sheetFormatDialog();
    void optionsDialog();

    // Print.
    void setPrintAreaFromSelection();
    void clearPrintArea();
    void setPrintTitlesFromSelection();
    void clearPrintTitles();
    void pageSetupDialog();
    void printerSetupDialog();
    // Prints the print area; with the dialog, a cancel throws SheetError with
    // the text "Operation canceled".
    void print(bool showDialog);
    void printPreview();
    void aboutDialog();

signals:
    void clipboardFilled();

private:
    void applyLayout();
    QPrinter& printer();

    Sheet sheet_;
    std::unique_ptr<SheetModel> model_;
    std::unique_ptr<QPrinter> printer_;
    struct ClipCell {
        QString text;
        CellFormat format;
    };
    std::vector<std::vector<ClipCell>> clip_;
    QString clipText_;
    bool hasClip_ = false;
    bool cutPending_ = false;
    CellRange cutRange_;
    QString lastFind_;
};

}  // namespace tj::sheet
