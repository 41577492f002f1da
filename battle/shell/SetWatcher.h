#pragma once
// Watches the files of the symbol set the shown battle is drawn with and says once when
// they changed on disk, so the art the symbol editor saves can be seen on the map at once.
// A save of a set is a burst of renames: the watcher waits until the burst is over and no
// unfinished switch of the set's files remains, and says nothing when the files end as
// they were.

#include <SetDiskState.h>

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class SetWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 400;

    explicit SetWatcher(QObject* parent = nullptr);
    // Watches the set `setName` in `folder`, taking its files as they are now as seen.
    void Watch(const QString& folder, const QString& setName);
    void Stop();
    const QString& setName() const { return name_; }

signals:
    void Changed(const QString& setName);

private:
    void Settle();
    void WatchFiles();
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString folder_;
    QString name_;
    QString setPath_;
    SetDiskState seen_;
};

// "The symbol set varnholm changed on disk. Reload it?"
QString SetReloadQuestion(const QString& setName);
