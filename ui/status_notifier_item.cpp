#include "ui/status_notifier_item.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QImage>
#include <QtEndian>

#include "ui/dbus_menu.h"
#include "ui/dbus_struct.h"

namespace kurobi {
namespace {

// The structures below are sent field by field (ui/dbus_struct.h), found from here.
using kurobi::operator<<;
using kurobi::operator>>;

constexpr char kWatcher[] = "org.kde.StatusNotifierWatcher";
constexpr char kItemPath[] = "/StatusNotifierItem";
constexpr char kMenuPath[] = "/MenuBar";

// One size of the icon: (iiay), the pixels as ARGB32 in network byte order.
struct Pixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
    static auto FieldsOf(auto& pixmap) { return std::tie(pixmap.width, pixmap.height, pixmap.argb); }
};
using Pixmaps = QList<Pixmap>;

// (sa(iiay)ss): icon name, icon, title, text.
struct ToolTipData {
    QString iconName;
    Pixmaps icon;
    QString title;
    QString text;
    static auto FieldsOf(auto& tip) { return std::tie(tip.iconName, tip.icon, tip.title, tip.text); }
};

Pixmaps ToPixmaps(const QIcon& icon) {
    Pixmaps pixmaps;
    for (const QSize size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QByteArray argb(image.width() * image.height() * 4, Qt::Uninitialized);
        auto* out = reinterpret_cast<uchar*>(argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, out += 4) qToBigEndian<quint32>(line[x], out);
        }
        pixmaps.append({image.width(), image.height(), argb});
    }
    return pixmaps;
}

// The object at /StatusNotifierItem; everything it declares is the protocol's. The interface's
// name is the class's, where QtDBus looks for it when a panel asks for one property.
class ItemObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QString IconName READ IconName)
    Q_PROPERTY(Pixmaps IconPixmap READ IconPixmap)
    Q_PROPERTY(ToolTipData ToolTip READ ToolTip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)

  public:
    ItemObject(const QIcon& icon, const QString& title, StatusNotifierItem& owner)
        : title_(title), pixmaps_(ToPixmaps(icon)), owner_(owner) {}

    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const { return title_; }
    QString Title() const { return title_; }
    QString Status() const { return QStringLiteral("Active"); }
    QString IconName() const { return {}; }  // no themed icon: the panel takes the pixels
    Pixmaps IconPixmap() const { return pixmaps_; }
    ToolTipData ToolTip() const { return {{}, {}, title_, {}}; }
    // The panel opens the menu itself on a press of the left button.
    bool ItemIsMenu() const { return true; }
    QDBusObjectPath Menu() const { return QDBusObjectPath(QString::fromLatin1(kMenuPath)); }

  public slots:
    // Sent by panels that leave the menu to the program after all.
    void Activate(int x, int y) { emit owner_.MenuRequested({x, y}); }
    void ContextMenu(int x, int y) { emit owner_.MenuRequested({x, y}); }
    // The middle button and the wheel do nothing, as on the icon of an XEmbed tray.
    void SecondaryActivate(int, int) {}
    void Scroll(int, const QString&) {}

  signals:
    // Never sent: nothing about the item changes while it is shown.
    void NewTitle();
    void NewIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

  private:
    const QString title_;
    const Pixmaps pixmaps_;
    StatusNotifierItem& owner_;
};

QString NextService() {
    static int count = 0;
    return QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++count);
}

}  // namespace

bool StatusNotifierItem::HostPresent() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(QString::fromLatin1(kWatcher));
}

StatusNotifierItem::StatusNotifierItem(const QIcon& icon, const QString& title, QMenu& menu)
    : service_(NextService()),
      bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, service_)),
      item_(std::make_unique<ItemObject>(icon, title, *this)),
      menu_(std::make_unique<DBusMenu>(menu)),
      watcher_(std::make_unique<QDBusServiceWatcher>(QString::fromLatin1(kWatcher), bus_,
                                                     QDBusServiceWatcher::WatchForRegistration)) {
    qDBusRegisterMetaType<Pixmap>();
    qDBusRegisterMetaType<Pixmaps>();
    qDBusRegisterMetaType<ToolTipData>();
    bus_.registerObject(QString::fromLatin1(kItemPath), item_.get(),
                        QDBusConnection::ExportAllContents);
    bus_.registerObject(QString::fromLatin1(kMenuPath), menu_.get(),
                        QDBusConnection::ExportAllContents);
    bus_.registerService(service_);
    // A panel that starts again brings a new watcher, which knows no items yet.
    connect(watcher_.get(), &QDBusServiceWatcher::serviceRegistered, this,
            &StatusNotifierItem::Register);
    Register();
}

StatusNotifierItem::~StatusNotifierItem() {
    watcher_.reset();
    // The panel's watcher drops the item as soon as its name goes.
    bus_.unregisterService(service_);
    bus_.unregisterObject(QString::fromLatin1(kMenuPath));
    bus_.unregisterObject(QString::fromLatin1(kItemPath));
    QDBusConnection::disconnectFromBus(service_);
}

void StatusNotifierItem::Register() {
    const QString watcher = QString::fromLatin1(kWatcher);
    bus_.send(QDBusMessage::createMethodCall(watcher, QStringLiteral("/StatusNotifierWatcher"),
                                             watcher, QStringLiteral("RegisterStatusNotifierItem"))
              << service_);
}

}  // namespace kurobi

#include "status_notifier_item.moc"
