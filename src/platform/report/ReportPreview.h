// On-screen preview of a laid-out report: page navigation, zoom, print and
// save as PDF. exec() blocks until the window is closed.
#pragma once

#include "platform/report/PageModel.h"

#include <QDialog>

class QLabel;
class QScrollArea;
class QSpinBox;

namespace tj::report {

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(Document doc, QWidget* parent = nullptr);

    int currentPage() const { return page_; }  // 0-based
    double zoom() const { return zoom_; }
    const Document& document() const { return doc_; }

public slots:
    void showPage(int page);
    void setZoom(double zoom);
    void zoomToWidth();
    void print();
    void saveAsPdf();

private:
    void render();

    Document doc_;
    int page_ = 0;
    double zoom_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    QLabel* canvas_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
};

// Lays nothing out: shows the document in a preview and waits for it to close.
void previewDocument(const Document& doc, QWidget* parent = nullptr);

}  // namespace tj::report
