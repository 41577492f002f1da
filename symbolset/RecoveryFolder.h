#pragma once
// Where both programs keep their recovery copies of unsaved work.

#include <QString>

// $XDG_STATE_HOME/fieldmark/recovery, or $HOME/.local/state/fieldmark/recovery when
// XDG_STATE_HOME is unset, empty or not an absolute path.
QString RecoveryFolder();
