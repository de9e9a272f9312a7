// The grid's footer bar: the summaries under their columns. Used by DataGrid only.
#pragma once

#include "platform/ui/DataGrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeView>
#include <QWidget>
#include <map>

namespace tj::ui {


class DataGridFooter : public QWidget {
public:
    explicit DataGridFooter(DataGrid* grid) : QWidget(grid), grid_(grid)
    {
        setFixedHeight(fontMetrics().height() + 8);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setPen(palette().mid().color());
        p.drawLine(0, 0, width(), 0);
        p.setPen(palette().windowText().color());
        QHeaderView* header = grid_->view_->header();
        const int offset = grid_->view_->viewport()->x() + grid_->view_->frameWidth() - 1;
        // Several summaries on one column are shown one after the other.
        std::map<int, QString> texts;
        for (int i = 0; i < int(grid_->summaries_.size()); ++i) {
            const int col = grid_->summaries_[std::size_t(i)].column;
            QString& t = texts[col];
            if (!t.isEmpty())
                t += QLatin1String("  ");
            t += grid_->summaryText(i);
        }
        for (const auto& [col, text] : texts) {
            if (col < 0 || col >= header->count() || header->isSectionHidden(col))
                continue;
            const QRect r(offset + header->sectionViewportPosition(col) + 4, 0, header->sectionSize(col) - 8, height());
            const auto& c = grid_->columns_[std::size_t(col)];
            p.drawText(r, int(c.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
                       fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
        }
    }

private:
    DataGrid* grid_;
};

}  // namespace tj::ui
