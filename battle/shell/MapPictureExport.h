#pragma once
// "Export Map Picture...": the zoom level asked for, the file name asked for, the whole map
// drawn with the display preferences of the view and written as a PNG file.

#include "MapPicture.h"
#include "MapPictureChoice.h"
#include "MessageSink.h"

#include <QString>

#include <functional>

class QWidget;

class MapPictureExport {
public:
    explicit MapPictureExport(QWidget* parent);

    // The level dialog: the chosen level, or -1 when it was cancelled. Tests answer it.
    std::function<int(MapPictureChoice& choice)> chooseZoom;
    // The save box: the path, empty when cancelled. Tests answer it.
    std::function<QString(const QString& title, const QString& folder, const QString& filter)>
        choosePath;
    MessageSink messages; // a failure, as a "Warning" box
    QString writtenPath;  // the picture the last Run wrote; empty when it wrote none

    // `view` holds the view's preferences, table colour and hex mask; `folder` and `name`
    // (without extension) are offered in the save box. True when a picture was written.
    bool Run(const Battle& battle, const LoadedSymbolSet& set, const MapPictureOptions& view,
             int currentZoom, const QString& folder, const QString& name);
};
