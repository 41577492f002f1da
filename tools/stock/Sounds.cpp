#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

constexpr double kPi = 3.14159265358979323846;

// A mono buffer of floating-point samples in -1 … 1 that voices are mixed into.
struct Track {
    std::vector<double> s;

    explicit Track(double seconds) : s(size_t(seconds * kEffectSampleRate), 0.0) {}

    // Adds `voice(t)` (t in seconds from `start`) over `length` seconds with an attack
    // and an exponential decay.
    void Add(double start, double length, double attack, double decay,
             const std::function<double(double)>& voice) {
        const size_t from = size_t(start * kEffectSampleRate);
        if (from >= s.size())
            return;
        // A voice longer than the track is cut to it, and still fades out at the cut.
        const size_t count = std::min(size_t(length * kEffectSampleRate), s.size() - from);
        for (size_t i = 0; i < count; ++i) {
            const double t = double(i) / kEffectSampleRate;
            const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
            const double fall = std::exp(-t / decay);
            // A short fade at the very end avoids a click when the voice stops.
            const double tail = std::min(1.0, double(count - i) / 64.0);
            s[from + i] += voice(t) * rise * fall * tail;
        }
    }

    std::vector<int16_t> Pcm(double volume) const {
        double peak = 1e-9;
        for (double v : s)
            peak = std::max(peak, std::abs(v));
        std::vector<int16_t> out(s.size());
        for (size_t i = 0; i < s.size(); ++i)
            out[i] = int16_t(std::lround(s[i] / peak * volume * 32000.0));
        return out;
    }
};

// Repeatable white noise: the same effect is written byte for byte on every build.
class Noise {
public:
    double operator()() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 23) - 1.0;
    }

private:
    uint32_t state_ = 12345u;
};

static double Sine(double freq, double t) {
    return std::sin(2 * kPi * freq * t);
}

// A rounded square wave: the first three odd harmonics.
static double Reed(double freq, double t) {
    return Sine(freq, t) + Sine(3 * freq, t) / 3 + Sine(5 * freq, t) / 5;
}

// A bell: inharmonic partials that fade at different speeds.
static void Bell(Track& tr, double start, double freq, double length) {
    tr.Add(start, length, 0.002, length / 3, [freq](double t) {
        return Sine(freq, t) + 0.6 * Sine(freq * 2.76, t) * std::exp(-t * 4) +
               0.4 * Sine(freq * 5.4, t) * std::exp(-t * 9);
    });
}

static void Drum(Track& tr, double start, double freq, Noise& noise) {
    tr.Add(start, 0.25, 0.001, 0.06, [freq, &noise](double t) {
        return Sine(freq * (1.0 + 0.6 * std::exp(-t * 30)), t) + 0.3 * noise();
    });
}

static void Hoof(Track& tr, double start, Noise& noise) {
    tr.Add(start, 0.08, 0.001, 0.015, [&noise](double t) { return Sine(180, t) + 0.8 * noise(); });
}

static void Steel(Track& tr, double start, Noise& noise) {
    tr.Add(start, 0.5, 0.0005, 0.09, [&noise](double t) {
        return Sine(2350, t) + 0.8 * Sine(3710, t) + 0.6 * Sine(5230, t) +
               noise() * std::exp(-t * 60);
    });
}

// A whoosh: noise whose brightness follows a rise and fall.
static void Whoosh(Track& tr, double start, double length, Noise& noise) {
    double low = 0;
    tr.Add(start, length, length / 2, length, [&noise, &low, length](double t) {
        const double k = 0.05 + 0.4 * std::sin(kPi * t / length);
        low += k * (noise() - low);
        return low;
    });
}

std::vector<int16_t> EffectSamples(int n) {
    Noise noise;
    switch (n) {
    case 0: { // soft chime
        Track tr(0.6);
        Bell(tr, 0, 1320, 0.6);
        return tr.Pcm(0.5);
    }
    case 1: { // horn call: three rising notes
        Track tr(0.9);
        const double notes[3] = {392, 523.25, 659.25};
        for (int i = 0; i < 3; ++i)
            tr.Add(i * 0.18, i == 2 ? 0.6 : 0.17, 0.02, i == 2 ? 0.35 : 0.5,
                   [f = notes[i]](double t) { return Reed(f, t) * (1 + 0.05 * Sine(6, t)); });
        return tr.Pcm(0.6);
    }
    case 2: { // drum roll
        Track tr(0.7);
        for (int i = 0; i < 10; ++i)
            Drum(tr, i * 0.05, 110, noise);
        Drum(tr, 0.5, 90, noise);
        return tr.Pcm(0.6);
    }
    case 3: { // whoosh
        Track tr(0.45);
        Whoosh(tr, 0, 0.45, noise);
        return tr.Pcm(0.5);
    }
    case 4: { // steel on steel
        Track tr(0.6);
        Steel(tr, 0, noise);
        return tr.Pcm(0.55);
    }
    case 5: { // low thud
        Track tr(0.3);
        Drum(tr, 0, 60, noise);
        return tr.Pcm(0.7);
    }
    case 6: { // click
        Track tr(0.03);
        tr.Add(0, 0.03, 0.0005, 0.004,
               [&noise](double t) { return Sine(2200, t) + 0.5 * noise(); });
        return tr.Pcm(0.5);
    }
    case 7: { // parchment rustle
        Track tr(0.35);
        for (int i = 0; i < 6; ++i)
            tr.Add(i * 0.045, 0.06, 0.005, 0.02, [&noise](double) { return noise(); });
        return tr.Pcm(0.35);
    }
    case 8: { // arrow volley
        Track tr(0.6);
        for (int i = 0; i < 5; ++i)
            Whoosh(tr, i * 0.05, 0.3, noise);
        return tr.Pcm(0.5);
    }
    case 9: { // hooves
        Track tr(0.8);
        const double beats[6] = {0, 0.09, 0.26, 0.35, 0.52, 0.61};
        for (double b : beats)
            Hoof(tr, b, noise);
        return tr.Pcm(0.6);
    }
    case 10: { // tolling bell
        Track tr(1.2);
        Bell(tr, 0, 440, 1.2);
        return tr.Pcm(0.5);
    }
    case 11: { // zoom and unit added: a short rising blip
        Track tr(0.14);
        tr.Add(0, 0.14, 0.005, 0.08, [](double t) {
            const double f0 = 600, f1 = 1500, d = 0.14;
            return Sine(f0 * t + (f1 - f0) * t * t / (2 * d), 1.0);
        });
        return tr.Pcm(0.5);
    }
    case 12: { // falling blip
        Track tr(0.14);
        tr.Add(0, 0.14, 0.005, 0.08, [](double t) {
            const double f0 = 1500, f1 = 600, d = 0.14;
            return Sine(f0 * t + (f1 - f0) * t * t / (2 * d), 1.0);
        });
        return tr.Pcm(0.5);
    }
    default: { // 13, refusal: two low buzzes, the second lower
        Track tr(0.32);
        tr.Add(0, 0.12, 0.005, 0.3, [](double t) { return Reed(196, t); });
        tr.Add(0.16, 0.15, 0.005, 0.3, [](double t) { return Reed(147, t); });
        return tr.Pcm(0.55);
    }
    }
}
