#pragma once
// The program's sound effects: WAVE resources played asynchronously, one at a time.

#include <QString>
#include <map>
#include <memory>
#include <string_view>

#include "core/game_view.h"

class QSoundEffect;

namespace kurobi {

// The name under which the game asks for a sound: "Put", "Turn", "Kado", "Bu".
std::string_view SoundName(Sound sound);

// The resource path of the WAVE resource called `name`, whatever the case of either; empty
// when there is none.
QString WaveResourcePath(std::string_view name);

class WavePlayer {
  public:
    WavePlayer();
    ~WavePlayer();

    // Starts the named sound and returns at once, cutting off whatever this player was still
    // playing. A name without a resource gives the system's alert sound instead; without an
    // audio device nothing is heard and nothing else changes.
    void Play(std::string_view name);

  private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace kurobi
