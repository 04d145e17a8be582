#include "ui/main_menu.h"

namespace kurobi {
namespace {

struct LevelItem {
    const char* name;
    const char* caption;
};

constexpr std::array<LevelItem, kLevelCount> kLevelItems = {{
    {"K6", "レベル１"},
    {"K7", "レベル２"},
    {"K8", "レベル３"},
    {"K9", "レベル４"},
    {"K10", "レベル５"},
    {"K11", "レベル６"},
    {"K12", "レベル７"},
    {"K13", "レベル８"},
    {"K14", "レベル９"},
    {"K15", "レベル１０"},
    {"K25", "レベル１１"},
}};

// A submenu, named on both the menu and the item that opens it.
QMenu* Submenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(menu->objectName());
    return menu;
}

QAction* Item(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

}  // namespace

MainMenuItems BuildMainMenu(QWidget* window) {
    MainMenuItems m{};
    m.MainMenu1 = new QMenuBar(window);
    m.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* k1 = Submenu(m.MainMenu1, "K1", "ファイル");
    k1->menuAction()->setVisible(false);
    m.MainMenu1->addMenu(k1);

    QMenu* k2 = Submenu(m.MainMenu1, "K2", "対局者");
    m.MainMenu1->addMenu(k2);
    Item(k2, "K4", "人間同士")->setVisible(false);
    QMenu* k5 = Submenu(k2, "K5", "ＣＰＵ");
    k2->addMenu(k5);
    for (size_t i = 0; i < kLevelItems.size(); ++i) {
        m.levels[i] = Item(k5, kLevelItems[i].name, kLevelItems[i].caption, true);
    }
    m.levels[kDefaultLevel - 1]->setChecked(true);

    QMenu* k3 = Submenu(m.MainMenu1, "K3", "設定");
    m.MainMenu1->addMenu(k3);
    QMenu* k16 = Submenu(k3, "K16", "表示スピード");
    k3->addMenu(k16);
    m.K17 = Item(k16, "K17", "どぱっ", true);
    m.K18 = Item(k16, "K18", "ぱらぱら", true);
    m.K19 = Item(k16, "K19", "だらだら", true);
    m.K18->setChecked(true);
    m.K26 = Item(k3, "K26", "盤の色");
    m.Undo1 = Item(k3, "Undo1", "１手戻す");
    return m;
}

}  // namespace kurobi
