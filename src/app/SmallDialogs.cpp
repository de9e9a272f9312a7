#include "app/SmallDialogs.h"

#include "core/Session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tj::app {

namespace {
QLabel* iconLabel(QWidget* parent, QStyle::StandardPixmap which)
{
    auto* l = new QLabel(parent);
    l->setPixmap(parent->style()->standardIcon(which).pixmap(40, 40));
    return l;
}
}  // namespace

TFQuit::TFQuit(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("退出本系统"));
    auto* text = new QLabel(QStringLiteral("您真的要退出本系统吗？"), this);
    BtnQuit = new QPushButton(QStringLiteral("退出(&X)"), this);
    BtnReturn = new QPushButton(QStringLiteral("返回(&R)"), this);
    BtnQuit->setDefault(true);
    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel(this, QStyle::SP_MessageBoxQuestion));
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnQuit);
    buttons->addWidget(BtnReturn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    connect(BtnQuit, &QPushButton::clicked, this, &TFQuit::BtnQuitClick);
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFQuit::BtnQuitClick()
{
    core::Session::current().QuitConfirmed = true;
    accept();
}

TFAbout::TFAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于本软件"));
    auto* title = new QLabel(QStringLiteral("岚川体检管理信息系统"), this);
    QFont f(QStringLiteral("Noto Serif CJK SC"));
    f.setPointSize(18);
    f.setBold(true);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color:red"));
    LbVersion = new QLabel(VersionLine(QCoreApplication::applicationFilePath()), this);
    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel(this, QStyle::SP_MessageBoxInformation));
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(LbVersion);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

QString TFAbout::VersionLine(const QString& executable)
{
    const QDateTime modified = QFileInfo(executable).lastModified();
    return QStringLiteral("版本号：") + QStringLiteral("Build %1").arg(modified.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

TFSplash::TFSplash(const QString& picture, QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(400, 280);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &TFSplash::timDelayTimer);
    QPixmap pm;
    if (QFileInfo::exists(picture) && pm.load(picture)) {
        auto* img = new QLabel(this);
        img->setObjectName(QStringLiteral("imgMain"));
        img->setScaledContents(true);
        img->setPixmap(pm);
        img->setGeometry(rect());
        countdown_ = 9;
        loaded_ = true;
        timer_.start();
    }
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TFSplash::timDelayTimer()
{
    if (countdown_ <= 0) {
        timer_.stop();
        accept();
        return;
    }
    --countdown_;
}

void TFSplash::mousePressEvent(QMouseEvent*)
{
    accept();
}

void TFSplash::keyPressEvent(QKeyEvent*)
{
    accept();
}

}  // namespace tj::app
