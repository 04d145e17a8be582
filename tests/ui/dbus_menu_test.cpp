// The notification icon's menu as a panel reads it over D-Bus: the layout in the protocol's own
// types holding the one item "終了", whose "clicked" reaches Exit2Click. Panel and program meet
// over a peer-to-peer connection of the test's own, so no bus is needed.

#include "ui/dbus_menu.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDeadlineTimer>
#include <QThread>
#include <optional>

#include "tests/ui/form_fixture.h"
#include "ui/tray_icon.h"

namespace kurobi::testing {
namespace {

const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");

QDBusMessage MenuCall(const char* method, const QVariantList& arguments,
                      const QString& interface = kMenuInterface) {
    QDBusMessage call = QDBusMessage::createMethodCall(QString(), QStringLiteral("/MenuBar"),
                                                       interface, QString::fromLatin1(method));
    call.setArguments(arguments);
    return call;
}

// Runs the event loop until `condition` holds, for up to 30 seconds; whether it held.
template <typename Condition>
bool Eventually(Condition condition) {
    for (QDeadlineTimer deadline(30000); !condition(); QThread::msleep(10)) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents();
    }
    return true;
}

TEST(TrayMenuOverDBusTest, APanelSeesTheQuitItemAndItsClickReachesExit2Click) {
    TrayIcon tray(QIcon(), QStringLiteral("tip"), [] { return false; });
    DBusMenu menu(tray.PopupMenu2());
    int exits = 0;
    QObject::connect(&tray, &TrayIcon::Exit2Click, [&] { ++exits; });

    QDBusServer server;
    ASSERT_TRUE(server.isConnected()) << server.lastError().message().toStdString();
    std::optional<QDBusConnection> program;
    QObject::connect(&server, &QDBusServer::newConnection, [&](const QDBusConnection& peer) {
        program = peer;
        program->registerObject(QStringLiteral("/MenuBar"), &menu,
                                QDBusConnection::ExportAllContents);
    });
    QDBusConnection panel =
        QDBusConnection::connectToPeer(server.address(), QStringLiteral("panel"));
    ASSERT_TRUE(Eventually([&] { return program.has_value(); }));

    // The calls wait in an event loop of their own, in which the program answers. Some panels
    // ask for the properties one at a time.
    const QDBusMessage version =
        panel.call(MenuCall("Get", {kMenuInterface, QStringLiteral("Version")},
                            QStringLiteral("org.freedesktop.DBus.Properties")),
                   QDBus::BlockWithGui);
    ASSERT_EQ(version.type(), QDBusMessage::ReplyMessage) << version.errorMessage().toStdString();
    EXPECT_EQ(version.arguments().at(0).value<QDBusVariant>().variant().toUInt(), 3u);
    const QDBusMessage layout =
        panel.call(MenuCall("GetLayout", {0, -1, QStringList()}), QDBus::BlockWithGui);
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    EXPECT_EQ(layout.signature(), QStringLiteral("u(ia{sv}av)"));
    const auto root = qdbus_cast<DBusMenuLayoutItem>(layout.arguments().at(1));
    EXPECT_EQ(root.id, 0);
    EXPECT_EQ(root.properties.value(QStringLiteral("children-display")), QStringLiteral("submenu"));
    ASSERT_EQ(root.children.size(), 1);
    const DBusMenuLayoutItem& quit = root.children[0];
    EXPECT_EQ(quit.properties.value(QStringLiteral("label")).toString(), QString::fromUtf8("終了"));
    EXPECT_TRUE(quit.properties.value(QStringLiteral("enabled")).toBool());

    // libdbusmenu, which the GTK panels use, sends its clicks as a group.
    const DBusMenuEvent click{quit.id, QStringLiteral("clicked"), QDBusVariant(0), 0};
    const QDBusMessage clicked =
        panel.call(MenuCall("EventGroup", {QVariant::fromValue(QList<DBusMenuEvent>{click})}),
                   QDBus::BlockWithGui);
    ASSERT_EQ(clicked.type(), QDBusMessage::ReplyMessage) << clicked.errorMessage().toStdString();
    EXPECT_TRUE(Eventually([&] { return exits > 0; }));
    EXPECT_EQ(exits, 1);

    QDBusConnection::disconnectFromPeer(QStringLiteral("panel"));
}

}  // namespace
}  // namespace kurobi::testing
