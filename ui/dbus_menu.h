#pragma once
// A QMenu's items exported over D-Bus in the menu protocol of notification icons
// (com.canonical.dbusmenu), so that the desktop's panel shows the menu itself, at its icon and
// drawn as its own menus are. Items are numbered from 1 in the menu's order under the root 0;
// the panel's "clicked" on an item triggers its action. The menu does not change while exported.

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <tuple>

#include "ui/dbus_struct.h"

class QAction;
class QMenu;

namespace kurobi {

// One node of the menu's tree as the protocol sends it: (ia{sv}av), each child a variant
// holding a node.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// An item's properties: (ia{sv}).
struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
    static auto FieldsOf(auto& item) { return std::tie(item.id, item.properties); }
};

// An item's property names: (ias).
struct DBusMenuItemPropertyNames {
    int id = 0;
    QStringList names;
    static auto FieldsOf(auto& item) { return std::tie(item.id, item.names); }
};

// One event of EventGroup: (isvu).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
    static auto FieldsOf(auto& event) {
        return std::tie(event.id, event.eventId, event.data, event.timestamp);
    }
};

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);

// The exported object, to be registered on a bus connection; the interface's name is the class's.
// Constructing one registers the types above with QtDBus.
class DBusMenu : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QStringList IconThemePath READ IconThemePath)

  public:

    explicit DBusMenu(QMenu& menu, QObject* parent = nullptr);

    uint Version() const { return 3; }
    QString TextDirection() const { return QStringLiteral("ltr"); }
    QString Status() const { return QStringLiteral("normal"); }
    QStringList IconThemePath() const { return {}; }

    // QtDBus looks the parameters' types up by the names written here, so they are spelt in
    // full.
  public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   kurobi::DBusMenuLayoutItem& layout);
    QList<kurobi::DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids,
                                                             const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<kurobi::DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

  signals:
    // Part of the protocol; never sent, as the menu does not change.
    void ItemsPropertiesUpdated(const QList<kurobi::DBusMenuItemProperties>& updatedProps,
                                const QList<kurobi::DBusMenuItemPropertyNames>& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

  private:
    // The item's action; null for the root and for numbers that name no item.
    QAction* Action(int id) const;
    bool Exists(int id) const { return id == 0 || Action(id) != nullptr; }
    QVariantMap Properties(int id, const QStringList& names) const;

    QMenu& menu_;
};

}  // namespace kurobi

Q_DECLARE_METATYPE(kurobi::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(kurobi::DBusMenuItemProperties)
Q_DECLARE_METATYPE(kurobi::DBusMenuItemPropertyNames)
Q_DECLARE_METATYPE(kurobi::DBusMenuEvent)
