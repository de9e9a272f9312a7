// A camera attached to the workstation, as the photo window needs it: the
// devices present, one of them connected with a live picture, its
// resolutions, and the latest frame, which can be saved as a bitmap file.
// The program's cameras come from Qt Multimedia; tests install a factory
// that gives a camera fed with pictures of their own.
//
//   std::unique_ptr<capture::Camera> camera = capture::CreateCamera();
//   if (!camera->devices().isEmpty() && camera->connectDevice(0))
//       connect(camera.get(), &capture::Camera::frameArrived, view, &capture::VideoPanel::showFrame);
//   camera->saveFrame(folder + "/Pic/capture.bmp");
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>

namespace tj::capture {

class Camera : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Camera() override;

    // Descriptions of the video devices present, in the system's order.
    virtual QStringList devices() const = 0;
    // Connects a device and starts its live picture; false when there is no
    // such device or it does not start. Connecting another device first
    // disconnects the one before.
    virtual bool connectDevice(int index) = 0;
    virtual void disconnectDevice() = 0;
    virtual bool isConnected() const = 0;
    // The connected device; -1 when none.
    virtual int currentDevice() const = 0;

    // Resolutions the connected device offers (largest first) and the one in use.
    virtual QList<QSize> resolutions() const = 0;
    virtual QSize resolution() const = 0;
    // Switches the connected device to a resolution it offers.
    virtual bool setResolution(const QSize& size) = 0;

    // The latest frame of the live picture; null before the first one.
    virtual QImage frame() const = 0;
    // Writes the latest frame as a Windows bitmap (the folder is made when
    // missing, an earlier file replaced); false when there is no frame or it
    // cannot be written.
    bool saveFrame(const QString& path) const;

signals:
    // Every frame of the live picture.
    void frameArrived(const QImage& frame);
    // The picture's size changed (another device or resolution).
    void resolutionChanged(const QSize& size);
};

// The cameras of Qt Multimedia.
class MultimediaCamera : public Camera {
    Q_OBJECT
public:
    explicit MultimediaCamera(QObject* parent = nullptr);
    ~MultimediaCamera() override;

    QStringList devices() const override;
    bool connectDevice(int index) override;
    void disconnectDevice() override;
    bool isConnected() const override;
    int currentDevice() const override;
    QList<QSize> resolutions() const override;
    QSize resolution() const override;
    bool setResolution(const QSize& size) override;
    QImage frame() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Makes the cameras the windows use; a test installs its own and restores
// the program's with nullptr.
using CameraFactory = std::function<std::unique_ptr<Camera>()>;
void SetCameraFactory(CameraFactory factory);
std::unique_ptr<Camera> CreateCamera();

}  // namespace tj::capture
