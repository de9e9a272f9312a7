#include "app/TFSetBGround.h"

#include "app/TFMain.h"
#include "core/ConnectionConfig.h"
#include "core/LocalSettings.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tj::app {

using ui::Dialogs;
using ui::Icon;

TFSetBGround::TFSetBGround(TFMain* main, QWidget* parent) : QDialog(parent), main_(main)
{
    setWindowTitle(QStringLiteral("背景设置"));
    auto* pictureBox = new QGroupBox(QStringLiteral("背景图案设置"), this);
    ChkPicture = new QCheckBox(QStringLiteral("使用背景图案"), pictureBox);
    EdtPicture = new QLineEdit(pictureBox);
    BtnPicture = new QPushButton(QStringLiteral("浏览(&B)"), pictureBox);
    auto* pg = new QGridLayout(pictureBox);
    pg->addWidget(ChkPicture, 0, 0, 1, 3);
    pg->addWidget(new QLabel(QStringLiteral("图象文件："), pictureBox), 1, 0);
    pg->addWidget(EdtPicture, 1, 1);
    pg->addWidget(BtnPicture, 1, 2);

    auto* musicBox = new QGroupBox(QStringLiteral("背景音乐设置"), this);
    ChkMusic = new QCheckBox(QStringLiteral("开启背景音乐"), musicBox);
    EdtMusic = new QLineEdit(musicBox);
    BtnMusic = new QPushButton(QStringLiteral("浏览(&C)"), musicBox);
    auto* mg = new QGridLayout(musicBox);
    mg->addWidget(ChkMusic, 0, 0, 1, 3);
    mg->addWidget(new QLabel(QStringLiteral("声音文件："), musicBox), 1, 0);
    mg->addWidget(EdtMusic, 1, 1);
    mg->addWidget(BtnMusic, 1, 2);

    BtnOk = new QPushButton(QStringLiteral("确定(&Y)"), this);
    BtnExit = new QPushButton(QStringLiteral("退出(&X)"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pictureBox);
    layout->addWidget(musicBox);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(ChkPicture, &QCheckBox::toggled, this, [this] { SyncEnabled(true); });
    connect(ChkMusic, &QCheckBox::toggled, this, [this] { SyncEnabled(true); });
    connect(BtnPicture, &QPushButton::clicked, this, &TFSetBGround::BtnPictureClick);
    connect(BtnMusic, &QPushButton::clicked, this, &TFSetBGround::BtnMusicClick);
    connect(BtnOk, &QPushButton::clicked, this, &TFSetBGround::BtnOkClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
    ui::EnterMovesFocus::install(this);
    FormShow();
}

void TFSetBGround::FormShow()
{
    const core::BackgroundSettings s = core::LocalSettings::read();
    ChkPicture->blockSignals(true);
    ChkMusic->blockSignals(true);
    EdtPicture->setText(s.PicFile);
    ChkPicture->setChecked(s.ShowPic);
    EdtMusic->setText(s.MusicFile);
    ChkMusic->setChecked(s.OnMusic);
    ChkPicture->blockSignals(false);
    ChkMusic->blockSignals(false);
    SyncEnabled(false);
    BtnOk->setFocus();
}

void TFSetBGround::SyncEnabled(bool focusField)
{
    EdtPicture->setEnabled(ChkPicture->isChecked());
    BtnPicture->setEnabled(ChkPicture->isChecked());
    EdtMusic->setEnabled(ChkMusic->isChecked());
    BtnMusic->setEnabled(ChkMusic->isChecked());
    if (!focusField)
        return;
    if (sender() == ChkPicture && ChkPicture->isChecked())
        EdtPicture->setFocus();
    if (sender() == ChkMusic && ChkMusic->isChecked())
        EdtMusic->setFocus();
}

void TFSetBGround::BtnPictureClick()
{
    const QString f = Dialogs::instance().openFile(QStringLiteral("选择背景图案"), core::ProgramFolder(),
                                                   QStringLiteral("图像文件 (*.bmp *.jpg *.jpeg *.png *.gif);;所有文件 (*)"));
    if (!f.isEmpty())
        EdtPicture->setText(f);
}

void TFSetBGround::BtnMusicClick()
{
    const QString f = Dialogs::instance().openFile(
        QStringLiteral("选择背景音乐"), core::ProgramFolder(),
        QStringLiteral("All (*.wav *.mid *.avi *.mp3 *.wma);;Wave files (*.wav);;Midi files (*.mid);;mp3 and wma (*.mp3 *.wma)"));
    if (!f.isEmpty())
        EdtMusic->setText(f);
}

void TFSetBGround::BtnOkClick()
{
    core::BackgroundSettings s;
    s.ShowPic = ChkPicture->isChecked();
    s.PicFile = EdtPicture->text();
    s.OnMusic = ChkMusic->isChecked();
    s.MusicFile = EdtMusic->text();
    core::LocalSettings::write(s);
    if (main_) {
        main_->ApplyBackground(s.ShowPic, s.PicFile);
        main_->ApplyMusic(s.OnMusic, s.MusicFile);
    }
    Dialogs::instance().message(QStringLiteral("设置信息已经保存！"), QStringLiteral("提示"), Icon::Information);
    accept();
}

}  // namespace tj::app
