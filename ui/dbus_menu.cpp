#include "ui/dbus_menu.h"

#include <QAction>
#include <QDBusMetaType>
#include <QMenu>

namespace kurobi {

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    item.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(qdbus_cast<DBusMenuLayoutItem>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

namespace {

void RegisterTypes() {
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItemProperties>();
    qDBusRegisterMetaType<QList<DBusMenuItemProperties>>();
    qDBusRegisterMetaType<DBusMenuItemPropertyNames>();
    qDBusRegisterMetaType<QList<DBusMenuItemPropertyNames>>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<QList<DBusMenuEvent>>();
}

}  // namespace

DBusMenu::DBusMenu(QMenu& menu, QObject* parent) : QObject(parent), menu_(menu) {
    RegisterTypes();
}

QAction* DBusMenu::Action(int id) const {
    const QList<QAction*> actions = menu_.actions();
    return id >= 1 && id <= actions.size() ? actions[id - 1] : nullptr;
}

QVariantMap DBusMenu::Properties(int id, const QStringList& names) const {
    QVariantMap all;
    if (id == 0) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction* action = Action(id)) {
        all.insert(QStringLiteral("label"), action->text());
        all.insert(QStringLiteral("enabled"), action->isEnabled());
        all.insert(QStringLiteral("visible"), action->isVisible());
    }
    if (names.isEmpty()) return all;  // an empty list asks for every property
    QVariantMap asked;
    for (const QString& name : names)
        if (all.contains(name)) asked.insert(name, all.value(name));
    return asked;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                         DBusMenuLayoutItem& layout) {
    layout = {parentId, Properties(parentId, propertyNames), {}};
    // Only the root has children; a depth of 0 asks for the node alone, -1 for all levels.
    if (parentId == 0 && recursionDepth != 0) {
        for (int id = 1; Action(id); ++id)
            layout.children.append({id, Properties(id, propertyNames), {}});
    }
    return 1;  // the layout's revision, which never changes
}

QList<DBusMenuItemProperties> DBusMenu::GetGroupProperties(const QList<int>& ids,
                                                           const QStringList& propertyNames) {
    QList<DBusMenuItemProperties> found;
    for (int id : ids)
        if (Exists(id)) found.append({id, Properties(id, propertyNames)});
    return found;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name) {
    return QDBusVariant(Properties(id, {name}).value(name));
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    QAction* action = Action(id);
    if (!action || eventId != QLatin1String("clicked")) return;
    // Later, from the event loop: the action may end the program and take this object with it,
    // and the panel is owed its reply first.
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
}

QList<int> DBusMenu::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events) {
        if (Exists(event.id))
            Event(event.id, event.eventId, event.data, event.timestamp);
        else
            idErrors.append(event.id);
    }
    return idErrors;
}

bool DBusMenu::AboutToShow(int) {
    return false;  // nothing to update: the menu is fixed
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    idErrors.clear();
    for (int id : ids)
        if (!Exists(id)) idErrors.append(id);
    return {};  // no item needs an update
}

}  // namespace kurobi
