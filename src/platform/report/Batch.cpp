#include "platform/report/Batch.h"

#include "platform/db/Connection.h"
#include "platform/report/Output.h"

#include <QDir>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <QSet>
#include <memory>
#include <optional>

namespace tj::report {

BatchProgress progressDialog(QWidget* parent, const QString& label)
{
    // The dialog goes with the last copy of the function, unless its parent
    // window took it along first.
    struct Holder {
        QPointer<QProgressDialog> dialog;
        ~Holder() { delete dialog.data(); }
    };
    auto holder = std::make_shared<Holder>();
    holder->dialog = new QProgressDialog(label, QStringLiteral("取消"), 0, 0, parent);
    QProgressDialog* dialog = holder->dialog;
    dialog->setWindowTitle(QStringLiteral("提示信息"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(500);
    dialog->setAutoClose(true);
    dialog->setAutoReset(true);
    return [holder, label](int done, int total) {
        QProgressDialog* dialog = holder->dialog;
        if (!dialog) return false;
        if (dialog->maximum() != total) dialog->setMaximum(total);
        dialog->setLabelText(QStringLiteral("%1（%2/%3）").arg(label).arg(done).arg(total));
        const bool cancelled = dialog->wasCanceled();
        dialog->setValue(done);  // lets the cancel button be pressed
        return !cancelled && !dialog->wasCanceled();
    };
}

QString safeFileName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        const bool bad = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|").contains(c);
        out += bad ? QChar('_') : c;
    }
    auto trimmable = [](QChar c) { return c.isSpace() || c == '.'; };
    qsizetype a = 0, b = out.size();
    while (a < b && trimmable(out[a])) ++a;
    while (b > a && trimmable(out[b - 1])) --b;
    out = out.mid(a, std::min<qsizetype>(b - a, 80));
    while (!out.isEmpty() && trimmable(out.back())) out.chop(1);
    return out.isEmpty() ? QStringLiteral("未命名") : out;
}

BatchRunner::BatchRunner(int count, RenderFn render) : count_(std::max(0, count)), render_(std::move(render)) {}

BatchRunner& BatchRunner::withProgress(BatchProgress progress)
{
    progress_ = std::move(progress);
    return *this;
}

BatchRunner& BatchRunner::afterEach(ItemFn fn)
{
    after_ = std::move(fn);
    return *this;
}

BatchRunner& BatchRunner::stopAtFirstFailure(bool on)
{
    stopAtFirstFailure_ = on;
    return *this;
}

namespace {

QString reasonOf(const std::exception& e)
{
    if (auto* r = dynamic_cast<const ReportError*>(&e)) return r->message();
    if (auto* s = dynamic_cast<const db::SqlError*>(&e)) return s->message();
    return QString::fromUtf8(e.what());
}

// Runs fn; an exception becomes a failure of the item. A lost connection
// is not the item's fault: it ends the run and goes to the caller.
bool attempt(int index, BatchResult& result, const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (const db::SqlError& e) {
        if (e.isConnectionProblem()) throw;
        result.failures.push_back({index, reasonOf(e)});
    } catch (const std::exception& e) {
        result.failures.push_back({index, reasonOf(e)});
    }
    return false;
}

}  // namespace

BatchResult BatchRunner::run(const std::function<void(int, const Document&, BatchResult&)>& sink)
{
    BatchResult result;
    for (int i = 0; i < count_; ++i) {
        if (progress_ && !progress_(i, count_)) {
            result.cancelled = true;
            break;
        }
        const size_t failuresBefore = result.failures.size();
        std::optional<Document> doc;
        if (attempt(i, result, [&] { doc.emplace(render_(i)); })) {
            // The sink tells of a failure of its own item by adding it.
            sink(i, *doc, result);
            doc.reset();
            if (result.failures.size() == failuresBefore) {
                ++result.done;
                if (after_) attempt(i, result, [&] { after_(i); });
            }
        }
        if (stopAtFirstFailure_ && result.failures.size() > failuresBefore) break;
    }
    if (progress_ && !result.cancelled) progress_(count_, count_);
    return result;
}

BatchResult BatchRunner::toPrinter(QPrinter& printer, const QString& jobName)
{
    PrintJob job(printer, jobName);
    BatchResult result = run([&](int, const Document& doc, BatchResult& r) {
        job.add(doc);
        r.pages += doc.pageCount();
    });
    job.finish();
    return result;
}

BatchResult BatchRunner::toDefaultPrinter(const QString& jobName)
{
    if (OutputCapture* capture = OutputCapture::active()) {
        return run([&](int, const Document& doc, BatchResult& r) {
            capture->sent.push_back({doc, Output::PrintNoDialog, {}});
            r.pages += doc.pageCount();
        });
    }
    std::unique_ptr<QPrinter> printer = defaultPrinter();
    return toPrinter(*printer, jobName);
}

BatchResult BatchRunner::toChosenPrinter(QWidget* parent, const QString& jobName)
{
    if (OutputCapture* capture = OutputCapture::active()) {
        if (!capture->acceptPrintDialog) return BatchResult{.cancelled = true};
        return run([&](int, const Document& doc, BatchResult& r) {
            capture->sent.push_back({doc, Output::Print, {}});
            r.pages += doc.pageCount();
        });
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return BatchResult{.cancelled = true};
    return toPrinter(printer, jobName);
}

BatchResult BatchRunner::toPdf(const QString& path)
{
    PdfFile pdf(path);
    BatchResult result = run([&](int, const Document& doc, BatchResult& r) {
        pdf.add(doc);
        r.pages += doc.pageCount();
    });
    if (pdf.pageCount() == 0) return result;  // no file without pages
    pdf.finish();
    result.files << path;
    return result;
}

BatchResult BatchRunner::toPdfFiles(const QString& folder, NameFn name)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw ReportError(QStringLiteral("无法创建文件夹 %1，请选择其他文件夹").arg(QDir::toNativeSeparators(folder)));
    QSet<QString> used;
    return run([&](int i, const Document& doc, BatchResult& r) {
        attempt(i, r, [&] {
            QString base = safeFileName(name ? name(i) : QString::number(i + 1));
            if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) && base.size() > 4) base.chop(4);
            QString file = base + QStringLiteral(".pdf");
            for (int n = 2; used.contains(file.toLower()); ++n) file = QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
            used.insert(file.toLower());
            const QString path = dir.filePath(file);
            exportPdf(doc, path);
            r.files << path;
            r.pages += doc.pageCount();
        });
    });
}

}  // namespace tj::report
