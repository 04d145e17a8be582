#include "tests/sound/recording.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

extern char** environ;

namespace kurobi::testing {
namespace {

constexpr qint64 kBytesPerMs = Recording::kRate / 1000 * 4;
// Far beyond anything the tests wait for, so that only a broken server runs into it.
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

// The sound server's tools are started with posix_spawn and popen rather than QProcess, whose
// clone() the thread sanitizer of clang 14 aborts on.
std::string Output(const char* command) {
    std::string text;
    if (FILE* pipe = popen(command, "r")) {
        char buffer[256];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// Polls `done` until it holds or the test gives up.
template <class Condition>
bool WaitUntil(Condition done) {
    const auto giveUp = std::chrono::steady_clock::now() + kGiveUpAfter;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

Recording::~Recording() {
    if (recorder_ > 0) Stop();
}

bool Recording::Start() {
    const std::string monitor = folder_.filePath(QStringLiteral("monitor.raw")).toStdString();
    posix_spawn_file_actions_t toFile;
    posix_spawn_file_actions_init(&toFile);
    posix_spawn_file_actions_addopen(&toFile, 1, monitor.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    // Without the short latency the monitor hands over its sound in large blocks, and what
    // was played last before stopping is lost.
    const char* const parec[] = {"parec",          "-d",           "nul.monitor",
                                 "--latency-msec=10", "--format=s16le", "--rate=44100",
                                 "--channels=2",   nullptr};
    const int spawned = posix_spawnp(&recorder_, parec[0], &toFile, nullptr,
                                     const_cast<char* const*>(parec), environ);
    posix_spawn_file_actions_destroy(&toFile);
    if (spawned != 0) {
        recorder_ = -1;
        return false;
    }
    const bool connected = WaitUntil([] {
        return Output("pactl list short source-outputs").find_first_not_of(" \n") !=
               std::string::npos;
    });
    if (!connected) return false;

    FILE* silence = popen("pacat --raw --format=s16le --rate=44100 --channels=2", "w");
    if (silence == nullptr) return false;
    const std::string zeros(100 * kBytesPerMs, '\0');
    fwrite(zeros.data(), 1, zeros.size(), silence);
    pclose(silence);
    return WaitUntil([this] { return RecordedBytes() > 0; });
}

bool Recording::Wait(int ms) {
    const qint64 until = RecordedBytes() + ms * kBytesPerMs;
    return WaitUntil([this, until] { return RecordedBytes() >= until; });
}

std::vector<int16_t> Recording::Stop() {
    kill(recorder_, SIGTERM);
    waitpid(recorder_, nullptr, 0);
    recorder_ = -1;
    QFile file(folder_.filePath(QStringLiteral("monitor.raw")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 4 * 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(int16_t));
    return samples;
}

qint64 Recording::RecordedBytes() const {
    return QFileInfo(folder_.filePath(QStringLiteral("monitor.raw"))).size();
}

}  // namespace kurobi::testing
