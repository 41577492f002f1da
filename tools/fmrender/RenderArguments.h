#pragma once
// The command line of fmrender:
//   fmrender BATTLE.scn OUT.png|OUT.bmp|OUT.jpg|- [--zoom 0|1|2] [--no-text] [--no-overlay]
// The picture's format follows its name; "-" writes PNG to standard output.

#include <QString>
#include <QStringList>

enum class PictureFormat { Png, Bmp, Jpeg };

struct RenderRequest {
    bool ok = true;
    bool help = false;    // --help: print the help, draw nothing
    bool version = false; // --version
    QString battlePath;
    QString outputPath; // "-" for standard output
    PictureFormat format = PictureFormat::Png;
    int zoom = 0;
    bool showMapText = true;
    bool showOverlay = true;
    QString error; // why the command line was refused
};

inline const QString kRenderUsage =
    QStringLiteral("usage: fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]");
inline const QString kRenderHelp = QStringLiteral(
    "Writes the picture of a Fieldmark battle's whole map, drawn as the battle editor draws\n"
    "it, without a display. The picture's format follows its name: .png, .bmp, .jpg or\n"
    ".jpeg; - writes PNG to standard output.\n\n"
    "Options:\n"
    "  --zoom 0|1|2   the zoom level, 2 the largest (default 0)\n"
    "  --no-text      leave out the map texts\n"
    "  --no-overlay   leave out the hex overlay\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n\n"
    "Exit status: 0 the picture was written, 1 a file could not be read or written,\n"
    "2 a bad command line.\n");

// `arguments` without the program's own name. Refuses an output that would replace the
// battle, or any battle or symbol set, and a picture name of no known format.
RenderRequest ParseRenderArguments(const QStringList& arguments);
