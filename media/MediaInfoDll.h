#pragma once
// Access to MediaInfo, the media-information library, loaded at run time.
#include <QString>

#include <stdexcept>

// A stream kind of the library's Get.
enum class TStreamKind { General = 0, Video = 1 };

// An error inside a library request: the library is not loaded or lacks an entry.
class EMediaInfoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads the library file once per process and looks up its 20 entry points by
// name (a slot stays empty for a name it lacks). True when a library is held
// after the call; once one is, `libraryPath` is not consulted. A failed load
// holds nothing, so the next call tries again. Never unloaded.
bool LoadMediaInfo(const QString& libraryPath);

// Where this system's MediaInfo library is, worked out afresh on each request.
// Windows: "MediaInfo_x32.dll" beside the executable. Elsewhere: a
// libmediainfo.so.0 beside the executable when there is one, else the system's.
QString MediaInfoLibraryPath();

// One request: its own handle, one file, closed on every path. Each call raises
// EMediaInfoError when the entry point it needs is empty.
class TMediaInfoRequest {
public:
    TMediaInfoRequest(); // MediaInfo_New
    ~TMediaInfoRequest(); // closes the handle unless Close ran
    TMediaInfoRequest(const TMediaInfoRequest&) = delete;
    TMediaInfoRequest& operator=(const TMediaInfoRequest&) = delete;

    // The library's result is not examined: an unreadable file gives whatever
    // the library reports for it.
    void Open(const QString& file);
    // The full report in the library's default text form.
    QString Inform();
    // One field of stream 0 of the kind, as text; empty when there is none.
    QString Get(TStreamKind kind, const QString& parameter);
    void Close();

private:
    void* handle_ = nullptr;
};
