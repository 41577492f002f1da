#include "RenderArguments.h"

#include <QFileInfo>

#include <optional>

namespace {

std::optional<PictureFormat> FormatOfName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("bmp"))
        return PictureFormat::Bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureFormat::Jpeg;
    return std::nullopt;
}

bool SameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

RenderRequest ParseRenderArguments(const QStringList& arguments) {
    RenderRequest request;
    auto refuse = [&](const QString& why) {
        request.ok = false;
        request.error = why;
        return request;
    };
    QStringList paths;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            request.help = true;
            return request;
        } else if (a == QLatin1String("--version")) {
            request.version = true;
            return request;
        } else if (a == QLatin1String("--no-text")) {
            request.showMapText = false;
        } else if (a == QLatin1String("--no-overlay")) {
            request.showOverlay = false;
        } else if (a == QLatin1String("--zoom") || a.startsWith(QLatin1String("--zoom="))) {
            QString level;
            if (a.startsWith(QLatin1String("--zoom=")))
                level = a.mid(7);
            else if (i + 1 < arguments.size())
                level = arguments[++i];
            else
                return refuse(QStringLiteral("--zoom needs a level: 0, 1 or 2."));
            if (level != QLatin1String("0") && level != QLatin1String("1") &&
                level != QLatin1String("2"))
                return refuse(
                    QStringLiteral("The zoom level must be 0, 1 or 2, not \"%1\".").arg(level));
            request.zoom = level.toInt();
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return refuse(QStringLiteral("Unknown option \"%1\".").arg(a));
        } else if (a.isEmpty()) {
            return refuse(QStringLiteral("A file name is empty."));
        } else {
            paths << a;
        }
    }
    if (paths.size() != 2)
        return refuse(paths.size() < 2
                          ? QStringLiteral("A battle file and a picture file are needed.")
                          : QStringLiteral("Only one battle file and one picture file are taken."));
    request.battlePath = paths[0];
    request.outputPath = paths[1];
    if (request.outputPath == QLatin1String("-"))
        return request; // PNG on standard output
    const QString suffix = QFileInfo(request.outputPath).suffix().toLower();
    if (suffix == QLatin1String("scn") || suffix == QLatin1String("set") ||
        SameFile(request.outputPath, request.battlePath))
        return refuse(QStringLiteral("The picture %1 would replace a battle or a symbol set.")
                          .arg(request.outputPath));
    const std::optional<PictureFormat> format = FormatOfName(request.outputPath);
    if (!format)
        return refuse(QStringLiteral("The picture's name %1 must end in .png, .bmp, .jpg or "
                                     ".jpeg (or be - for PNG on standard output).")
                          .arg(request.outputPath));
    request.format = *format;
    return request;
}
