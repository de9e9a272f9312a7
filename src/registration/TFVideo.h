// Photo capture: finds a person by examination number, shows the camera's
// live picture, takes a frame, cuts the photo out of it with the crop frame
// and stores it in the person's record.
#pragma once

#include "platform/capture/Camera.h"
#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

#include <QImage>
#include <QString>
#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tj::capture {
class CropView;
class VideoPanel;
}

namespace tj::ui {
class PhotoView;
}

namespace tj::registration {

class TFVideo : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFVideo(QWidget* parent = nullptr);
    ~TFVideo() override;

    db::Query QryRyuan;  // the person found
    db::Query QryDwei;   // units, for the unit's name

    QLabel* LblInfo = nullptr;
    QLineEdit* EdtTjhao = nullptr;
    QPushButton* BtnQuery = nullptr;
    QLineEdit* EdtXming = nullptr;
    QLineEdit* EdtDwei = nullptr;
    QLineEdit* EdtXbie = nullptr;
    QLineEdit* EdtNling = nullptr;
    QLineEdit* EdtZdybhao = nullptr;
    ui::PhotoView* ImgZpian = nullptr;
    capture::VideoPanel* PnlVideo = nullptr;
    capture::CropView* ImgFrame = nullptr;
    QPushButton* BtnCapture = nullptr;
    QPushButton* BtnSettings = nullptr;
    QMenu* MnuSettings = nullptr;
    QMenu* MnuSource = nullptr;
    QMenu* MnuFormat = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    // The camera of this window (made when first shown).
    capture::Camera* camera() const { return camera_.get(); }
    // The last photo cut out; kept while the program runs.
    const QImage& Photo() const { return photo_; }
    // Pic/capture.bmp in the program's folder.
    static QString CaptureFile();

    void FormShow() override;
    void FormClose() override;

public slots:
    void BtnQueryClick();
    void BtnCaptureClick();
    void BtnOkClick();
    // 视频设置: 打开视频, 关闭视频; 视频源 and 视频格式 are the submenus.
    void OpenVideo();
    void CloseVideo();

private:
    void ListDevices();
    void ConnectDevice(int index);
    void ShowPerson();
    void FillSourceMenu();
    void FillFormatMenu();

    std::unique_ptr<capture::Camera> camera_;
    QImage photo_;
};

}  // namespace tj::registration
