#pragma once
// Named fields of a file's video stream, read on request (the x265 page's HDR
// metadata), through the same library access as the probe.
#include <QString>
#include <QStringList>

#include <optional>

// The text of each named field of video stream 0, in the order asked, empty where
// the stream has none. Nothing when the library cannot be loaded or the request
// fails; the request's handle is closed on every path. Shows no message.
std::optional<QStringList> ReadVideoFields(const QString& path, const QStringList& parameters);
