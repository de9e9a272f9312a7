#include "platform/ui/PhotoView.h"

#include "platform/db/Query.h"

#include <QPainter>

namespace tj::ui {

PhotoView::PhotoView(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption)
{
    setFrameShape(QFrame::Box);
}

PhotoView::~PhotoView()
{
    for (const auto& c : connections_)
        disconnect(c);
}

void PhotoView::setPhoto(const QByteArray& bytes)
{
    setPhoto(bytes.isEmpty() ? QImage() : QImage::fromData(bytes));
}

void PhotoView::setPhoto(const QImage& photo)
{
    photo_ = photo;
    update();
}

void PhotoView::bind(db::Query& set, const QString& field)
{
    for (const auto& c : connections_)
        disconnect(c);
    connections_.clear();
    set_ = &set;
    field_ = field;
    connections_.push_back(connect(&set, &db::Query::currentChanged, this, [this] { reload(); }));
    connections_.push_back(connect(&set, &db::Query::dataChanged, this, [this] { reload(); }));
    connections_.push_back(connect(&set, &db::Query::rowChanged, this, [this] { reload(); }));
    connections_.push_back(connect(&set, &db::Query::stateChanged, this, [this] { reload(); }));
    reload();
}

void PhotoView::reload()
{
    if (!set_ || !set_->isOpen() || set_->recNo() < 0) {
        setPhoto(QImage());
        return;
    }
    const int column = set_->fieldIndex(field_);
    setPhoto(column < 0 ? QByteArray() : set_->currentValue(column).toBlob());
}

void PhotoView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect inside = contentsRect();
    if (photo_.isNull()) {
        p.drawText(inside, Qt::AlignCenter, caption_);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(inside, photo_);
}

}  // namespace tj::ui
