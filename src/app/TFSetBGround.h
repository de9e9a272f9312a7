// Background picture and music of the main window, kept in the
// workstation's settings file.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tj::app {

class TFMain;

class TFSetBGround : public QDialog {
    Q_OBJECT
public:
    explicit TFSetBGround(TFMain* main, QWidget* parent = nullptr);
    QCheckBox* ChkPicture;
    QLineEdit* EdtPicture;
    QPushButton* BtnPicture;
    QCheckBox* ChkMusic;
    QLineEdit* EdtMusic;
    QPushButton* BtnMusic;
    QPushButton* BtnOk;
    QPushButton* BtnExit;
public slots:
    void FormShow();
    void BtnOkClick();
    void BtnPictureClick();
    void BtnMusicClick();
private:
    void SyncEnabled(bool focusField);
    TFMain* main_;
};

}  // namespace tj::app
