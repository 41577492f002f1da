#pragma once
// The battle editor's sound effects "fx00.wav" … "fx13.wav", synthesised.

#include <cstdint>
#include <vector>

constexpr int kEffectCount = 14;
constexpr int kEffectSampleRate = 22050;

// Samples of effect n (0 … 13) at kEffectSampleRate: 6 is the click, 11 the rising zoom
// and unit-added blip, 13 the low refusal buzz, 1 a short horn call; the others are
// drum, steel, hoof, bell and whoosh sounds for later use.
std::vector<int16_t> EffectSamples(int n);
