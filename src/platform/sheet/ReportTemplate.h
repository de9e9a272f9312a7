// The spreadsheet template that printed grid lists start from
// (Report/报表.xlsx beside the executable): page set-up and the formats of
// the title, subtitle and caption rows.
#pragma once

#include "platform/sheet/Sheet.h"

namespace tj::sheet {

// Columns the template formats; lists wider than this still print, with
// their extra captions in the sheet's plain format.
constexpr int kTemplateColumns = 40;

Sheet makeReportTemplate();

}  // namespace tj::sheet
