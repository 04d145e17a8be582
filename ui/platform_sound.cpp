#include "ui/platform_sound.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include "ui/pulse_output.h"

namespace kurobi {
namespace {

const QString kWaveFolder = QStringLiteral(":/WAVE");

}  // namespace

std::string_view SoundName(Sound sound) {
    switch (sound) {
        case Sound::Put:
            return "Put";
        case Sound::Turn:
            return "Turn";
        case Sound::Kado:
            return "Kado";
        case Sound::Bu:
            return "Bu";
    }
    return {};
}

QString WaveResourcePath(std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const QDir folder(kWaveFolder);
    for (const QString& entry : folder.entryList(QDir::Files)) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return folder.filePath(entry);
    }
    return {};
}

std::optional<StereoSamples> ReadWaveResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return ReadWave(
        {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())});
}

// Every sound is read and converted ahead, so that playing one only hands it to the output.
WavePlayer::WavePlayer() {
    const QDir folder(kWaveFolder);
    for (const QString& entry : folder.entryList(QDir::Files)) {
        std::optional<StereoSamples> samples = ReadWaveResource(folder.filePath(entry));
        if (samples) sounds_[folder.filePath(entry)] = std::move(*samples);
    }
    output_ = std::make_unique<PulseOutput>();
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(std::string_view name) {
    const QString path = WaveResourcePath(name);
    if (path.isEmpty()) {
        QApplication::beep();
        return;
    }
    const auto sound = sounds_.find(path);
    if (sound != sounds_.end()) output_->Play(sound->second);
}

}  // namespace kurobi
