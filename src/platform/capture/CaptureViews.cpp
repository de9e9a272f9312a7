#include "platform/capture/CaptureViews.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tj::capture {

namespace {
// Outline colours of the crop frame: at rest, moving, released, right button.
const QColor FrameGreen(0, 128, 0);
const QColor FrameLime(0, 255, 0);
const QColor FrameRed(255, 0, 0);
const QColor FrameBlue(0, 0, 255);
constexpr int FramePen = 2;
// The size of both pictures when there is none yet.
constexpr QSize EmptyPictureSize{320, 240};

QSize fitted(const QSize& picture, const QSize& max)
{
    if (!picture.isValid() || picture.isEmpty())
        return EmptyPictureSize;
    if (picture.width() <= max.width() && picture.height() <= max.height())
        return picture;
    return picture.scaled(max, Qt::KeepAspectRatio);
}
}  // namespace

QImage CropPhoto(const QImage& picture, const QRectF& region, const QSize& frameSize)
{
    if (picture.isNull() || frameSize.isEmpty() || region.isEmpty())
        return {};
    const QSize size(qMin(frameSize.width(), MaxPhotoSize.width()), qMin(frameSize.height(), MaxPhotoSize.height()));
    QImage photo(size, QImage::Format_RGB888);
    photo.fill(Qt::white);
    QPainter p(&photo);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), picture, region);
    p.end();
    return photo;
}

QByteArray BitmapBytes(const QImage& photo)
{
    if (photo.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

// ---- VideoPanel

VideoPanel::VideoPanel(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitTo({});
}

void VideoPanel::fitTo(const QSize& pictureSize)
{
    setFixedSize(fitted(pictureSize, max_));
}

void VideoPanel::clear()
{
    frame_ = QImage();
    update();
}

void VideoPanel::showFrame(const QImage& frame)
{
    frame_ = frame;
    update();
}

void VideoPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (frame_.isNull()) {
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, caption_);
        return;
    }
    const QSize shown = frame_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, frame_);
}

// ---- CropView

CropView::CropView(QWidget* parent) : QWidget(parent), outline_(FrameGreen)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(EmptyPictureSize);
}

double CropView::scale() const
{
    if (picture_.isNull())
        return 1.0;
    return double(shownArea().width()) / double(picture_.width());
}

QRect CropView::shownArea() const
{
    return QRect(QPoint(0, 0), fitted(picture_.size(), max_));
}

void CropView::setPicture(const QImage& picture)
{
    picture_ = picture;
    setFixedSize(shownArea().size());
    if (!placed_ && !picture_.isNull()) {
        placed_ = true;
        frame_.moveCenter(shownArea().center());
    }
    moveCropFrameTo(frame_.topLeft());
    update();
}

void CropView::setCropFrameSize(const QSize& size)
{
    frame_.setSize(size);
    moveCropFrameTo(frame_.topLeft());
}

void CropView::moveCropFrameTo(const QPoint& topLeft)
{
    const QRect area = shownArea();
    const int x = qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - frame_.width()));
    const int y = qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() + 1 - frame_.height()));
    frame_.moveTopLeft(QPoint(x, y));
    update();
}

QImage CropView::photo() const
{
    if (picture_.isNull())
        return {};
    const double s = scale();
    const QRectF region(frame_.x() / s, frame_.y() / s, frame_.width() / s, frame_.height() / s);
    return CropPhoto(picture_, region, frame_.size());
}

void CropView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(shownArea(), picture_);
    }
    QPen pen(outline_, FramePen);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The outline is drawn inside the frame's rectangle.
    p.drawRect(QRectF(frame_).adjusted(FramePen / 2.0, FramePen / 2.0, -FramePen / 2.0, -FramePen / 2.0));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CropView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        moving_ = true;
        pressedAt_ = event->position().toPoint();
        frameAtPress_ = frame_.topLeft();
        outline_ = FrameLime;
    } else if (event->button() == Qt::RightButton) {
        outline_ = FrameBlue;
    }
    update();
}

void CropView::mouseMoveEvent(QMouseEvent* event)
{
    if (moving_)
        moveCropFrameTo(frameAtPress_ + (event->position().toPoint() - pressedAt_));
}

void CropView::mouseReleaseEvent(QMouseEvent*)
{
    moving_ = false;
    outline_ = FrameRed;
    update();
}

void CropView::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint by;
    switch (event->key()) {
    case Qt::Key_Left: by = QPoint(-step, 0); break;
    case Qt::Key_Right: by = QPoint(step, 0); break;
    case Qt::Key_Up: by = QPoint(0, -step); break;
    case Qt::Key_Down: by = QPoint(0, step); break;
    default: QWidget::keyPressEvent(event); return;
    }
    moveCropFrameTo(frame_.topLeft() + by);
}

}  // namespace tj::capture
