#pragma once
// The icon in the notification area for as long as the window exists. A press of the left button
// on it opens PopupMenu2, whose one item Exit2 "終了" quits. In an XEmbed tray the program opens
// the menu at the cursor and other buttons open nothing, so the menu is deliberately not the
// icon's automatic context menu. Where a panel shows StatusNotifierItems (a watcher is on the
// session bus) the icon is such an item instead, and the panel opens the menu at the icon on the
// buttons it gives menus to.

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "ui/status_notifier_item.h"

class QAction;
class QMenu;

namespace kurobi {

class TrayIcon : public QObject {
    Q_OBJECT

public:
    // `available` says whether the desktop has an XEmbed notification area, asked when no panel
    // shows StatusNotifierItems; without either the program runs without the icon and says
    // nothing.
    TrayIcon(const QIcon& icon, const QString& tip,
             std::function<bool()> available = &QSystemTrayIcon::isSystemTrayAvailable,
             QObject* parent = nullptr);
    ~TrayIcon() override;

    // Puts the icon in the notification area; adding it again while it is there changes nothing.
    void Add();
    void Remove();
    bool IsShown() const;

    QSystemTrayIcon& Icon() { return icon_; }
    QMenu& PopupMenu2() { return *popupMenu2_; }
    QAction& Exit2() { return *exit2_; }

signals:
    // "終了" was chosen.
    void Exit2Click();

private:
    void TrayMessage(QSystemTrayIcon::ActivationReason reason);
    void OpenMenu(QPoint position);

    QSystemTrayIcon icon_;
    std::function<bool()> available_;
    std::unique_ptr<QMenu> popupMenu2_;
    QAction* exit2_ = nullptr;
    std::unique_ptr<StatusNotifierItem> item_;
};

}  // namespace kurobi
