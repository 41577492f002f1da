#include "WavFile.h"

// Wave files store every number little-endian.
static void PutU32(QByteArray& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

static void PutU16(QByteArray& out, uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

QByteArray MonoPcmWav(const std::vector<int16_t>& samples, int sampleRate) {
    const uint16_t channels = 1;
    const uint16_t bitsPerSample = 16;
    const uint16_t blockAlign = channels * bitsPerSample / 8;
    const uint32_t dataBytes = uint32_t(samples.size()) * blockAlign;

    QByteArray out;
    out.reserve(kWavHeaderSize + int(dataBytes));
    out.append("RIFF");
    PutU32(out, 36 + dataBytes); // size of everything after this field
    out.append("WAVE");
    out.append("fmt ");
    PutU32(out, 16); // size of the PCM format chunk
    PutU16(out, 1);  // format tag: PCM
    PutU16(out, channels);
    PutU32(out, uint32_t(sampleRate));
    PutU32(out, uint32_t(sampleRate) * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, bitsPerSample);
    out.append("data");
    PutU32(out, dataBytes);
    for (int16_t s : samples)
        PutU16(out, uint16_t(s));
    return out;
}
