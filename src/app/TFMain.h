// Main window: menu, permissions, status bar, background and navigation map.
#pragma once

#include "app/MenuTree.h"
#include "platform/ui/WindowRegistry.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMediaPlayer;
class QAudioOutput;

namespace tj::app {

class TFNavigationMap;

class TFMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // The program's windows by the class name their menu entry opens, made
    // on first use (see WindowList.cpp). Entries whose window is neither in
    // the registry nor given an opener stay disabled.
    ui::WindowRegistry& windows() { return windows_; }
    // An entry that does something else than showing a window.
    using Opener = std::function<void()>;
    void registerWindow(const QString& windowClass, Opener open);
    void enableRegisteredEntries();

    // Menu entries by code ("0104"); nullptr for an unknown code.
    QAction* actionForCode(const QString& code) const;
    // Every entry with its code in menu order.
    const QList<QPair<QString, QAction*>>& menuEntries() const { return entries_; }

    // The first-show work: login, settings, status bar, parameters, menu
    // registration and grants. Returns false when the program must end.
    bool FormShowFirst(const std::function<bool()>& login);
    // Steps of the first show after the login, also used by tests.
    void ReadCentreParameters();
    void RegisterAndApplyMenu();
    void UpdateStatusBar();

    // Background picture and music from the settings (also after the
    // background dialog saved them).
    void ApplyBackground(bool showPicture, const QString& pictureFile);
    void ApplyMusic(bool playMusic, const QString& musicFile);
    QMediaPlayer* mediaPlayer() const { return player_; }
    bool hasBackgroundPicture() const;

    TFNavigationMap* navigationMap() const { return navigationMap_; }
    QAction* navigationMapAction() const { return showMapAction_; }
    void ShowNavigationMap(bool show);

    // The close request: quit confirmation and logout time. Returns true
    // when the close is allowed.
    bool ConfirmClose();

    QLabel* statusPanel(int index) const { return panels_.value(index); }

    // Quit dialog used by ConfirmClose; tests replace it.
    std::function<bool()> askQuit;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenu();
    void BuildMenuLevel(QWidget* owner, const std::vector<MenuNode>& nodes, const QString& parentCode);
    void RegisterMenuEntry(QAction* entry, const QString& code, const QString& caption);
    void ApplyMenuGrants(QAction* entry, const QString& code, bool hasChildren);
    void OpenEntry(const QString& windowClass);
    void LayoutWorkArea();

    QList<QPair<QString, QAction*>> entries_;
    QMap<QString, QString> opensByCode_;
    QMap<QString, Opener> openers_;
    ui::WindowRegistry windows_{this};
    QList<QLabel*> panels_;
    QWidget* pnlMain_ = nullptr;
    QLabel* background_ = nullptr;
    QPixmap* backgroundPixmap_ = nullptr;
    TFNavigationMap* navigationMap_ = nullptr;
    QAction* showMapAction_ = nullptr;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    bool firstShown_ = false;
};

}  // namespace tj::app
