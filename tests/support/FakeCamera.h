// A camera for tests: devices by name, each with its resolutions, and
// frames fed by the test (a picture drawn in code or read from a file).
// Install it for the windows with FakeCamera::install(...): the windows then
// get a camera sharing the test's devices and frames.
//
//   tj::test::FakeCameras cameras({{"测试摄像头", {{640, 480}, {320, 240}}}});
//   ... window shown ...
//   cameras.feed(picture);   // the live picture of the connected camera
#pragma once

#include "platform/capture/Camera.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <vector>

namespace tj::test {

struct FakeDevice {
    QString name;
    QList<QSize> resolutions;  // largest first; the first is used on connecting
};

class FakeCamera : public capture::Camera {
    Q_OBJECT
public:
    explicit FakeCamera(std::vector<FakeDevice> devices) : devices_(std::move(devices)) {}

    QStringList devices() const override
    {
        QStringList names;
        for (const FakeDevice& d : devices_)
            names << d.name;
        return names;
    }
    bool connectDevice(int index) override
    {
        disconnectDevice();
        if (index < 0 || index >= int(devices_.size()))
            return false;
        current_ = index;
        size_ = devices_[std::size_t(index)].resolutions.value(0, QSize(640, 480));
        emit resolutionChanged(size_);
        return true;
    }
    void disconnectDevice() override
    {
        current_ = -1;
        frame_ = QImage();
    }
    bool isConnected() const override { return current_ >= 0; }
    int currentDevice() const override { return current_; }
    QList<QSize> resolutions() const override
    {
        return current_ < 0 ? QList<QSize>() : devices_[std::size_t(current_)].resolutions;
    }
    QSize resolution() const override { return current_ < 0 ? QSize() : size_; }
    bool setResolution(const QSize& size) override
    {
        if (!resolutions().contains(size))
            return false;
        size_ = size;
        emit resolutionChanged(size_);
        return true;
    }
    QImage frame() const override { return frame_; }

    // A frame of the live picture, scaled to the resolution in use; ignored
    // while no device is connected (as a real camera gives nothing then).
    void feed(const QImage& picture)
    {
        if (current_ < 0)
            return;
        frame_ = picture.scaled(size_);
        emit frameArrived(frame_);
    }

private:
    std::vector<FakeDevice> devices_;
    int current_ = -1;
    QSize size_;
    QImage frame_;
};

// Installs a factory of fake cameras for as long as it lives; the last
// camera made is the one the window uses.
class FakeCameras {
public:
    explicit FakeCameras(std::vector<FakeDevice> devices) : devices_(std::move(devices))
    {
        capture::SetCameraFactory([this] {
            auto camera = std::make_unique<FakeCamera>(devices_);
            last_ = camera.get();
            return std::unique_ptr<capture::Camera>(std::move(camera));
        });
    }
    ~FakeCameras() { capture::SetCameraFactory(nullptr); }
    FakeCameras(const FakeCameras&) = delete;
    FakeCameras& operator=(const FakeCameras&) = delete;

    FakeCamera* camera() const { return last_; }
    void feed(const QImage& picture)
    {
        if (last_)
            last_->feed(picture);
    }

private:
    std::vector<FakeDevice> devices_;
    QPointer<FakeCamera> last_;
};

// A test picture: four coloured quarters and a dark disc in the middle, so
// that a crop shows where it was taken.
inline QImage TestPicture(const QSize& size = QSize(640, 480))
{
    QImage picture(size, QImage::Format_RGB888);
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QColor c = x < w / 2 ? (y < h / 2 ? QColor(220, 40, 40) : QColor(40, 160, 40))
                                 : (y < h / 2 ? QColor(40, 80, 220) : QColor(230, 200, 40));
            const int dx = x - w / 2, dy = y - h / 2;
            if (dx * dx + dy * dy < (h / 6) * (h / 6))
                c = QColor(30, 30, 30);
            picture.setPixelColor(x, y, c);
        }
    return picture;
}

}  // namespace tj::test
