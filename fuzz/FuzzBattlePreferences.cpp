// "fmbattle.prf", the battle editor's preferences: whatever it holds, the map scale read
// is one the window offers, and what is written reads back the same.
#include "BattlePreferences.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BattlePreferences prefs =
        ParseBattlePreferences(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (prefs.mapScale != kDesktopMapScale &&
        (prefs.mapScale < kMinMapScale || prefs.mapScale > kMaxMapScale))
        std::abort();
    if (!(ParseBattlePreferences(FormatBattlePreferences(prefs)) == prefs))
        std::abort();
    return 0;
}
