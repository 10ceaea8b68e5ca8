#include "VideoFields.h"

#include "MediaInfoDll.h"

std::optional<QStringList> ReadVideoFields(const QString& path, const QStringList& parameters)
{
    try {
        if (!LoadMediaInfo(MediaInfoLibraryPath()))
            return std::nullopt;
        TMediaInfoRequest request;
        request.Open(path);
        QStringList texts;
        for (const QString& parameter : parameters)
            texts << request.Get(TStreamKind::Video, parameter);
        request.Close();
        return texts;
    } catch (...) {
        return std::nullopt;
    }
}
