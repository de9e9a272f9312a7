// The settlement sheet (A4 portrait, one page): the centre's name, the
// title, the period, the cashier and the print time, then the table of
// group, individual and total visits and amounts, and the two remarks on
// cancelled visits. The daily and monthly settlements print it with their
// own titles.
#pragma once

#include "finance/DailySheet.h"
#include "platform/report/Output.h"
#include "platform/report/Report.h"

#include <QDateTime>
#include <QString>

class QWidget;

namespace tj::finance {

class TQrRjie {
public:
    QString UseUnit;      // Qrlb_UseUnit: the centre's name
    QString Title;        // Qrlb_Title: "日结帐清单", "月结帐清单（补打）" ...
    DailySheet Sheet;     // filled by ComputeDailySheet
    QDateTime PrintTime;  // from the server's clock

    report::ReportLayout layout() const;
    report::Document document() const;
    // Sends the sheet to the preview, a printer or a PDF file (see
    // report::outputDocument); false when the print dialog was cancelled.
    bool output(report::Output how, const QString& pdfPath = {}, QWidget* parent = nullptr) const;
};

}  // namespace tj::finance
