#pragma once
// A minimal writer of uncompressed PCM wave files: 16-bit signed samples, one channel.

#include <QByteArray>

#include <cstdint>
#include <vector>

constexpr int kWavHeaderSize = 44;

// The complete file: "RIFF" chunk, "fmt " chunk (PCM, mono, 16 bits) and "data" chunk.
QByteArray MonoPcmWav(const std::vector<int16_t>& samples, int sampleRate);
