// Many reports in one run: each item makes its document through a callback,
// which is sent and dropped before the next item is made, so a run of
// hundreds of reports needs no more memory than one. The run goes into one
// print job, into one PDF file, or into one PDF file per item in a folder;
// a progress function sees every step and can stop the run between items.
//
//   BatchRunner run(int(numbers.size()), [&](int i) { return layoutReport(reportFor(numbers[i])); });
//   run.withProgress(progressDialog(this, "正在输出体检报告…"))
//      .afterEach([&](int i) { writePrintLog(numbers[i]); });
//   BatchResult r = run.toPdfFiles(folder, [&](int i) { return numbers[i] + " " + names[i]; });
//   // r.done files written, r.cancelled, r.failures (item and reason)
#pragma once

#include "platform/report/PageModel.h"

#include <QStringList>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace tj::report {

struct BatchFailure {
    int index = -1;  // the item
    QString reason;  // the error's message
};

struct BatchResult {
    int done = 0;            // items whose pages were sent or written
    bool cancelled = false;  // stopped by the user (cancel button, print dialog)
    std::vector<BatchFailure> failures;
    QStringList files;       // PDF files written
    int pages = 0;           // pages sent or written
};

// Called before each item (done = items handled so far) and once at the end
// (done = total). Returning false stops the run before the next item.
using BatchProgress = std::function<bool(int done, int total)>;

// A progress dialog with a cancel button ("取消", Esc) for a run; it shows
// after half a second and closes at the end.
BatchProgress progressDialog(QWidget* parent, const QString& label);

// A file name of the text that every file system accepts: the characters
// \ / : * ? " < > | and control characters become "_", blanks and dots at
// either end go, an empty name becomes "未命名"; at most 80 characters
// (Chinese ones take three bytes each, and a name may have 255 bytes).
QString safeFileName(const QString& name);

class BatchRunner {
public:
    using RenderFn = std::function<Document(int index)>;
    using NameFn = std::function<QString(int index)>;
    using ItemFn = std::function<void(int index)>;

    BatchRunner(int count, RenderFn render);

    BatchRunner& withProgress(BatchProgress progress);
    // Runs after an item's pages were sent (print logs); an exception
    // counts as a failure of the item.
    BatchRunner& afterEach(ItemFn fn);
    // Ends the run at the first failing item (default: note it and go on).
    BatchRunner& stopAtFirstFailure(bool on = true);

    // One print job on a printer the caller set up.
    BatchResult toPrinter(QPrinter& printer, const QString& jobName = {});
    // One print job on the default printer, no dialog; ReportError when
    // the workstation has no printer.
    BatchResult toDefaultPrinter(const QString& jobName = {});
    // One print dialog for the whole run, then one job; cancelled when the
    // dialog is.
    BatchResult toChosenPrinter(QWidget* parent, const QString& jobName = {});
    // One PDF file with the pages of every item; no file when no item gave pages.
    BatchResult toPdf(const QString& path);
    // One PDF file per item in the folder (made when missing). Names come
    // from the function, made safe (safeFileName), ".pdf" added when
    // missing, and " (2)", " (3)" ... when a name repeats within the run.
    // An existing file of the same name is replaced.
    BatchResult toPdfFiles(const QString& folder, NameFn name);

private:
    // Runs the items, handing each document to `sink`; failures of the
    // sink (the printer or file) end the run with a ReportError.
    BatchResult run(const std::function<void(int index, const Document&, BatchResult&)>& sink);

    int count_;
    RenderFn render_;
    BatchProgress progress_;
    ItemFn after_;
    bool stopAtFirstFailure_ = false;
};

}  // namespace tj::report
