// The spreadsheet the program fills, prints, edits and exports: one sheet of
// cell texts with merges, horizontal alignment, column widths, row heights,
// hidden rows and columns, print area, print titles and page set-up.
// Rows and columns are counted from 0 here; callers that count from 1 convert.
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

namespace tj::sheet {

// Failure to read or write a sheet file; what() is a UTF-8 message.
class SheetError : public std::runtime_error {
public:
    // Why a file could not be read; Other for everything else.
    enum class Reason {
        Other,
        CannotOpen,      // missing, unreadable or locked
        Empty,           // no bytes at all
        NotSpreadsheet,  // some other kind of file
        Damaged,         // a workbook whose content is cut short or broken
        Encrypted,       // protected by a password to open
        Unsupported,     // a spreadsheet in a format that is not read here
        NoWorksheet,     // a workbook with charts or macros only
    };
    explicit SheetError(const QString& message, Reason reason = Reason::Other)
        : std::runtime_error(message.toStdString()), reason_(reason) {}
    // The error with the message the clerk sees for the reason.
    static SheetError of(Reason reason);
    static SheetError cannotOpen(const QString& path);
    QString message() const { return QString::fromUtf8(what()); }
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

enum class HAlign { General, Left, Center, Right };

struct CellRange {
    int top = 0, left = 0, bottom = -1, right = -1;  // inclusive; empty when bottom < top

    static CellRange of(int top, int left, int bottom, int right) { return {top, left, bottom, right}; }
    bool isEmpty() const { return bottom < top || right < left; }
    bool contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    bool intersects(const CellRange& o) const
    {
        return !isEmpty() && !o.isEmpty() && o.left <= right && o.right >= left && o.top <= bottom && o.bottom >= top;
    }
    int rowCount() const { return isEmpty() ? 0 : bottom - top + 1; }
    int columnCount() const { return isEmpty() ? 0 : right - left + 1; }
    bool operator==(const CellRange&) const = default;
};

struct CellFormat {
    HAlign align = HAlign::General;
    bool bold = false;
    double fontSize = 0;  // points; 0 = the sheet's font size
    bool operator==(const CellFormat&) const = default;
};

struct Cell {
    QString text;
    CellFormat format;
};

// Page set-up used when the sheet is printed and stored with the file.
struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool landscape = false;
    QMarginsF marginsMm{19.0, 25.0, 19.0, 25.0};  // left, top, right, bottom
    double headerMm = 13.0, footerMm = 13.0;       // distance of header/footer text from the edge
    QString header;                                 // printed centred at the top of each page
    QString footer;                                 // printed centred at the bottom; &P page, &N pages
    bool gridLines = true;                          // cell borders printed
    bool centerHorizontally = false;
    int scalePercent = 100;
    bool operator==(const PageSetup&) const = default;
};

class Sheet {
public:
    // Width unit of columns: 1/256 of the width of one standard character.
    static constexpr int kWidthUnitsPerChar = 256;
    static constexpr int kDefaultColumnWidth = 2304;  // 9 characters
    static constexpr double kDefaultRowHeight = 14.25;  // points

    Sheet() = default;

    // Used block: every row and column below these is empty and unformatted.
    int rowCount() const { return rows_; }
    int columnCount() const { return cols_; }
    // Sets the used block; cells outside it are dropped, merges cut off.
    void setExtent(int rows, int cols);
    // Removes every cell, merge, width, height, hidden flag, area and title;
    // keeps the page set-up and the defaults.
    void clearContents();

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    CellFormat format(int row, int col) const;
    void setFormat(int row, int col, const CellFormat& format);
    void setAlignment(const CellRange& range, HAlign align);
    // Clears texts, formats or both over the range.
    void clearRange(const CellRange& range, bool texts, bool formats);

    // Merged blocks; a new merge replaces every merge it overlaps.
    const std::vector<CellRange>& merges() const { return merges_; }
    void merge(const CellRange& range);
    void unmerge(const CellRange& range);
    // The merged block covering the cell, if any.
    std::optional<CellRange> mergeAt(int row, int col) const;

    int columnWidth(int col) const;  // 1/256 character units; 0 for a hidden column
    void setColumnWidth(int col, int width);
    bool isColumnHidden(int col) const;
    void setColumnHidden(int col, bool hidden);
    int defaultColumnWidth() const { return defaultColumnWidth_; }
    void setDefaultColumnWidth(int width) { defaultColumnWidth_ = width; }
    bool hasCustomColumnWidth(int col) const;

    double rowHeight(int row) const;  // points
    void setRowHeight(int row, double points);
    bool isRowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    double defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(double points) { defaultRowHeight_ = points; }
    bool hasCustomRowHeight(int row) const;

    // Whole rows or columns shift the cells, merges, widths, hidden flags,
    // print area and titles after them.
    void insertRows(int row, int count);
    void removeRows(int row, int count);
    void insertColumns(int col, int count);
    void removeColumns(int col, int count);
    // Cells only: the block is moved right/down (insert) or the rest of the
    // row/column moves in (delete).
    void insertCells(const CellRange& range, bool shiftDown);
    void removeCells(const CellRange& range, bool shiftUp);

    // Sorts the rows of the range by the texts of column `keyCol`
    // (numbers by value, then texts).
    void sortRows(const CellRange& range, int keyCol, bool ascending);

    std::optional<CellRange> printArea() const { return printArea_; }
    void setPrintArea(std::optional<CellRange> area) { printArea_ = area; }
    // Rows repeated at the top of every printed page (first and last row).
    std::optional<std::pair<int, int>> printTitleRows() const { return printTitles_; }
    void setPrintTitleRows(std::optional<std::pair<int, int>> rows) { printTitles_ = rows; }
    // Manual page breaks: a new page starts at each of these rows.
    const std::set<int>& rowBreaks() const { return rowBreaks_; }
    void addRowBreak(int row) { if (row > 0) rowBreaks_.insert(row); }
    void clearRowBreaks() { rowBreaks_.clear(); }

    PageSetup& pageSetup() { return page_; }
    const PageSetup& pageSetup() const { return page_; }
    QString fontFamily() const { return fontFamily_; }
    void setFontFamily(const QString& family) { fontFamily_ = family; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }
    QString name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // The rows of texts of the used block, for comparisons in tests and for
    // the text writer.
    std::vector<QStringList> texts() const;

private:
    Cell* cellPtr(int row, int col);
    const Cell* cellPtr(int row, int col) const;
    void grow(int rows, int cols);
    template <class F> void remapRows(F&& map);
    template <class F> void remapColumns(F&& map);

    int rows_ = 0, cols_ = 0;
    std::vector<std::vector<Cell>> cells_;  // rows_ rows; each row may be shorter than cols_
    std::vector<CellRange> merges_;
    std::vector<int> widths_;                // -1 = default
    std::vector<char> hiddenCols_;
    std::vector<double> heights_;            // < 0 = default
    std::vector<char> hiddenRows_;
    std::optional<CellRange> printArea_;
    std::optional<std::pair<int, int>> printTitles_;
    std::set<int> rowBreaks_;
    PageSetup page_;
    int defaultColumnWidth_ = kDefaultColumnWidth;
    double defaultRowHeight_ = kDefaultRowHeight;
    QString fontFamily_ = QStringLiteral("宋体");
    double fontSize_ = 10.0;
    QString name_ = QStringLiteral("Sheet1");
};

// Reads a file into a sheet: the first visible worksheet of a workbook. The
// type is taken from the content: .xlsx (zip), legacy .xls of Excel 5.0 to
// 2003 (compound document) or tab-separated text in UTF-8 or GBK. Throws
// SheetError for a file that cannot be read, with its reason and a message
// that tells the clerk why (encrypted, damaged, not a spreadsheet, empty).
Sheet readSheet(const QString& path);
Sheet readXlsx(const QString& path);
Sheet readXls(const QString& path);
Sheet readText(const QString& path);
// Decodes tab-separated text (quoted fields as spreadsheet programs write
// them); the encoding is UTF-8 (with or without BOM), UTF-16 with BOM, or GBK.
Sheet parseText(const QByteArray& data);

enum class FileFormat { Xlsx, Text, Html };
// Writes the sheet; throws SheetError when the file cannot be written.
void writeSheet(const Sheet& sheet, const QString& path, FileFormat format);
void writeXlsx(const Sheet& sheet, const QString& path);
void writeText(const Sheet& sheet, const QString& path);
void writeHtml(const Sheet& sheet, const QString& path, const QString& title = QString());
QByteArray toText(const Sheet& sheet);
QString toHtml(const Sheet& sheet, const QString& title = QString());

// Column name as spreadsheet programs show it: 0 -> "A", 26 -> "AA".
QString columnName(int col);
// "B3" -> row 2, column 1; nullopt for anything else.
std::optional<std::pair<int, int>> parseCellRef(const QString& ref);

}  // namespace tj::sheet
