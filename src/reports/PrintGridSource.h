// What PrintGridView needs of a grid: its columns in view order (hidden ones
// included) with caption, width in pixels and whether the field is boolean,
// its rows in display order as display texts, and its footer summaries.
// The program's grid provides this through an adapter; ModelGridSource
// serves any item model with a column list.
#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <vector>

namespace tj::reports {

struct PrintGridColumn {
    QString caption;
    int width = 64;         // pixels on screen
    bool visible = true;
    bool isBoolean = false;  // printed as "√" when true, empty otherwise
};

struct PrintGridSummary {
    int column = 0;  // index of the summary's grid column (view order, from 0)
    QString text;    // the footer text as the grid shows it
};

class PrintGridSource {
public:
    virtual ~PrintGridSource() = default;
    virtual int columnCount() const = 0;
    virtual PrintGridColumn column(int col) const = 0;
    virtual int rowCount() const = 0;
    virtual QString displayText(int row, int col) const = 0;
    virtual bool boolValue(int row, int col) const = 0;
    virtual std::vector<PrintGridSummary> footerSummaries() const { return {}; }
};

// A grid over an item model (a sorting or filtering proxy gives the display
// order): each column names the model column it shows.
class ModelGridSource : public PrintGridSource {
public:
    struct Column {
        int modelColumn = 0;
        PrintGridColumn look;
    };
    ModelGridSource(const QAbstractItemModel* model, std::vector<Column> columns, std::vector<PrintGridSummary> summaries = {})
        : model_(model), columns_(std::move(columns)), summaries_(std::move(summaries)) {}

    int columnCount() const override { return int(columns_.size()); }
    PrintGridColumn column(int col) const override { return columns_.at(col).look; }
    int rowCount() const override { return model_ ? model_->rowCount() : 0; }
    QString displayText(int row, int col) const override;
    // Checked check state, else the edit value as a boolean (1, true).
    bool boolValue(int row, int col) const override;
    std::vector<PrintGridSummary> footerSummaries() const override { return summaries_; }

private:
    const QAbstractItemModel* model_;
    std::vector<Column> columns_;
    std::vector<PrintGridSummary> summaries_;
};

}  // namespace tj::reports
