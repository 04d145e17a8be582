#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/form_fixture.h"
#include "ui/platform_sound.h"

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

using PlayWaveTest = FormTest;

// Whether or not the machine has an audio device, playing returns at once and changes nothing.
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
