// A set's files change as one: a process killed at any step of a write leaves, after the
// next open, either the whole old set or the whole new one, and no stray files.
#include "SetFixtures.h"

#include "SetMaintenance.h"
#include "SetSwitch.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

Files FolderFiles(const QString& folder) {
    Files files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = ReadFileBytes(folder + "/" + name);
    return files;
}

// Names of the files in which two folders differ.
QStringList Differences(const Files& a, const Files& b) {
    QStringList names;
    for (const auto& [name, bytes] : a)
        if (!b.count(name) || b.at(name) != bytes)
            names << name;
    for (const auto& [name, bytes] : b)
        if (!a.count(name))
            names << name;
    return names;
}

void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const auto& [name, bytes] : FolderFiles(from)) {
        QFile out(to + "/" + name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

struct DriverRun {
    bool killed = false;
    int steps = -1;
};

DriverRun RunDriver(const QString& operation, const QString& folder, int kill) {
    QProcess driver;
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(FM_SET_SWITCH_DRIVER, {operation, folder, QString::number(kill)});
    EXPECT_TRUE(driver.waitForFinished(30000));
    DriverRun run;
    run.killed = driver.exitStatus() == QProcess::CrashExit;
    const QByteArray said = driver.readAllStandardOutput().trimmed();
    if (!run.killed) {
        EXPECT_EQ(driver.exitCode(), 0) << operation.toStdString();
        run.steps = said.mid(QByteArray("steps ").size()).toInt();
    }
    return run;
}

struct Interrupted : ::testing::TestWithParam<const char*> {
    QTemporaryDir dir;
};

} // namespace

TEST_P(Interrupted, EveryKillLeavesTheOldOrTheNewSet) {
    const QString operation = GetParam();
    const QString original = dir.filePath("original");
    QDir().mkpath(original);
    MakeSet(original, 9, 2, {5, 10, 15}, 4);
    MakeSet(original, 3, 1, {5, 10, 15}, 4, "other");
    if (operation == "new")
        MakeSet(original, 2, 1, {5, 10, 15}, 4, "new");
    const Files before = FolderFiles(original);

    const QString whole = dir.filePath("whole");
    CopyFolder(original, whole);
    const DriverRun complete = RunDriver(operation, whole, -1);
    ASSERT_GT(complete.steps, 3) << "a write of several files";
    const Files after = FolderFiles(whole);
    ASSERT_NE(before, after);
    for (const char* name : {"test", "other", "new"}) {
        SymbolSet read;
        EXPECT_TRUE(!QFile::exists(whole + "/" + name + ".set") ||
                    read.Read(whole + "/" + name + ".set").ok)
            << name;
    }

    int oldSets = 0, newSets = 0;
    for (int kill = 0; kill < complete.steps; ++kill) {
        const QString folder = dir.filePath(QString("kill%1").arg(kill));
        CopyFolder(original, folder);
        ASSERT_TRUE(RunDriver(operation, folder, kill).killed) << kill;
        // The next open finishes or undoes the switch, whichever set it names.
        for (const char* name : {"test", "other", "new"}) {
            if (QFile::exists(folder + "/" + name + ".set")) {
                SymbolSet read;
                const SetResult r = read.Read(folder + "/" + name + ".set");
                EXPECT_TRUE(r.ok) << name << " killed before step " << kill << ": "
                                  << r.message.toStdString();
            }
        }
        const Files now = FolderFiles(folder);
        if (now == before)
            ++oldSets;
        else if (now == after)
            ++newSets;
        else
            ADD_FAILURE() << operation.toStdString() << ": killed before step " << kill
                          << " the folder is neither the old nor the new set: "
                          << Differences(now, after).join(' ').toStdString();
    }
    EXPECT_GT(oldSets, 0);
    EXPECT_GT(newSets, 0);
}

INSTANTIATE_TEST_SUITE_P(SetSwitch, Interrupted,
                         ::testing::Values("optimise", "store", "remove", "saveas", "new"));

TEST(SetSwitch, DamagedJournalIsRefusedWithItsName) {
    QTemporaryDir dir;
    const SymbolSet set = MakeSet(dir.path(), 2, 0, {5, 10, 15});
    QFile journal(JournalPath(set.setPath));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write("fieldmark set switch\nput test-t1.bmp\n"); // cut before its end
    journal.close();
    SymbolSet read;
    const SetResult r = read.Read(set.setPath);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains("test.journal")) << r.message.toStdString();
}
