#include "GeneratedFolder.h"
#include "Sounds.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

static uint32_t U32At(const QByteArray& b, int at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}
static uint16_t U16At(const QByteArray& b, int at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

// Checks a complete mono 16-bit PCM wave file; returns its sample count.
static int ExpectValidWave(const QByteArray& file, int sampleRate) {
    EXPECT_GE(file.size(), kWavHeaderSize);
    if (file.size() < kWavHeaderSize)
        return 0;
    EXPECT_EQ(file.mid(0, 4), QByteArray("RIFF"));
    EXPECT_EQ(U32At(file, 4), uint32_t(file.size() - 8));
    EXPECT_EQ(file.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(U32At(file, 16), 16u);
    EXPECT_EQ(U16At(file, 20), 1); // PCM
    EXPECT_EQ(U16At(file, 22), 1); // mono
    EXPECT_EQ(U32At(file, 24), uint32_t(sampleRate));
    EXPECT_EQ(U32At(file, 28), uint32_t(sampleRate * 2));
    EXPECT_EQ(U16At(file, 32), 2);
    EXPECT_EQ(U16At(file, 34), 16);
    EXPECT_EQ(file.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(U32At(file, 40), uint32_t(file.size() - kWavHeaderSize));
    return (file.size() - kWavHeaderSize) / 2;
}

TEST(WavFile, StoresSamplesLittleEndianAfterTheHeader) {
    const QByteArray file = MonoPcmWav({1, -2, 0x1234}, 8000);
    EXPECT_EQ(ExpectValidWave(file, 8000), 3);
    EXPECT_EQ(int16_t(U16At(file, 44)), 1);
    EXPECT_EQ(int16_t(U16At(file, 46)), -2);
    EXPECT_EQ(U16At(file, 48), 0x1234);
}

TEST(SoundEffects, AreShortAudibleAndUnclipped) {
    for (int n = 0; n < kEffectCount; ++n) {
        const auto samples = EffectSamples(n);
        ASSERT_FALSE(samples.empty()) << n;
        EXPECT_LE(samples.size(), size_t(kEffectSampleRate * 1.5)) << n;
        int peak = 0;
        for (int16_t s : samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000) << n;
        EXPECT_LT(peak, 32767) << n;
        // Starts and ends near silence, so playing it does not click.
        EXPECT_LT(std::abs(int(samples.back())), 2000) << n;
    }
}

TEST(SoundEffects, ClickIsShortestAndEveryEffectDiffers) {
    const size_t click = EffectSamples(6).size();
    for (int n = 0; n < kEffectCount; ++n) {
        if (n != 6) {
            EXPECT_GT(EffectSamples(n).size(), click) << n;
        }
        for (int m = n + 1; m < kEffectCount; ++m)
            EXPECT_NE(EffectSamples(n), EffectSamples(m)) << n << " and " << m;
    }
    EXPECT_LT(click, size_t(kEffectSampleRate / 10));
}

TEST(SoundEffects, ShippedFilesAreValidWaves) {
    const QString folder = GeneratedProgramFolder();
    ASSERT_FALSE(folder.isEmpty());
    for (int n = 0; n < kEffectCount; ++n) {
        const QString name = QStringLiteral("/wavs/fx%1.wav").arg(n, 2, 10, QLatin1Char('0'));
        const QByteArray file = ReadBytes(folder + name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ExpectValidWave(file, kEffectSampleRate), int(EffectSamples(n).size()));
    }
}
