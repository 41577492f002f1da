// The watcher says once that the shown battle's set changed on disk, after a save's burst of
// renames, and says nothing while the files stay as they were.
#include <SetSwitch.h>
#include <SetWatcher.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(SetWatcher, ASaveOfTheSetIsReportedOnceWhenItIsOver) {
    QTemporaryDir dir;
    for (const char* suffix : {".set", ".sdx", "-t1.bmp", "-u1.bmp"})
        Write(dir.filePath(QString("moors") + suffix), "old");
    SetWatcher watcher;
    QSignalSpy changed(&watcher, &SetWatcher::Changed);
    watcher.Watch(dir.path(), "moors");
    QTest::qWait(SetWatcher::kSettleMs * 2);
    EXPECT_EQ(changed.count(), 0) << "nothing changed";

    // A save as the symbol editor makes it: new files and a journal, then the renames.
    ASSERT_TRUE(SwitchSetFiles(dir.filePath("moors.set"),
                               {{"moors-t1.bmp", "new terrain"}, {"moors.set", "new records"}})
                    .ok);
    ASSERT_TRUE(changed.wait(5000));
    QTest::qWait(SetWatcher::kSettleMs * 2);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().toString(), "moors");
    EXPECT_EQ(SetReloadQuestion("varnholm"), "The symbol set varnholm changed on disk. Reload it?");

    // Other files of the folder are no news.
    Write(dir.filePath("other.scn"), "a battle");
    QTest::qWait(SetWatcher::kSettleMs * 2);
    EXPECT_EQ(changed.count(), 1);
    watcher.Stop();
    Write(dir.filePath("moors-u1.bmp"), "after the battle closed");
    QTest::qWait(SetWatcher::kSettleMs * 2);
    EXPECT_EQ(changed.count(), 1);
}
