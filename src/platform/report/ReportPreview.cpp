#include "platform/report/ReportPreview.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::report {

ReportPreview::ReportPreview(Document doc, QWidget* parent) : QDialog(parent), doc_(std::move(doc))
{
    setWindowTitle(doc_.title.isEmpty() ? QStringLiteral("打印预览") : QStringLiteral("打印预览 - %1").arg(doc_.title));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    layout->addWidget(bar);
    bar->addAction(QStringLiteral("首页"), this, [this] { showPage(0); });
    bar->addAction(QStringLiteral("上页"), this, [this] { showPage(page_ - 1); });
    pageBox_ = new QSpinBox(bar);
    pageBox_->setRange(1, std::max(1, doc_.pageCount()));
    bar->addWidget(pageBox_);
    pageLabel_ = new QLabel(bar);
    bar->addWidget(pageLabel_);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    bar->addAction(QStringLiteral("下页"), this, [this] { showPage(page_ + 1); });
    bar->addAction(QStringLiteral("末页"), this, [this] { showPage(doc_.pageCount() - 1); });
    bar->addSeparator();
    bar->addAction(QStringLiteral("放大"), this, [this] { setZoom(zoom_ * 1.25); });
    bar->addAction(QStringLiteral("缩小"), this, [this] { setZoom(zoom_ / 1.25); });
    bar->addAction(QStringLiteral("100%"), this, [this] { setZoom(1.0); });
    bar->addAction(QStringLiteral("页宽"), this, &ReportPreview::zoomToWidth);
    bar->addSeparator();
    bar->addAction(QStringLiteral("打印"), this, &ReportPreview::print);
    bar->addAction(QStringLiteral("保存PDF"), this, &ReportPreview::saveAsPdf);
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::accept);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    canvas_ = new QLabel;
    scroll_->setWidget(canvas_);
    layout->addWidget(scroll_);
    resize(900, 1000);
    render();
}

void ReportPreview::showPage(int page)
{
    int p = std::clamp(page, 0, std::max(0, doc_.pageCount() - 1));
    if (p == page_ && canvas_->pixmap().isNull() == false) {
        pageBox_->setValue(p + 1);
        return;
    }
    page_ = p;
    render();
}

void ReportPreview::setZoom(double zoom)
{
    zoom_ = std::clamp(zoom, 0.2, 5.0);
    render();
}

void ReportPreview::zoomToWidth()
{
    double screenDpi = logicalDpiX();
    double pagePx = doc_.pageSizeMm.width() / 25.4 * screenDpi;
    setZoom((scroll_->viewport()->width() - 20) / pagePx);
}

void ReportPreview::render()
{
    QSignalBlocker block(pageBox_);
    pageBox_->setValue(page_ + 1);
    pageLabel_->setText(QStringLiteral(" / %1 页 ").arg(doc_.pageCount()));
    if (doc_.pageCount() == 0) {
        canvas_->clear();
        return;
    }
    double dpr = devicePixelRatioF();
    QImage img = doc_.renderPage(page_, logicalDpiX() * zoom_ * dpr);
    img.setDevicePixelRatio(dpr);
    canvas_->setPixmap(QPixmap::fromImage(img));
    canvas_->resize(img.size() / dpr);
}

void ReportPreview::print()
{
    try {
        printWithDialog(doc_, this);
    } catch (const ReportError&) {
        QMessageBox::critical(this, QStringLiteral("错误"), QStringLiteral("打印时出错，请检查打印机是否正确连接"));
    }
}

void ReportPreview::saveAsPdf()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存为PDF"), doc_.title, QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    try {
        exportPdf(doc_, path);
    } catch (const ReportError& e) {
        QMessageBox::critical(this, QStringLiteral("错误"), e.message());
    }
}

void previewDocument(const Document& doc, QWidget* parent)
{
    ReportPreview preview(doc, parent);
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
}

}  // namespace tj::report
