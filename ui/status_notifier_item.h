#pragma once
// The notification icon as a StatusNotifierItem, the D-Bus protocol through which KDE Plasma,
// GNOME's AppIndicator extension, waybar and xfce4-panel show icons. The item says that it is
// a menu and exports the menu (DBusMenu), so the panel opens it itself on a press of the left
// button: at the icon and drawn as the panel's own menus are, which a program cannot do on
// Wayland, where it neither knows where the icon is nor may place a window there.
//
// The item lives on a bus connection of its own, under the name
// org.kde.StatusNotifierItem-<pid>-<n> at /StatusNotifierItem with its menu at /MenuBar, and is
// registered with the panel's watcher, again whenever a watcher appears anew.

#include <QDBusConnection>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

class QDBusServiceWatcher;
class QMenu;

namespace kurobi {

class DBusMenu;

class StatusNotifierItem : public QObject {
    Q_OBJECT

  public:
    // Whether the session bus has a watcher, through which a panel shows such items.
    static bool HostPresent();

    StatusNotifierItem(const QIcon& icon, const QString& title, QMenu& menu);
    ~StatusNotifierItem() override;

    // The item's name on the bus.
    const QString& Service() const { return service_; }

  signals:
    // A panel that opens no menu itself asked for one at `position`, on the screen.
    void MenuRequested(QPoint position);

  private:
    void Register();

    QString connectionName_;
    QString service_;
    QDBusConnection bus_;
    std::unique_ptr<QObject> item_;
    std::unique_ptr<DBusMenu> menu_;
    std::unique_ptr<QDBusServiceWatcher> watcher_;
};

}  // namespace kurobi
