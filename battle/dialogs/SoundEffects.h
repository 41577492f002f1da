#pragma once
// The editor's numbered sound effects: effect n is "wavs/fxNN.wav" in the program folder.
// A machine without sound plays nothing and carries on; whether playing worked is ignored.

#include <QString>

#include <array>
#include <memory>
#include <vector>

class QSoundEffect;

enum SoundEffect {
    SoundDistinct = 1,
    SoundClick = 6,    // buttons, grid rows, arrow controls, unit copied
    SoundZoom = 11,    // zoom, unit added
    SoundRefusal = 13, // an action that is not allowed; every message box
};

enum SoundMode {
    PlayWithoutWaiting = 1,
    PlayAndWait = 2,
    PlayUnlessPlaying = 3, // without waiting, and not over a sound already playing
};

class SoundEffects {
public:
    explicit SoundEffects(const QString& programFolder);
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    void Play(int effect, int mode = PlayWithoutWaiting);
    // While quiet, nothing is played nor noted (a typed value's many steps click once).
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // The effects asked for so far, newest last (kept for tests; never cleared by playing).
    const std::vector<int>& played() const { return played_; }
    void ClearPlayed() { played_.clear(); }

private:
    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, 14> effects_;
    std::vector<int> played_;
    bool quiet_ = false;
};
