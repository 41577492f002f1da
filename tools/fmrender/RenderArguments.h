#pragma once
// The command line of fmrender:
//   fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]

#include <QString>
#include <QStringList>

struct RenderRequest {
    bool ok = true;
    QString battlePath;
    QString outputPath;
    int zoom = 0;
    bool showMapText = true;
    bool showOverlay = true;
    QString error; // why the command line was refused
};

inline const QString kRenderUsage =
    QStringLiteral("usage: fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]");

// `arguments` without the program's own name.
RenderRequest ParseRenderArguments(const QStringList& arguments);
