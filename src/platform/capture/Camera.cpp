#include "platform/capture/Camera.h"

#include <QCamera>
#include <QCameraDevice>
#include <QCameraFormat>
#include <QDir>
#include <QFileInfo>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

#include <algorithm>

namespace tj::capture {

Camera::~Camera() = default;

bool Camera::saveFrame(const QString& path) const
{
    const QImage picture = frame();
    if (picture.isNull())
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

struct MultimediaCamera::Impl {
    QList<QCameraDevice> devices;
    std::unique_ptr<QCamera> camera;
    // Made with the first connection: nothing of the media back end starts
    // before a device is asked for.
    std::unique_ptr<QMediaCaptureSession> session;
    QVideoSink sink;
    int current = -1;
    QImage last;
};

MultimediaCamera::MultimediaCamera(QObject* parent) : Camera(parent), d(std::make_unique<Impl>())
{
    connect(&d->sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& f) {
        QImage picture = f.toImage();
        if (picture.isNull())
            return;
        const bool resized = picture.size() != d->last.size();
        d->last = std::move(picture);
        if (resized)
            emit resolutionChanged(d->last.size());
        emit frameArrived(d->last);
    });
}

MultimediaCamera::~MultimediaCamera()
{
    disconnectDevice();
}

QStringList MultimediaCamera::devices() const
{
    d->devices = QMediaDevices::videoInputs();
    QStringList names;
    for (const QCameraDevice& device : d->devices)
        names << device.description();
    return names;
}

bool MultimediaCamera::connectDevice(int index)
{
    disconnectDevice();
    devices();
    if (index < 0 || index >= d->devices.size())
        return false;
    d->camera = std::make_unique<QCamera>(d->devices.at(index));
    if (d->camera->error() != QCamera::NoError) {
        d->camera.reset();
        return false;
    }
    if (!d->session) {
        d->session = std::make_unique<QMediaCaptureSession>();
        d->session->setVideoSink(&d->sink);
    }
    d->session->setCamera(d->camera.get());
    d->camera->start();
    d->current = index;
    return true;
}

void MultimediaCamera::disconnectDevice()
{
    if (d->camera) {
        d->camera->stop();
        d->session->setCamera(nullptr);
        d->camera.reset();
    }
    d->current = -1;
}

bool MultimediaCamera::isConnected() const
{
    return d->camera != nullptr;
}

int MultimediaCamera::currentDevice() const
{
    return d->current;
}

QList<QSize> MultimediaCamera::resolutions() const
{
    QList<QSize> sizes;
    if (!d->camera)
        return sizes;
    for (const QCameraFormat& f : d->camera->cameraDevice().videoFormats())
        if (!sizes.contains(f.resolution()))
            sizes << f.resolution();
    std::sort(sizes.begin(), sizes.end(), [](const QSize& a, const QSize& b) {
        return qint64(a.width()) * a.height() > qint64(b.width()) * b.height();
    });
    return sizes;
}

QSize MultimediaCamera::resolution() const
{
    if (!d->camera)
        return {};
    const QSize chosen = d->camera->cameraFormat().resolution();
    return chosen.isValid() ? chosen : d->last.size();
}

bool MultimediaCamera::setResolution(const QSize& size)
{
    if (!d->camera)
        return false;
    for (const QCameraFormat& f : d->camera->cameraDevice().videoFormats()) {
        if (f.resolution() != size)
            continue;
        d->camera->setCameraFormat(f);
        emit resolutionChanged(size);
        return true;
    }
    return false;
}

QImage MultimediaCamera::frame() const
{
    return d->last;
}

namespace {
CameraFactory& factory()
{
    static CameraFactory f;
    return f;
}
}  // namespace

void SetCameraFactory(CameraFactory f)
{
    factory() = std::move(f);
}

std::unique_ptr<Camera> CreateCamera()
{
    if (factory())
        return factory()();
    return std::make_unique<MultimediaCamera>();
}

}  // namespace tj::capture
