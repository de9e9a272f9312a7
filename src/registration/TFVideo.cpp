#include "registration/TFVideo.h"

#include "core/ConnectionConfig.h"
#include "core/TDM.h"
#include "platform/capture/CaptureViews.h"
#include "platform/db/Lookup.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"
#include "platform/ui/ErrorHandler.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/KeyPreview.h"
#include "platform/ui/PhotoView.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace tj::registration {

using core::TDM;
using db::SqlText;

namespace {
// The largest live picture and frame shown, so that the window fits the screen.
constexpr QSize ShownPicture{480, 360};
}  // namespace

TFVideo::TFVideo(QWidget* parent)
    : ui::WorkingWindow(parent), QryRyuan(TDM::instance().Connection()), QryDwei(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("照片采集"));
    QryDwei.setSql(QStringLiteral("select * from tjian_dwei order by id"));
    QryRyuan.setUpdateTable(QStringLiteral("tjian_ryuan"));
    QryRyuan.setKeyFields({QStringLiteral("id")});
    openOnShow({&QryDwei});
    closeOnClose({&QryRyuan});

    auto* body = new QHBoxLayout(this);

    // Left: the person and the stored photo.
    auto* left = new QVBoxLayout;
    LblInfo = new QLabel(this);
    LblInfo->setWordWrap(true);
    left->addWidget(LblInfo);
    auto* search = new QHBoxLayout;
    EdtTjhao = new QLineEdit(this);
    EdtTjhao->setMaxLength(50);
    auto* lblTjhao = new QLabel(QStringLiteral("体检号："), this);
    lblTjhao->setBuddy(EdtTjhao);
    BtnQuery = new QPushButton(QStringLiteral("查询(&Q)"), this);
    BtnQuery->setAutoDefault(false);
    search->addWidget(lblTjhao);
    search->addWidget(EdtTjhao, 1);
    search->addWidget(BtnQuery);
    left->addLayout(search);
    auto* person = new QGroupBox(QStringLiteral("基本信息"), this);
    ui::FormBuilder f(nullptr, person);
    EdtXming = f.text(QStringLiteral("姓名："), QStringLiteral("xming"), {.readOnly = true});
    EdtDwei = f.text(QStringLiteral("所属单位："), QStringLiteral("dwid"), {.readOnly = true});
    EdtXbie = f.text(QStringLiteral("性别："), QStringLiteral("xbie"), {.readOnly = true});
    EdtNling = f.text(QStringLiteral("年龄："), QStringLiteral("nling"), {.readOnly = true});
    EdtZdybhao = f.text(QStringLiteral("自定义编号："), QStringLiteral("zdybhao"), {.readOnly = true});
    left->addWidget(person);
    ImgZpian = new ui::PhotoView(QStringLiteral("照片"), this);
    ImgZpian->setFixedSize(capture::MaxPhotoSize);
    ImgZpian->bind(QryRyuan, QStringLiteral("zpian"));
    left->addWidget(ImgZpian, 0, Qt::AlignHCenter);
    auto* note = new QLabel(QStringLiteral("注意：\n请先查询再拍摄！"), this);
    note->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    left->addWidget(note);
    left->addStretch();
    body->addLayout(left);

    // Right: the live picture, the frame taken with its crop frame, the buttons.
    auto* right = new QVBoxLayout;
    PnlVideo = new capture::VideoPanel(QStringLiteral("视频窗口"), this);
    PnlVideo->setMaximumPictureSize(ShownPicture);
    right->addWidget(PnlVideo, 0, Qt::AlignLeft);
    ImgFrame = new capture::CropView(this);
    ImgFrame->setMaximumPictureSize(ShownPicture);
    right->addWidget(ImgFrame, 0, Qt::AlignLeft);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    BtnCapture = new QPushButton(QStringLiteral("拍摄"), this);
    BtnSettings = new QPushButton(QStringLiteral("视频设置"), this);
    MnuSettings = new QMenu(BtnSettings);
    MnuSettings->addAction(QStringLiteral("打开视频"), this, &TFVideo::OpenVideo);
    MnuSettings->addAction(QStringLiteral("关闭视频"), this, &TFVideo::CloseVideo);
    MnuSource = MnuSettings->addMenu(QStringLiteral("视频源"));
    MnuFormat = MnuSettings->addMenu(QStringLiteral("视频格式"));
    BtnSettings->setMenu(MnuSettings);
    BtnOk = new QPushButton(QStringLiteral("确定(&O)"), this);
    BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    buttons->addWidget(BtnCapture);
    buttons->addWidget(BtnSettings);
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    for (QPushButton* b : {BtnQuery, BtnCapture, BtnSettings, BtnOk, BtnCancel})
        b->setAutoDefault(false);
    right->addLayout(buttons);
    body->addLayout(right, 1);
    setMinimumWidth(300 + ShownPicture.width() + 60);

    ui::EnterMovesFocus::install(this);
    ui::EnterRuns(this, EdtTjhao, [this] { BtnQueryClick(); });
    connect(BtnQuery, &QPushButton::clicked, this, &TFVideo::BtnQueryClick);
    connect(BtnCapture, &QPushButton::clicked, this, &TFVideo::BtnCaptureClick);
    connect(BtnOk, &QPushButton::clicked, this, &TFVideo::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFVideo::~TFVideo() = default;

QString TFVideo::CaptureFile()
{
    return QDir(core::ProgramFolder()).filePath(QStringLiteral("Pic/capture.bmp"));
}

void TFVideo::FormShow()
{
    if (!camera_) {
        camera_ = capture::CreateCamera();
        connect(camera_.get(), &capture::Camera::frameArrived, PnlVideo, &capture::VideoPanel::showFrame);
        connect(camera_.get(), &capture::Camera::resolutionChanged, PnlVideo, &capture::VideoPanel::fitTo);
    }
    OpenVideo();
    ShowPerson();
    EdtTjhao->setFocus(Qt::OtherFocusReason);
}

void TFVideo::FormClose()
{
    if (camera_)
        camera_->disconnectDevice();
    PnlVideo->clear();
}

void TFVideo::ListDevices()
{
    const QStringList devices = camera_->devices();
    LblInfo->setText(devices.isEmpty() ? QStringLiteral("未检测到摄像头设备！")
                                       : QStringLiteral("当前视频设备：%1").arg(devices.first()));
}

void TFVideo::ConnectDevice(int index)
{
    if (camera_->connectDevice(index)) {
        PnlVideo->fitTo(camera_->resolution());
        LblInfo->setText(QStringLiteral("当前视频设备：%1").arg(camera_->devices().value(index)));
    }
}

void TFVideo::OpenVideo()
{
    ListDevices();
    ConnectDevice(0);
    FillSourceMenu();
    FillFormatMenu();
}

void TFVideo::CloseVideo()
{
    camera_->disconnectDevice();
    PnlVideo->clear();
    FillSourceMenu();
    FillFormatMenu();
}

namespace {
// Ticks the entry of a submenu whose data is the value in use (the menu is
// not rebuilt while one of its entries is being triggered).
void tick(QMenu* menu, const QVariant& current)
{
    for (QAction* a : menu->actions())
        a->setChecked(a->data() == current);
}
}  // namespace

void TFVideo::FillSourceMenu()
{
    MnuSource->clear();
    const QStringList devices = camera_ ? camera_->devices() : QStringList();
    if (devices.isEmpty())
        MnuSource->addAction(QStringLiteral("未检测到摄像头设备！"))->setEnabled(false);
    for (int i = 0; i < devices.size(); ++i) {
        QAction* a = MnuSource->addAction(devices[i], this, [this, i] {
            ConnectDevice(i);
            tick(MnuSource, camera_->currentDevice());
            FillFormatMenu();
        });
        a->setCheckable(true);
        a->setData(i);
    }
    tick(MnuSource, camera_ ? camera_->currentDevice() : -1);
}

void TFVideo::FillFormatMenu()
{
    MnuFormat->clear();
    const QList<QSize> sizes = camera_ && camera_->isConnected() ? camera_->resolutions() : QList<QSize>();
    if (sizes.isEmpty())
        MnuFormat->addAction(QStringLiteral("（未打开视频）"))->setEnabled(false);
    for (const QSize& size : sizes) {
        QAction* a = MnuFormat->addAction(QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()), this,
                                          [this, size] {
                                              if (camera_->setResolution(size))
                                                  PnlVideo->fitTo(size);
                                              tick(MnuFormat, camera_->resolution());
                                          });
        a->setCheckable(true);
        a->setData(size);
    }
    tick(MnuFormat, camera_ && camera_->isConnected() ? QVariant(camera_->resolution()) : QVariant());
}

void TFVideo::BtnQueryClick()
{
    const QString number = EdtTjhao->text().trimmed();
    if (number.isEmpty()) {
        ui::Dialogs::instance().warning(QStringLiteral("请输入体检号！"));
        EdtTjhao->setFocus(Qt::OtherFocusReason);
        return;
    }
    QryRyuan.close();
    QryRyuan.setSql(SqlText::format("select a.* from tjian_ryuan a   inner join     (      select ryid      from "
                                    "tjian_sfei_main      where tjhao='%s'      group by ryid     ) b on b.ryid=a.id ",
                                    number));
    QryRyuan.open();
    ShowPerson();
    if (QryRyuan.isEmpty())
        ui::Dialogs::instance().message(QStringLiteral("无此体检号对应人员！"));
}

void TFVideo::ShowPerson()
{
    const bool found = QryRyuan.isOpen() && !QryRyuan.isEmpty();
    auto text = [&](const char* field) {
        return found ? QryRyuan.field(QString::fromLatin1(field)).asString() : QString();
    };
    EdtXming->setText(text("xming"));
    EdtDwei->setText(found ? db::Lookup(QryDwei).name(QryRyuan.field(QStringLiteral("dwid")).value()) : QString());
    EdtXbie->setText(text("xbie"));
    EdtNling->setText(text("nling"));
    EdtZdybhao->setText(text("zdybhao"));
}

void TFVideo::BtnCaptureClick()
{
    // Only a frame saved by this press is taken: a file left from an earlier
    // capture is another person's picture.
    const QString file = CaptureFile();
    if (camera_ && camera_->saveFrame(file)) {
        const QImage frame(file);
        if (!frame.isNull())
            ImgFrame->setPicture(frame);
    }
    if (!ImgFrame->hasPicture()) {
        ui::Dialogs::instance().message(QStringLiteral("请先拍摄再裁剪照片！"));
        return;
    }
    photo_ = ImgFrame->photo();
    if (!QryRyuan.isOpen() || QryRyuan.isEmpty())
        return;
    try {
        QryRyuan.edit();
        QryRyuan.setField(QStringLiteral("zpian"), capture::BitmapBytes(photo_));
        QryRyuan.post();
    } catch (const std::exception& e) {
        QryRyuan.cancel();
        ui::ErrorHandler::handle(e);
    }
}

void TFVideo::BtnOkClick()
{
    if (photo_.isNull()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有裁剪照片，无法获得照片！"));
        return;
    }
    accept();
}

}  // namespace tj::registration
