// Sending laid-out reports somewhere: the screen, a printer or PDF files.
//
// One call for a single report:
//   outputReport(layout, preview ? Output::Preview : Output::PrintNoDialog);
//   outputDocument(doc, Output::Pdf, dir.filePath("体检报告.pdf"));
//
// Several documents into one file or one print job, page after page:
//   PdfFile pdf(path);            PrintJob job(printer);
//   pdf.add(cover); pdf.add(body); job.add(cover); job.add(body);
//   pdf.finish();                 job.finish();
//
// Tests keep what would reach the screen or a printer with OutputCapture.
#pragma once

#include "platform/report/PageModel.h"

#include <QPageLayout>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

namespace tj::report {

struct ReportLayout;

enum class Output {
    Preview,        // the preview window; returns when it is closed
    Print,          // the print dialog, then the chosen printer
    PrintNoDialog,  // straight to the default printer
    Pdf,            // a PDF file at the path given
};

// Sends the document. Returns false only when the user cancelled the print
// dialog. Throws ReportError with a message for the clerk when there is no
// printer, printing fails or the file cannot be written.
bool outputDocument(const Document& doc, Output how, const QString& pdfPath = {}, QWidget* parent = nullptr);
// Lays the report out and sends it.
bool outputReport(const ReportLayout& layout, Output how, const QString& pdfPath = {}, QWidget* parent = nullptr);

// The default printer, set up for printing without a dialog; throws
// ReportError when the workstation has none.
std::unique_ptr<QPrinter> defaultPrinter();

// The paper of a page of the given size (mm), turned when it is wider than high.
QPageLayout pageLayoutFor(const QSizeF& pageSizeMm);

// One PDF file from one or more documents. The file at the path is created
// or replaced only when finish() succeeds; an unfinished file leaves nothing
// behind. Texts keep their Chinese characters when copied out of the file.
class PdfFile {
public:
    explicit PdfFile(const QString& path, const QString& title = {});
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    void add(const Document& doc);  // every page, each at the document's page size
    int pageCount() const;
    void finish();                  // throws ReportError when the file cannot be written

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// One print job from one or more documents on a printer already chosen.
// Throws ReportError when the printer cannot start or fails.
class PrintJob {
public:
    explicit PrintJob(QPrinter& printer, const QString& name = {});
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Pages first..last (0-based, -1 = to the end) of the document.
    void add(const Document& doc, int first = 0, int last = -1);
    int pageCount() const;
    void finish();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// While one exists, documents sent to the preview or to a printer (by
// outputDocument and by the batch runner) are kept in `sent` instead, and the
// print dialog answers as `acceptPrintDialog` says. PDF files are still
// written and recorded. Captures nest; the newest one is used.
class OutputCapture {
public:
    struct Sent {
        Document document;
        Output how;
        QString pdfPath;
    };
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    std::vector<Sent> sent;
    bool acceptPrintDialog = true;

    static OutputCapture* active();

private:
    OutputCapture* previous_;
};

}  // namespace tj::report
