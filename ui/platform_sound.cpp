#include "ui/platform_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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

// Decided once: a machine without an audio output stays silent rather than have every sound
// fail on its own. With one, every sound is loaded ahead so that the first play is not late.
WavePlayer::WavePlayer() {
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    const QDir folder(kWaveFolder);
    for (const QString& entry : folder.entryList(QDir::Files)) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc") + folder.filePath(entry)));
        effects_[folder.filePath(entry)] = std::move(effect);
    }
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(std::string_view name) {
    const QString path = WaveResourcePath(name);
    if (path.isEmpty()) {
        QApplication::beep();
        return;
    }
    const auto effect = effects_.find(path);
    if (effect == effects_.end()) return;  // no audio output
    if (playing_) playing_->stop();
    playing_ = effect->second.get();
    playing_->play();
}

}  // namespace kurobi
