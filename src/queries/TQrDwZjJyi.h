// The printed unit summary and advice report: per visit of a unit the
// person's line, then the chief examination's summary and advice side by
// side in two boxes that grow with their text; the unit's name and the date
// range head the first page, and every page ends with "第 N 页/共 M 页".
#pragma once

#include "platform/report/DataSource.h"
#include "platform/report/PageModel.h"

#include <QString>

namespace tj::queries {

class TQrDwZjJyi {
public:
    // The unit's name and the range text of the heading.
    QString Qrlb_Dwei;
    QString qrlb_Sfsjian;
    // The page count of the last layout.
    int qrlbTotalPageCount = 0;

    // Lays the report out over the rows (tjhao, xming, xbie, nling, jtdhua,
    // sji, zjlrsjian, tjzjie, zjjyi): A4 portrait, 10 mm margins, 宋体 9 pt.
    report::Document Layout(const report::DataSource& rows);
};

}  // namespace tj::queries
