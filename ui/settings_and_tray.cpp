// The window's side of the settings file and of the notification icon.

#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "ui/platform_window.h"

namespace kurobi {

void TForm1::ReadSettingsFile() {
    GameState& s = *state_;
    Settings values{s.FlipDelay, s.BoardColor, s.BaseDepth};
    const ReadResult read = ReadSettings(kSettingsFileName, values);
    if (!read.opened) return;
    s.BoardColor = values.boardColor;
    SetDisplaySpeed(values.flipDelay);
    if (read.levelRestored) SelectLevel(values.level);
}

void TForm1::WriteSettingsFile() {
    const GameState& s = *state_;
    WriteSettings(kSettingsFileName, Settings{s.FlipDelay, s.BoardColor, s.BaseDepth});
}

void TForm1::AddTrayIcon() {
    if (!tray_) {
        tray_ = std::make_unique<TrayIcon>(ProgramIcon(), QString::fromUtf8(kApplicationTitle));
        connect(tray_.get(), &TrayIcon::Exit2Click, this, &TForm1::Exit2Click);
    }
    tray_->Add();
}

}  // namespace kurobi
