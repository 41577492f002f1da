#pragma once
// Where the data layer sends the messages a window shows as a box with one OK button.

#include <QString>

#include <functional>

using MessageSink = std::function<void(const QString& caption, const QString& text)>;

inline void Warn(const MessageSink& sink, const QString& text) {
    if (sink)
        sink(QStringLiteral("Warning"), text);
}
inline void ReportError(const MessageSink& sink, const QString& text) {
    if (sink)
        sink(QStringLiteral("Error"), text);
}
