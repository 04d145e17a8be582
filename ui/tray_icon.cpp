#include "ui/tray_icon.h"

#include <QCursor>
#include <QMenu>

namespace kurobi {

TrayIcon::TrayIcon(const QIcon& icon, const QString& tip, std::function<bool()> available,
                   QObject* parent)
    : QObject(parent),
      icon_(icon),
      available_(std::move(available)),
      popupMenu2_(std::make_unique<QMenu>()) {
    icon_.setToolTip(tip);
    popupMenu2_->setObjectName("PopupMenu2");
    exit2_ = popupMenu2_->addAction(QString::fromUtf8("終了"));
    exit2_->setObjectName("Exit2");
    connect(exit2_, &QAction::triggered, this, &TrayIcon::Exit2Click);
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::TrayMessage);
}

TrayIcon::~TrayIcon() { Remove(); }

void TrayIcon::Add() {
    if (IsShown()) return;
    if (StatusNotifierItem::HostPresent()) {
        item_ = std::make_unique<StatusNotifierItem>(icon_.icon(), icon_.toolTip(), *popupMenu2_);
        connect(item_.get(), &StatusNotifierItem::MenuRequested, this, &TrayIcon::OpenMenu);
    } else if (available_()) {
        icon_.show();
    }
}

void TrayIcon::Remove() {
    item_.reset();
    icon_.hide();
}

bool TrayIcon::IsShown() const { return item_ || icon_.isVisible(); }

void TrayIcon::TrayMessage(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger) return;  // only the left button opens the menu
    OpenMenu(QCursor::pos());
}

void TrayIcon::OpenMenu(QPoint position) { popupMenu2_->popup(position); }

}  // namespace kurobi
