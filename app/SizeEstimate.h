#pragma once
#include <QString>

// The approximate output size for a duration "HH:MM:SS" at a bitrate in kb/s:
// grouped megabytes and " mb", or empty when the duration is unreadable or the
// size is below 2.
QString EstimateSize(const QString& durationText, qint32 bitrate);
