#include "CheckFiles.h"

#include "Battle.h"
#include "Definitions.h"
#include "LoadedSymbolSet.h"
#include "OpenBattle.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

QString SeverityWord(Severity s) {
    return s == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

// The definitions of one program folder, read once for all the battles that use it.
struct ProgramData {
    bool ok = false;
    QString why;
    Definitions defs;
};

} // namespace

CheckRun CheckBattleFiles(const QStringList& paths,
                          const std::function<QStringList(const QString&)>& programFolders,
                          const std::function<void(const QString&)>& say) {
    CheckRun run;
    std::map<QString, ProgramData> programs;
    bool unreadable = false, errors = false;
    for (const QString& path : paths) {
        QStringList messages;
        const MessageSink sink = [&messages](const QString&, const QString& text) {
            messages << QString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
        };
        const auto fail = [&](const QString& why) {
            say(QStringLiteral("fmcheck: %1: %2%3")
                    .arg(path, why,
                         messages.isEmpty()
                             ? QString()
                             : QStringLiteral(": ") + messages.join(QLatin1Char(' '))));
            unreadable = true;
        };
        if (!QFileInfo(path).isFile()) {
            fail(QStringLiteral("the battle file does not exist"));
            continue;
        }
        Battle battle;
        LoadedSymbolSet set;
        QString opened;
        const OpenOutcome outcome = OpenBattle(path, battle, set, opened, sink);
        if (outcome == OpenOutcome::ReadFailed) {
            fail(QStringLiteral("the battle file cannot be read"));
            continue;
        }
        if (outcome == OpenOutcome::SetFailed) {
            fail(QStringLiteral("the symbol set \"%1\" cannot be read from %2")
                     .arg(battle.settings.symbolSetName.text(),
                          QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
            continue;
        }
        QString folder;
        const QStringList candidates = programFolders(path);
        for (const QString& candidate : candidates) {
            if (QFileInfo(FindEntry(candidate, QStringLiteral("defs"))).isDir()) {
                folder = QDir::cleanPath(candidate);
                break;
            }
        }
        if (folder.isEmpty()) {
            fail(QStringLiteral("no definitions folder \"defs\" in %1")
                     .arg(candidates.join(QStringLiteral(", "))));
            continue;
        }
        auto [it, fresh] = programs.try_emplace(folder);
        ProgramData& program = it->second;
        if (fresh) {
            QStringList defMessages;
            program.ok = LoadDefinitions(
                folder, program.defs,
                [&defMessages](const QString&, const QString& text) { defMessages << text; });
            program.why = QStringLiteral("the definitions in %1 cannot be read: %2")
                              .arg(QDir::toNativeSeparators(DefsFolder(folder)),
                                   defMessages.join(QLatin1Char(' ')));
        }
        if (!program.ok) {
            fail(program.why);
            continue;
        }
        CheckedFile file;
        file.path = path;
        file.problems = CheckBattle(battle, SummaryOf(set), program.defs, folder);
        errors = errors || CountProblems(file.problems).errors > 0;
        run.files.push_back(std::move(file));
    }
    run.status = unreadable ? 2 : errors ? 1 : 0;
    return run;
}

QString ProblemLines(const std::vector<CheckedFile>& files) {
    QString out;
    for (const CheckedFile& file : files) {
        for (const BattleProblem& p : file.problems) {
            out += file.path;
            if (!p.hexLabel.isEmpty())
                out += QLatin1Char(':') + p.hexLabel;
            out +=
                QStringLiteral(": %1: %2: %3\n").arg(SeverityWord(p.severity), p.record, p.message);
        }
    }
    return out;
}

QByteArray ProblemsJson(const std::vector<CheckedFile>& files) {
    QJsonArray all;
    for (const CheckedFile& file : files) {
        for (const BattleProblem& p : file.problems) {
            QJsonObject o;
            o.insert(QStringLiteral("file"), file.path);
            o.insert(QStringLiteral("hex"),
                     p.hexLabel.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(p.hexLabel));
            o.insert(QStringLiteral("severity"), SeverityWord(p.severity));
            o.insert(QStringLiteral("check"), QString::fromLatin1(CheckInfoOf(p.check).key));
            o.insert(QStringLiteral("record"), p.record);
            o.insert(QStringLiteral("message"), p.message);
            all.append(o);
        }
    }
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}
