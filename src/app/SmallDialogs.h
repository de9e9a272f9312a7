// The small dialogs of the main window: quit confirmation, About box and the
// splash picture shown at start-up.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace tj::app {

// Quit confirmation ("退出本系统").
class TFQuit : public QDialog {
    Q_OBJECT
public:
    explicit TFQuit(QWidget* parent = nullptr);
    QPushButton* BtnQuit;
    QPushButton* BtnReturn;
public slots:
    void BtnQuitClick();
};

// About box ("关于本软件") with the build line of the executable.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent = nullptr);
    QLabel* LbVersion;
    // "版本号：Build yyyy-mm-dd hh:nn" from the file's modification time.
    static QString VersionLine(const QString& executable);
};

// Splash picture "face.bmp" for about a second; closes on a click or a key.
class TFSplash : public QDialog {
    Q_OBJECT
public:
    explicit TFSplash(const QString& picture, QWidget* parent = nullptr);
    bool hasPicture() const { return loaded_; }
    int countdown() const { return countdown_; }
    QTimer* timDelay() { return &timer_; }
public slots:
    void timDelayTimer();
protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
private:
    QTimer timer_;
    int countdown_ = 0;
    bool loaded_ = false;
};

}  // namespace tj::app
