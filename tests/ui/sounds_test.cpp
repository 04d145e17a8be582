#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/form_fixture.h"
#include "ui/platform_sound.h"
#include "ui/wave_file.h"

namespace kurobi::testing {
namespace {

struct WaveFormat {
    const char* resource;
    int channels;
    int bits;
    uint32_t frames;
    bool fact;
    qint64 fileSize;
};

const WaveFormat kWaves[] = {
    {":/WAVE/PUT", 2, 16, 2205, true, 8876},
    {":/WAVE/TURN", 2, 16, 2205, true, 8876},
    {":/WAVE/KADO", 1, 8, 22050, false, 22094},
    {":/WAVE/BU", 2, 16, 3307, true, 13284},
};

void PrintTo(const WaveFormat& format, std::ostream* out) {
    *out << format.resource;
}

QByteArray ResourceBytes(const char* path) {
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

uint32_t U32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
uint16_t U16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
std::string Tag(const QByteArray& bytes, qsizetype at) {
    return bytes.mid(at, 4).toStdString();
}

class WaveTest : public ::testing::TestWithParam<WaveFormat> {};

TEST_P(WaveTest, HeaderChunksAndSizes) {
    const WaveFormat& format = GetParam();
    const QByteArray wave = ResourceBytes(format.resource);
    ASSERT_EQ(wave.size(), format.fileSize);
    EXPECT_EQ(Tag(wave, 0), "RIFF");
    EXPECT_EQ(U32(wave, 4), static_cast<uint32_t>(format.fileSize - 8));
    EXPECT_EQ(Tag(wave, 8), "WAVE");

    EXPECT_EQ(Tag(wave, 12), "fmt ");
    EXPECT_EQ(U32(wave, 16), 16u);
    EXPECT_EQ(U16(wave, 20), 1);  // PCM
    EXPECT_EQ(U16(wave, 22), format.channels);
    EXPECT_EQ(U32(wave, 24), 22050u);
    const int block = format.channels * format.bits / 8;
    EXPECT_EQ(U32(wave, 28), 22050u * block);
    EXPECT_EQ(U16(wave, 32), block);
    EXPECT_EQ(U16(wave, 34), format.bits);

    qsizetype at = 36;
    std::vector<std::string> chunks = {"fmt "};
    if (format.fact) {
        EXPECT_EQ(Tag(wave, at), "fact");
        EXPECT_EQ(U32(wave, at + 4), 4u);
        EXPECT_EQ(U32(wave, at + 8), format.frames);
        at += 12;
    }
    EXPECT_EQ(Tag(wave, at), "data");
    EXPECT_EQ(U32(wave, at + 4), format.frames * block);
    EXPECT_EQ(at + 8 + format.frames * block, format.fileSize);
}

TEST_P(WaveTest, IsNotSilent) {
    const WaveFormat& format = GetParam();
    const QByteArray wave = ResourceBytes(format.resource);
    const qsizetype data = format.fact ? 56 : 44;
    const char silence = format.bits == 8 ? char(0x80) : char(0);
    const QByteArray samples = wave.mid(data);
    EXPECT_GT(samples.size() - samples.count(silence), samples.size() / 4);
}

std::optional<StereoSamples> Read(const QByteArray& wave) {
    return ReadWave(
        {reinterpret_cast<const uint8_t*>(wave.constData()), static_cast<size_t>(wave.size())});
}

// Played as 16-bit stereo: 16-bit stereo data as it is, 8-bit mono data widened to both sides.
TEST_P(WaveTest, IsReadIntoTheSamplesItIsPlayedFrom) {
    const WaveFormat& format = GetParam();
    const QByteArray wave = ResourceBytes(format.resource);
    const std::optional<StereoSamples> samples = Read(wave);
    ASSERT_TRUE(samples.has_value());
    ASSERT_EQ(samples->size(), format.frames * 2);
    const qsizetype data = format.fact ? 56 : 44;
    for (uint32_t frame = 0; frame < format.frames; ++frame) {
        const int16_t expected =
            format.bits == 8
                ? static_cast<int16_t>((static_cast<uint8_t>(wave[data + frame]) - 128) * 256)
                : static_cast<int16_t>(U16(wave, data + frame * 4));
        const int16_t right =
            format.bits == 8 ? expected : static_cast<int16_t>(U16(wave, data + frame * 4 + 2));
        ASSERT_EQ((*samples)[2 * frame], expected) << "frame " << frame;
        ASSERT_EQ((*samples)[2 * frame + 1], right) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Sounds, WaveTest, ::testing::ValuesIn(kWaves),
                         [](const auto& info) { return std::string(info.param.resource + 7); });

TEST(WaveLookupTest, TheGamesSoundNames) {
    EXPECT_EQ(SoundName(Sound::Put), "Put");
    EXPECT_EQ(SoundName(Sound::Turn), "Turn");
    EXPECT_EQ(SoundName(Sound::Kado), "Kado");
    EXPECT_EQ(SoundName(Sound::Bu), "Bu");
}

TEST(WaveLookupTest, NamesAreMatchedWithoutRegardToCase) {
    EXPECT_EQ(WaveResourcePath("Put"), QString(":/WAVE/PUT"));
    EXPECT_EQ(WaveResourcePath("turn"), QString(":/WAVE/TURN"));
    EXPECT_EQ(WaveResourcePath("KADO"), QString(":/WAVE/KADO"));
    EXPECT_EQ(WaveResourcePath("bU"), QString(":/WAVE/BU"));
    for (Sound sound : {Sound::Put, Sound::Turn, Sound::Kado, Sound::Bu}) {
        EXPECT_FALSE(WaveResourcePath(SoundName(sound)).isEmpty());
    }
}

TEST(WaveLookupTest, UnknownNamesFindNothing) {
    EXPECT_TRUE(WaveResourcePath("Pu").isEmpty());
    EXPECT_TRUE(WaveResourcePath("").isEmpty());
    EXPECT_TRUE(WaveResourcePath("MAINICON").isEmpty());
}

// A file whose headers claim what its content is not, or a format the sounds are not played
// in, is refused as a whole: that sound stays silent.
TEST(WaveReadingTest, FilesThatAreNotWhatTheyClaimAreRefused) {
    const QByteArray put = ResourceBytes(":/WAVE/PUT");
    ASSERT_TRUE(Read(put).has_value());
    const auto changed = [&put](qsizetype at, uint32_t value, int bytes) {
        QByteArray wave = put;
        for (int k = 0; k < bytes; ++k) wave[at + k] = static_cast<char>(value >> (8 * k));
        return wave;
    };
    EXPECT_FALSE(Read(changed(0, 0x58464952, 4)).has_value());  // "RIFX"
    EXPECT_FALSE(Read(changed(20, 3, 2)).has_value());          // floating-point samples
    EXPECT_FALSE(Read(changed(22, 3, 2)).has_value());          // three channels
    EXPECT_FALSE(Read(changed(24, 44100, 4)).has_value());      // another rate
    EXPECT_FALSE(Read(changed(32, 2, 2)).has_value());          // a block too short for a frame
    EXPECT_FALSE(Read(changed(34, 12, 2)).has_value());         // 12-bit samples
    EXPECT_FALSE(Read(put.left(put.size() - 1)).has_value());   // data cut short
    EXPECT_FALSE(Read(put.left(48)).has_value());               // no data chunk
}

using PlayWaveTest = FormTest;

// Without a sound server, playing returns at once and changes nothing.
TEST_F(PlayWaveTest, PlayingEverySoundInARowReturns) {
    const QImage before = Canvas().copy();
    for (Sound sound : {Sound::Put, Sound::Turn, Sound::Turn, Sound::Kado, Sound::Bu}) {
        form.PlayWave(sound);
    }
    Settle();
    EXPECT_EQ(Canvas(), before);
    EXPECT_EQ(form.State().PlayerDiscs, 2);
}

}  // namespace
}  // namespace kurobi::testing
