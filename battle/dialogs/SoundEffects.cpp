#include "SoundEffects.h"

#include "ProgramFolder.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

// A wave that never reports its end must not hold the window for ever.
constexpr int kLongestWaitMs = 10000;

bool MachineHasSound() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

SoundEffects::SoundEffects(const QString& programFolder) : folder_(programFolder) {}

SoundEffects::~SoundEffects() = default;

void SoundEffects::Play(int effect, int mode) {
    if (quiet_)
        return;
    played_.push_back(effect);
    if (effect < 0 || effect >= int(effects_.size()) || !MachineHasSound())
        return;

    if (mode == PlayUnlessPlaying) {
        for (const auto& other : effects_) {
            if (other && other->isPlaying())
                return;
        }
    }

    auto& slot = effects_[size_t(effect)];
    if (!slot) {
        const QString wavs = FindEntry(folder_, QStringLiteral("wavs"));
        const QString name = QStringLiteral("fx%1.wav").arg(effect, 2, 10, QLatin1Char('0'));
        const QString path = FindEntry(wavs, name);
        if (!QFileInfo::exists(path))
            return; // looked for again at the next request: the file may yet appear
        slot = std::make_unique<QSoundEffect>();
        slot->setSource(QUrl::fromLocalFile(path));
    }
    if (slot->status() == QSoundEffect::Error)
        return;

    // A new sound cuts off the one playing, as one sound channel would.
    for (const auto& other : effects_) {
        if (other && other.get() != slot.get() && other->isPlaying())
            other->stop();
    }
    slot->play();

    if (mode == PlayAndWait) {
        QEventLoop loop;
        QSoundEffect* sound = slot.get();
        QObject::connect(sound, &QSoundEffect::playingChanged, &loop, [&loop, sound] {
            if (!sound->isPlaying())
                loop.quit();
        });
        QObject::connect(sound, &QSoundEffect::statusChanged, &loop, [&loop, sound] {
            if (sound->status() == QSoundEffect::Error)
                loop.quit();
        });
        QTimer::singleShot(kLongestWaitMs, &loop, &QEventLoop::quit);
        // The wave may still be loading: playing then begins once it is ready.
        if (sound->isPlaying() || sound->status() != QSoundEffect::Ready)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}
