#include "app/TFMain.h"

#include "app/TFNavigationMap.h"
#include "core/CentreParameters.h"
#include "core/LocalSettings.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"

#include <QAction>
#include <QAudioOutput>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>

namespace tj::app {

using db::SqlText;

TFMain::TFMain(QWidget* parent) : QMainWindow(parent)
{
    core::Session::current().CentreName.clear();
    core::Session::current().QuitConfirmed = false;
    setWindowTitle(QStringLiteral("岚川体检管理信息系统"));
    setMinimumSize(1024, 768);

    pnlMain_ = new QWidget(this);
    pnlMain_->setObjectName(QStringLiteral("PnlMain"));
    pnlMain_->setStyleSheet(QStringLiteral("#PnlMain{background:#dfe8f2}"));
    setCentralWidget(pnlMain_);
    background_ = new QLabel(pnlMain_);
    background_->setScaledContents(true);
    background_->hide();
    navigationMap_ = new TFNavigationMap(pnlMain_);
    navigationMap_->hide();
    navigationMap_->entryVisible = [this](const QString& code) {
        QAction* a = actionForCode(code);
        return a && a->isVisible();
    };
    navigationMap_->entryEnabled = [this](const QString& code) {
        QAction* a = actionForCode(code);
        return a && a->isEnabled();
    };
    navigationMap_->perform = [this](const QString& code) {
        if (QAction* a = actionForCode(code); a && a->isEnabled())
            a->trigger();
    };

    const QStringList captions = {QStringLiteral("当前帐套"), QString(), QStringLiteral("操作员"), QString(),
                                  QStringLiteral("授权单位"), QString()};
    for (int i = 0; i < captions.size(); ++i) {
        auto* panel = new QLabel(captions[i], this);
        panel->setMinimumWidth(i % 2 == 0 ? 70 : 180);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel, i == 5 ? 1 : 0);
        panels_ << panel;
    }

    BuildMenu();
    ui::WindowRegistry::setProgram(&windows_);

    askQuit = [] { return false; };
}

TFMain::~TFMain()
{
    delete backgroundPixmap_;
}

void TFMain::BuildMenu()
{
    BuildMenuLevel(menuBar(), MainMenuTree(), QString());
    enableRegisteredEntries();
}

void TFMain::BuildMenuLevel(QWidget* owner, const std::vector<MenuNode>& nodes, const QString& parentCode)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        const MenuNode& node = nodes[i];
        const QString code = parentCode + QString::asprintf("%.2d", int(i) + 1);
        QAction* action = nullptr;
        if (node.isSubMenu()) {
            auto* menu = new QMenu(node.caption, owner);
            action = menu->menuAction();
            owner->addAction(action);
            entries_.append({code, action});
            BuildMenuLevel(menu, node.children, code);
        } else if (node.isSeparator()) {
            action = new QAction(owner);
            action->setSeparator(true);
            owner->addAction(action);
            entries_.append({code, action});
        } else {
            action = new QAction(node.caption, owner);
            owner->addAction(action);
            entries_.append({code, action});
            opensByCode_.insert(code, node.opens);
            const QString opens = node.opens;
            if (opens == QStringLiteral("ToggleNavigationMap")) {
                action->setCheckable(true);
                action->setChecked(true);
                showMapAction_ = action;
                connect(action, &QAction::toggled, this, [this](bool on) { ShowNavigationMap(on); });
            } else {
                connect(action, &QAction::triggered, this, [this, opens] { OpenEntry(opens); });
            }
        }
        action->setProperty("code", code);
        action->setProperty("caption", node.caption);
    }
}

void TFMain::registerWindow(const QString& windowClass, Opener open)
{
    openers_.insert(windowClass, std::move(open));
}

void TFMain::enableRegisteredEntries()
{
    for (auto it = opensByCode_.cbegin(); it != opensByCode_.cend(); ++it) {
        QAction* a = actionForCode(it.key());
        if (!a || a == showMapAction_)
            continue;
        a->setEnabled(openers_.contains(it.value()) || windows_.contains(it.value())
                      || it.value() == QStringLiteral("Quit"));
    }
    if (navigationMap_)
        navigationMap_->refreshButtons();
}

QAction* TFMain::actionForCode(const QString& code) const
{
    for (const auto& [c, a] : entries_)
        if (c == code)
            return a;
    return nullptr;
}

void TFMain::OpenEntry(const QString& windowClass)
{
    if (windowClass == QStringLiteral("Quit")) {
        close();
        return;
    }
    if (auto it = openers_.find(windowClass); it != openers_.end())
        it.value()();
    else
        windows_.open(windowClass);
}

void TFMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
}

bool TFMain::FormShowFirst(const std::function<bool()>& login)
{
    if (firstShown_ || !core::TDM::instance().DbConnected)
        return true;
    if (!login())
        return false;
    const core::BackgroundSettings bg = core::LocalSettings::read();
    ApplyBackground(bg.ShowPic, bg.PicFile);
    ApplyMusic(bg.OnMusic, bg.MusicFile);
    UpdateStatusBar();
    ReadCentreParameters();
    RegisterAndApplyMenu();
    firstShown_ = true;
    return true;
}

void TFMain::UpdateStatusBar()
{
    core::Session& s = core::Session::current();
    panels_[1]->setText(QStringLiteral("%1(%2)").arg(s.CurrentAccountSetName, s.CurrentDatabaseName));
    const auto rs = core::TDM::instance().Connection().query(
        SqlText::format("select xming from pub_yhu where id=%d", s.CurrentUserId));
    if (!rs.rows.empty())
        panels_[3]->setText(rs.rows[0][0].toString());
    panels_[5]->setText(s.CentreName);
}

void TFMain::ReadCentreParameters()
{
    const auto p = core::CentreParameters::read(core::TDM::instance().Connection());
    p.applyToSession();
    if (p.centreName)
        panels_[5]->setText(*p.centreName);
}

void TFMain::RegisterAndApplyMenu()
{
    db::Connection& conn = core::TDM::instance().Connection();
    // One transaction keeps the rewrite of the registry consistent for other
    // workstations and fast (one disk flush for the whole menu).
    db::Transaction t(conn);
    conn.execute(SqlText::format("update his_qxcdan set gxin=0 where qxzhi='%s' ", core::SystemCode));
    for (const auto& [code, action] : entries_)
        RegisterMenuEntry(action, code, action->property("caption").toString());
    for (const auto& [code, action] : entries_)
        ApplyMenuGrants(action, code, action->menu() != nullptr);
    conn.execute(SqlText::format("delete from his_qxcdan where qxzhi='%s' and gxin=0 ", core::SystemCode));
    t.commit();
}

void TFMain::RegisterMenuEntry(QAction*, const QString& code, const QString& caption)
{
    db::Connection& conn = core::TDM::instance().Connection();
    const auto rs = conn.query(
        SqlText::format("select * from his_qxcdan where qxzhi='%s' and qxcdan='%s' ", core::SystemCode, code));
    if (rs.rows.empty())
        conn.execute(SqlText::format("insert into his_qxcdan(qxzhi, qxcdan, cdmcheng, gxin) values('%s', '%s', '%s', 1)",
                                     core::SystemCode, code, caption));
    else
        conn.execute(SqlText::format("update his_qxcdan set cdmcheng='%s', gxin=1 where qxzhi='%s' and qxcdan='%s'",
                                     caption, core::SystemCode, code));
}

void TFMain::ApplyMenuGrants(QAction* entry, const QString& code, bool hasChildren)
{
    db::Connection& conn = core::TDM::instance().Connection();
    const int user = core::Session::current().CurrentUserId;
    db::ResultSet rs;
    if (hasChildren)
        rs = conn.query(SqlText::format(
            "select * from pub_yhqxian where yhid=%d and qxzhi='%s' and qxcdan like '%s%%' and len(qxcdan)>%d ", user,
            core::SystemCode, code, int(code.length())));
    else
        rs = conn.query(SqlText::format("select * from pub_yhqxian where yhid=%d and qxzhi='%s' and qxcdan='%s' ",
                                        user, core::SystemCode, code));
    entry->setVisible(!rs.rows.empty());
}

void TFMain::ApplyBackground(bool showPicture, const QString& pictureFile)
{
    delete backgroundPixmap_;
    backgroundPixmap_ = nullptr;
    if (showPicture && !pictureFile.isEmpty() && QFileInfo::exists(pictureFile)) {
        QPixmap pm(pictureFile);
        if (!pm.isNull())
            backgroundPixmap_ = new QPixmap(pm);
    }
    if (backgroundPixmap_) {
        background_->setPixmap(*backgroundPixmap_);
        background_->show();
    } else {
        background_->clear();
        background_->hide();
    }
    LayoutWorkArea();
}

bool TFMain::hasBackgroundPicture() const
{
    return backgroundPixmap_ != nullptr;
}

void TFMain::ApplyMusic(bool playMusic, const QString& musicFile)
{
    if (player_ && player_->playbackState() == QMediaPlayer::PlayingState)
        player_->stop();
    if (playMusic && !musicFile.isEmpty() && QFileInfo::exists(musicFile)) {
        // The player is made only when there is music to play: creating the
        // media back end is slow and needs an audio system.
        if (!player_) {
            player_ = new QMediaPlayer(this);
            audio_ = new QAudioOutput(this);
            player_->setAudioOutput(audio_);
        }
        player_->setSource(QUrl::fromLocalFile(musicFile));
        player_->play();
    }
}

void TFMain::ShowNavigationMap(bool show)
{
    if (!show) {
        navigationMap_->hide();
        return;
    }
    LayoutWorkArea();
    navigationMap_->show();
    navigationMap_->raise();
}

void TFMain::LayoutWorkArea()
{
    const QRect area = pnlMain_->rect();
    background_->setGeometry(area);
    navigationMap_->setGeometry(area);
}

void TFMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutWorkArea();
}

bool TFMain::ConfirmClose()
{
    core::Session& s = core::Session::current();
    if (!askQuit || !askQuit())
        return false;
    s.QuitConfirmed = true;
    if (core::TDM::exists() && core::TDM::instance().Connection().isOpen() && s.LoginLogId > 0)
        core::TDM::instance().Connection().execute(
            SqlText::format("update his_xtrzhi set tcsjian=getdate() where id=%d ", s.LoginLogId));
    return true;
}

void TFMain::closeEvent(QCloseEvent* event)
{
    bool allow = false;
    try {
        allow = ConfirmClose();
    } catch (...) {
        // The logout time could not be written; the operator still asked to quit.
        allow = core::Session::current().QuitConfirmed;
    }
    if (allow)
        event->accept();
    else
        event->ignore();
}

}  // namespace tj::app
