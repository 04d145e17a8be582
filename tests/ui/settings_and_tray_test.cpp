// The window with its settings file and its notification icon. Each test process runs in a
// folder of its own (see main.cpp), so "Kurobi.ini" here is this test's alone.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <memory>

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

const char kDefaultFile[] = "[Kurobi]\r\nBoardColor = 808000\r\nTurnSpeed = 80\r\n\r\nLevel = 6\r\n";

QByteArray ReadFile(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const char* name, const QByteArray& bytes) {
    QFile file(QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QAction* Item(TForm1& form, const char* name) {
    auto* action = form.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

class SettingsAndTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(QStringLiteral("Kurobi.ini"));
        QDir().rmdir(QStringLiteral("Kurobi.ini"));
    }
    TForm1& Start() {
        form = std::make_unique<TForm1>();
        return *form;
    }
    std::unique_ptr<TForm1> form;
};

TEST_F(SettingsAndTrayTest, FirstRunWritesExactlyTheDefaultFile) {
    Start().close();
    const QByteArray written = ReadFile("Kurobi.ini");
    EXPECT_EQ(written.size(), 60);
    EXPECT_EQ(written, QByteArray(kDefaultFile));
}

TEST_F(SettingsAndTrayTest, SpeedColourAndLevelComeBackAfterARestart) {
    TForm1& first = Start();
    Item(first, "K17")->trigger();
    Item(first, "K25")->trigger();
    first.State().BoardColor = 0x0000FF;
    first.findChild<QPushButton*>(QStringLiteral("Button6"))->click();  // writes, then closes
    EXPECT_TRUE(first.Closing());
    EXPECT_EQ(ReadFile("Kurobi.ini"),
              QByteArray("[Kurobi]\r\nBoardColor = FF\r\nTurnSpeed = 10\r\n\r\nLevel = 11\r\n"));

    TForm1& second = Start();
    const GameState& s = second.State();
    EXPECT_EQ(s.FlipDelay, 10);
    EXPECT_EQ(s.BoardColor, 0x0000FFu);
    EXPECT_EQ(s.BaseDepth, 11);
    EXPECT_EQ(s.SearchDepth, 11);
    EXPECT_EQ(s.EndgameStart, 48);
    EXPECT_TRUE(Item(second, "K17")->isChecked());
    EXPECT_FALSE(Item(second, "K18")->isChecked());
    EXPECT_TRUE(Item(second, "K25")->isChecked());
    EXPECT_FALSE(Item(second, "K11")->isChecked());
}

TEST_F(SettingsAndTrayTest, ReadingSnapsTheSpeedAndSetsItsCheckMark) {
    WriteFile("Kurobi.ini", "turnspeed=250\nboardcolor=0x10\nlevel=12\n");
    TForm1& f = Start();
    EXPECT_EQ(f.State().FlipDelay, 300);
    EXPECT_TRUE(Item(f, "K19")->isChecked());
    EXPECT_FALSE(Item(f, "K18")->isChecked());
    EXPECT_EQ(f.State().BoardColor, 0x808000u);  // a doubled prefix is passed over
    EXPECT_EQ(f.State().BaseDepth, 6);           // so is a level out of range
    EXPECT_TRUE(Item(f, "K11")->isChecked());
}

TEST_F(SettingsAndTrayTest, HiddenReadButtonReadsTheFileAgain) {
    TForm1& f = Start();
    WriteFile("Kurobi.ini", "TurnSpeed = 5\r\n");
    f.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
    EXPECT_EQ(f.State().FlipDelay, 10);
    EXPECT_TRUE(Item(f, "K17")->isChecked());
}

TEST_F(SettingsAndTrayTest, ASettingsFileThatCannotBeWrittenLeavesThingsAsTheyWere) {
    // "Kurobi.ini" is a folder: it cannot be read or replaced; the program starts with its
    // defaults and closes normally.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Kurobi.ini")));
    TForm1& f = Start();
    EXPECT_EQ(f.State().FlipDelay, 80);
    f.close();
    EXPECT_TRUE(f.Closing());
    EXPECT_TRUE(QFileInfo(QStringLiteral("Kurobi.ini")).isDir());
    EXPECT_FALSE(QFile::exists(QStringLiteral("Kurobi.ini.tmp")));
}

TEST_F(SettingsAndTrayTest, AFolderWhereNoFileCanBeCreatedIsNoObstacleToClosing) {
    // Not even the superuser may create a file at the top of /proc.
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/proc")));
    TForm1& f = Start();
    f.close();
    EXPECT_TRUE(f.Closing());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/Kurobi.ini")));
    QDir::setCurrent(home);
}

TEST_F(SettingsAndTrayTest, TrayIconHasTheTitleAsTipAndOneQuitItem) {
    TForm1& f = Start();
    ASSERT_NE(f.Tray(), nullptr);
    EXPECT_EQ(f.Tray()->Icon().toolTip(), QString::fromUtf8("Kurobiver.1.17"));
    EXPECT_FALSE(f.Tray()->Icon().icon().isNull());
    // The offscreen platform has no notification area: the program goes on without the icon.
    EXPECT_FALSE(f.Tray()->IsShown());
    const QList<QAction*> items = f.Tray()->PopupMenu2().actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("Exit2"));
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("終了"));
    EXPECT_EQ(f.Tray()->Icon().contextMenu(), nullptr);  // right clicks open nothing

    f.Tray()->Exit2().trigger();
    EXPECT_TRUE(f.Closing());
    EXPECT_EQ(ReadFile("Kurobi.ini"), QByteArray(kDefaultFile));
}

TEST_F(SettingsAndTrayTest, OnlyAPressOfTheLeftButtonOpensTheMenu) {
    TrayIcon tray(QIcon(), QStringLiteral("tip"), [] { return true; });
    tray.Add();
    EXPECT_TRUE(tray.IsShown());
    for (const auto reason : {QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick,
                              QSystemTrayIcon::MiddleClick}) {
        emit tray.Icon().activated(reason);
        EXPECT_FALSE(tray.PopupMenu2().isVisible()) << reason;
    }
    emit tray.Icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(tray.PopupMenu2().isVisible());
    tray.PopupMenu2().close();
    tray.Remove();
    EXPECT_FALSE(tray.IsShown());
}

TEST_F(SettingsAndTrayTest, SmallModeHidesASquareWindowOf430) {
    TForm1& f = Start();
    f.show();
    QApplication::processEvents();
    TrayIcon* tray = f.Tray();
    f.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(f.isVisible());
    const QSize outer = f.frameGeometry().size();
    EXPECT_EQ(outer.width(), 430);
    EXPECT_EQ(outer.height(), 430);
    EXPECT_EQ(f.Tray(), tray);  // the second add made no new icon
}

}  // namespace
}  // namespace kurobi::testing
