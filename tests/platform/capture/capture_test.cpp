// The photo helpers: cutting the photo out of a frame, its bitmap bytes,
// the crop frame moved by mouse and keys, and saving a camera's frame.
#include "platform/capture/CaptureViews.h"
#include "support/FakeCamera.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tj::capture;
using tj::test::TestPicture;

namespace {

TEST(CropPhoto, FramesSmallerAndLargerThanThePhoto)
{
    const QImage picture = TestPicture(QSize(640, 480));
    struct Case {
        const char* what;
        QRectF region;
        QSize frame;
        QSize photo;
        QColor corner;  // top-left pixel of the photo
    };
    const Case cases[] = {
        {"the usual frame, copied one to one", {0, 0, 100, 123}, CropFrameSize, {100, 123}, QColor(220, 40, 40)},
        {"a larger frame is scaled down to 200 × 246", {330, 340, 300, 369}, {300, 369}, {200, 246}, QColor(230, 200, 40)},
        {"wider only: the width is cut, the height kept", {330, 10, 260, 100}, {260, 100}, {200, 100}, QColor(40, 80, 220)},
        {"outside the picture stays white", {-50, -50, 100, 123}, CropFrameSize, {100, 123}, QColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage photo = CropPhoto(picture, c.region, c.frame);
        EXPECT_EQ(photo.size(), c.photo);
        EXPECT_EQ(QColor(photo.pixel(2, 2)), c.corner);

        const QByteArray bmp = BitmapBytes(photo);
        ASSERT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(QImage::fromData(bmp, "BMP").size(), c.photo);
    }
    EXPECT_TRUE(CropPhoto(QImage(), {0, 0, 10, 10}, CropFrameSize).isNull());
    EXPECT_TRUE(BitmapBytes(QImage()).isEmpty());
}

TEST(CropView, TheFrameFollowsMouseAndKeysAndStaysOnThePicture)
{
    CropView view;
    view.setMaximumPictureSize({480, 360});
    EXPECT_FALSE(view.hasPicture());
    EXPECT_TRUE(view.photo().isNull());
    view.setPicture(TestPicture(QSize(640, 480)));
    EXPECT_EQ(view.size(), QSize(480, 360));
    EXPECT_EQ(view.cropFrame().center(), QPoint(239, 179));
    EXPECT_EQ(view.outlineColour(), QColor(0, 128, 0));

    view.moveCropFrameTo({10, 20});
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(15, 25));
    EXPECT_EQ(view.outlineColour(), QColor(0, 255, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(45, 35), QPointF(45, 35), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(view.cropFrame().topLeft(), QPoint(40, 30));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(45, 35));
    EXPECT_EQ(view.outlineColour(), QColor(255, 0, 0));
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(view.outlineColour(), QColor(0, 0, 255));
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));

    QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.cropFrame().topLeft(), QPoint(50, 29));
    view.moveCropFrameTo({1000, -5});
    EXPECT_EQ(view.cropFrame().topLeft(), QPoint(380, 0));

    // The picture is shown at three quarters: the photo takes the frame's
    // part of the full picture, 100 × 123 pixels.
    view.moveCropFrameTo({0, 0});
    const QImage photo = view.photo();
    EXPECT_EQ(photo.size(), CropFrameSize);
    EXPECT_EQ(QColor(photo.pixel(50, 60)), QColor(220, 40, 40));
    view.setCropFrameSize({300, 369});
    EXPECT_EQ(view.photo().size(), MaxPhotoSize);
}

TEST(Camera, SavesItsFrameAsABitmapFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Pic/capture.bmp");
    tj::test::FakeCamera camera({{"测试摄像头", {{320, 240}}}});
    EXPECT_FALSE(camera.saveFrame(file));
    camera.feed(TestPicture());
    EXPECT_FALSE(camera.saveFrame(file));  // nothing comes before connecting
    ASSERT_TRUE(camera.connectDevice(0));
    camera.feed(TestPicture());
    ASSERT_TRUE(camera.saveFrame(file));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(2) == "BM");
    EXPECT_EQ(QImage(file).size(), QSize(320, 240));

    VideoPanel panel(QStringLiteral("视频窗口"));
    panel.setMaximumPictureSize({480, 360});
    panel.fitTo({1280, 720});
    EXPECT_EQ(panel.size(), QSize(480, 270));
    panel.fitTo({320, 240});
    EXPECT_EQ(panel.size(), QSize(320, 240));
}

}  // namespace
