// Code 128 barcodes for printed layouts (the examination number on guide
// sheets and forms). The bars are one filled outline in millimetres, so they
// stay sharp in PDF files and at any printer resolution.
#pragma once

#include "platform/report/PageModel.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

namespace tj::report {

struct BarcodeOptions {
    bool showText = true;  // the encoded text printed under the bars
    QFont font;            // of that text; a font with nothing set means 宋体 9 pt
    double moduleMm = 0;   // width of the narrowest bar; 0 = as wide as the rectangle allows
};

// The elements of a Code 128 symbol for the text, centred in the rectangle
// (mm) with a quiet zone of ten modules on either side: a path element with
// the bars and, when asked, a text element under them. Nothing for an empty
// text; throws ReportError when Code 128 cannot hold the text.
//   for (Element& e : code128Elements("12-35", {150, 10, 50, 15})) page.elements.push_back(e);
std::vector<Element> code128Elements(const QString& text, const QRectF& rectMm, const BarcodeOptions& options = {});

}  // namespace tj::report
