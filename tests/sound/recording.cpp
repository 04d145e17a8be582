#include "tests/sound/recording.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstring>
#include <thread>

namespace kurobi::testing {
namespace {

constexpr qint64 kBytesPerMs = Recording::kRate / 1000 * 4;
// Far beyond anything the tests wait for, so that only a broken server runs into it.
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

const QStringList kRawFormat = {QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                                QStringLiteral("--channels=2")};

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
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
    if (recorder_.state() != QProcess::NotRunning) Stop();
}

bool Recording::Start() {
    recorder_.setStandardOutputFile(folder_.filePath(QStringLiteral("monitor.raw")));
    // Without the short latency the monitor hands over its sound in large blocks, and what
    // was played last before stopping is lost.
    recorder_.start(QStringLiteral("parec"),
                    QStringList{QStringLiteral("-d"), QStringLiteral("nul.monitor"),
                                QStringLiteral("--latency-msec=10")} +
                        kRawFormat);
    if (!recorder_.waitForStarted()) return false;
    const bool connected = WaitUntil([] {
        return !Output(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                                 QStringLiteral("source-outputs")})
                    .trimmed()
                    .isEmpty();
    });
    if (!connected) return false;

    QProcess silence;
    silence.start(QStringLiteral("pacat"), QStringList{QStringLiteral("--raw")} + kRawFormat);
    silence.write(QByteArray(100 * kBytesPerMs, '\0'));
    silence.closeWriteChannel();
    silence.waitForFinished();
    return WaitUntil([this] { return RecordedBytes() > 0; });
}

bool Recording::Wait(int ms) {
    const qint64 until = RecordedBytes() + ms * kBytesPerMs;
    return WaitUntil([this, until] { return RecordedBytes() >= until; });
}

std::vector<int16_t> Recording::Stop() {
    recorder_.terminate();
    recorder_.waitForFinished();
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
