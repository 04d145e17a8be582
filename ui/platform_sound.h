#pragma once
// The program's sound effects: WAVE resources played asynchronously, one at a time.

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include "core/game_view.h"
#include "ui/wave_file.h"

namespace kurobi {

class PulseOutput;

// The name under which the game asks for a sound: "Put", "Turn", "Kado", "Bu".
std::string_view SoundName(Sound sound);

// The resource path of the WAVE resource called `name`, whatever the case of either; empty
// when there is none.
QString WaveResourcePath(std::string_view name);

// The samples of the WAVE resource at `path` (see ReadWave); nothing where there is none.
std::optional<StereoSamples> ReadWaveResource(const QString& path);

class WavePlayer {
  public:
    // Reads every WAVE resource and starts looking for the sound server; returns at once.
    WavePlayer();
    ~WavePlayer();

    // Starts the named sound and returns at once, cutting off whatever this player was still
    // playing. A name without a resource gives the system's alert sound instead; a resource
    // that cannot be read, or a missing sound server, gives silence, and nothing else changes.
    void Play(std::string_view name);

  private:
    // The samples of every resource that could be read, by resource path.
    std::map<QString, StereoSamples> sounds_;
    std::unique_ptr<PulseOutput> output_;
};

}  // namespace kurobi
