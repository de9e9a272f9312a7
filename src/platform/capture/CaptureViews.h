// What the photo window shows of a camera: the live picture, and the frame
// taken with a movable crop frame over it that cuts out the photo. The photo
// is at most 200 × 246 pixels and is stored as a Windows bitmap.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

namespace tj::capture {

// The largest photo stored.
inline constexpr QSize MaxPhotoSize{200, 246};
// The crop frame of the photo window.
inline constexpr QSize CropFrameSize{100, 123};

// The photo cut out of a picture: a bitmap as wide as the crop frame but at
// most 200 and as high as it but at most 246 pixels, holding the part of the
// picture under the frame (region, in the picture's pixels), scaled when the
// frame is larger. Parts of the region outside the picture stay white.
QImage CropPhoto(const QImage& picture, const QRectF& region, const QSize& frameSize);

// The photo as the bytes of a Windows bitmap file (24 bits a pixel); empty
// for a null image.
QByteArray BitmapBytes(const QImage& photo);

// The live picture: black, captioned until the first frame, each frame
// drawn to fit (its proportions kept). Its size follows the camera's,
// within a largest size so that the window fits the screen.
class VideoPanel : public QWidget {
    Q_OBJECT
public:
    explicit VideoPanel(const QString& caption, QWidget* parent = nullptr);

    void setMaximumPictureSize(const QSize& size) { max_ = size; }
    // Sizes the panel to a picture of this size (scaled down to fit the largest size).
    void fitTo(const QSize& pictureSize);
    // Back to black with the caption.
    void clear();

public slots:
    void showFrame(const QImage& frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QImage frame_;
    QSize max_{480, 360};
};

// The frame taken, with the crop frame over it. The picture is shown at its
// own size, or scaled down to fit the largest size. The left button pressed
// on the picture or the frame moves the frame with the mouse (outline lime
// while moving, red once released; the right button shows it blue until
// released); the arrow keys move it by one pixel, with Shift by ten. The
// frame stays inside the picture.
class CropView : public QWidget {
    Q_OBJECT
public:
    explicit CropView(QWidget* parent = nullptr);

    void setMaximumPictureSize(const QSize& size) { max_ = size; }
    // Shows a picture (null: none); the frame keeps its place as far as it
    // fits, and is centred on the first picture.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }

    // The crop frame in the view's pixels.
    QRect cropFrame() const { return frame_; }
    void setCropFrameSize(const QSize& size);
    void moveCropFrameTo(const QPoint& topLeft);
    QColor outlineColour() const { return outline_; }

    // The photo under the crop frame (null without a picture).
    QImage photo() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double scale() const;
    QRect shownArea() const;

    QImage picture_;
    QSize max_{480, 360};
    QRect frame_{QPoint(0, 0), CropFrameSize};
    bool placed_ = false;
    bool moving_ = false;
    QPoint pressedAt_;
    QPoint frameAtPress_;
    QColor outline_;
};

}  // namespace tj::capture
