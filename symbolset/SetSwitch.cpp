#include "SetSwitch.h"

#include "AtomicWrite.h"
#include "FileNames.h"
#include "SetFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray kJournalHeader = "fieldmark set switch";
const QByteArray kJournalEnd = "end";
const QByteArray kPut = "put ";
const QByteArray kDrop = "drop ";

std::function<void(int)>& StepHook() {
    static std::function<void(int)> hook;
    return hook;
}

// `step` is null while an interrupted switch is finished: only a switch's own steps count.
// Steps are numbered through the whole run, so one number names one moment of it.
void Step(int* step) {
    static int stepsOfRun = 0;
    if (!step)
        return;
    if (StepHook())
        StepHook()(stepsOfRun);
    ++stepsOfRun;
    ++*step;
}

QString BaseOf(const QString& setPath) {
    return setPath.endsWith(kSetSuffix, Qt::CaseInsensitive)
               ? setPath.left(setPath.size() - kSetSuffix.size())
               : setPath;
}

// The renames reach the disk before the journal that promises them goes.
void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

SetResult Failure(const QString& setPath, const QString& reason) {
    return SetResult::Failure(
        QStringLiteral("Could not save the symbol set %1:\r%2").arg(setPath, reason));
}

// Renames `from` over `to` in one step (the old `to` is replaced, never missing).
bool ReplaceFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

struct Journal {
    QStringList put;
    QStringList drop;
};

QByteArray EncodeJournal(const Journal& journal) {
    QByteArray text = kJournalHeader + '\n';
    for (const QString& name : journal.put)
        text += kPut + name.toUtf8() + '\n';
    for (const QString& name : journal.drop)
        text += kDrop + name.toUtf8() + '\n';
    return text + kJournalEnd + '\n';
}

bool DecodeJournal(const QByteArray& text, Journal& journal) {
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 3 || lines.front() != kJournalHeader || !lines.back().isEmpty() ||
        lines[lines.size() - 2] != kJournalEnd)
        return false;
    for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const bool put = line.startsWith(kPut);
        if (!put && !line.startsWith(kDrop))
            return false;
        const QString name = QString::fromUtf8(line.mid(put ? kPut.size() : kDrop.size()));
        if (name.isEmpty() || name.contains(QLatin1Char('/')))
            return false;
        (put ? journal.put : journal.drop) << name;
    }
    return true;
}

// Renames every staged file of the journal and removes the dropped ones; each step can be
// taken again, so a switch interrupted here is finished by running it once more.
SetResult Apply(const QString& setPath, const Journal& journal, int* step) {
    const QDir folder = QFileInfo(setPath).absoluteDir();
    for (const QString& name : journal.put) {
        const QString target = folder.filePath(name);
        Step(step);
        if (QFileInfo::exists(StagedPath(target)) && !ReplaceFile(StagedPath(target), target))
            return Failure(setPath, QStringLiteral("%1 could not be replaced.").arg(target));
    }
    for (const QString& name : journal.drop) {
        const QString target = folder.filePath(name);
        Step(step);
        if (QFileInfo::exists(target) && !QFile::remove(target))
            return Failure(setPath, QStringLiteral("%1 could not be removed.").arg(target));
    }
    SyncFolder(folder.absolutePath());
    Step(step);
    if (!QFile::remove(JournalPath(setPath)))
        return Failure(setPath,
                       QStringLiteral("%1 could not be removed.").arg(JournalPath(setPath)));
    return SetResult::Success();
}

} // namespace

QString JournalPath(const QString& setPath) {
    return BaseOf(setPath) + QStringLiteral(".journal");
}

QString StagedPath(const QString& path) {
    return path + QStringLiteral(".new");
}

void SetSwitchStepHook(std::function<void(int)> hook) {
    StepHook() = std::move(hook);
}

SetResult SwitchSetFiles(const QString& setPath, const std::vector<SetFileChange>& changes) {
    // A switch left over by an earlier run would mix with this one.
    if (SetResult r = FinishInterruptedSwitch(setPath); !r)
        return r;
    const QDir folder = QFileInfo(setPath).absoluteDir();
    Journal journal;
    int step = 0;
    const auto dropStaged = [&] {
        for (const QString& name : journal.put)
            QFile::remove(StagedPath(folder.filePath(name)));
    };
    for (const SetFileChange& change : changes) {
        if (change.remove) {
            journal.drop << change.fileName;
            continue;
        }
        Step(&step);
        journal.put << change.fileName;
        if (SetResult r =
                WriteFileAtomically(StagedPath(folder.filePath(change.fileName)), change.bytes);
            !r) {
            dropStaged();
            return r;
        }
    }
    // Every new file is whole on disk: from here on the switch is finished, not undone.
    Step(&step);
    if (SetResult r = WriteFileAtomically(JournalPath(setPath), EncodeJournal(journal)); !r) {
        dropStaged();
        return r;
    }
    return Apply(setPath, journal, &step);
}

SetResult FinishInterruptedSwitch(const QString& setPath) {
    const QString journalPath = JournalPath(setPath);
    const QDir folder = QFileInfo(setPath).absoluteDir();
    QFile file(journalPath);
    if (!file.exists()) {
        // Undo: new files without a journal were never promised.
        for (const QString& name : SetFileNames(setPath)) {
            const QString staged = FindFileAnyCase(StagedPath(folder.filePath(name)));
            if (QFileInfo::exists(staged) && !QFile::remove(staged))
                return SetResult::Failure(
                    QStringLiteral("An interrupted save of the symbol set %1 left the file %2, "
                                   "which cannot be removed.")
                        .arg(setPath, staged));
        }
        return SetResult::Success();
    }
    Journal journal;
    if (!file.open(QIODevice::ReadOnly) || !DecodeJournal(file.readAll(), journal))
        return SetResult::Failure(
            QStringLiteral("The symbol set %1 has an unfinished save whose journal %2 cannot be "
                           "read.")
                .arg(setPath, journalPath));
    file.close();
    if (SetResult r = Apply(setPath, journal, nullptr); !r)
        return SetResult::Failure(
            QStringLiteral("An interrupted save of the symbol set %1 could not be finished:\r%2")
                .arg(setPath, r.message));
    return SetResult::Success();
}
