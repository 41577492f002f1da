#include "SetDiskState.h"

#include "FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

SetDiskState ReadSetDiskState(const QString& setPath) {
    SetDiskState state;
    const QDir folder = QFileInfo(setPath).absoluteDir();
    for (const QString& name : SetFileNames(setPath)) {
        SetDiskState::File file;
        struct stat info {};
        const QByteArray path = QFile::encodeName(FindFileAnyCase(folder.filePath(name)));
        if (::stat(path.constData(), &info) == 0) {
            file.exists = true;
            file.size = qint64(info.st_size);
            file.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
            file.inode = quint64(info.st_ino);
        }
        state.files.push_back(file);
    }
    return state;
}
