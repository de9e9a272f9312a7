// Reading printed output back the way a person or a scanner would: barcodes
// decoded from a rendered page, text and fonts of a PDF file through the
// poppler tools (pdftotext, pdffonts, pdfinfo).
//
//   QImage page = doc.renderPage(0, 300);
//   EXPECT_EQ(tj::test::decodeBarcode(page), "12-35");
//   auto text = tj::test::pdfText(path);   // std::nullopt when pdftotext is missing
//   if (!text) GTEST_SKIP() << "pdftotext not installed";
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace tj::test {

// The content of the one linear barcode found in the picture (Code 128 and
// other 1-D symbologies); empty when none is found.
QString decodeBarcode(const QImage& image);

// Output of a poppler tool run on the file, or std::nullopt when the tool is
// not installed. A failing run gives its error output.
std::optional<QString> popplerTool(const QString& tool, const QStringList& args);
// pdftotext of the whole file (pages separated by form feeds).
std::optional<QString> pdfText(const QString& pdfPath);
// pdffonts listing.
std::optional<QString> pdfFonts(const QString& pdfPath);
// Pages of the file (-1 when it cannot be read).
int pdfPageCount(const QString& pdfPath);
// Every object the cross-reference table names starts where it says.
bool pdfCrossReferenceIsSound(const QString& pdfPath);

}  // namespace tj::test
