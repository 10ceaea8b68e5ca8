#include "MediaInfoDll.h"

#include "LibraryLoader.h"

#include <cstddef>
#include <string>

namespace {

using NewFn = void*(CORVANE_LIBCALL*)();
using OpenFn = std::size_t(CORVANE_LIBCALL*)(void*, const wchar_t*);
using CloseFn = void(CORVANE_LIBCALL*)(void*);
using DeleteFn = void(CORVANE_LIBCALL*)(void*);
using InformFn = const wchar_t*(CORVANE_LIBCALL*)(void*, std::size_t);
// Handle, stream kind, stream number, parameter, info kind, search kind (the
// library's C enums are int-sized).
using GetFn = const wchar_t*(CORVANE_LIBCALL*)(void*, int, std::size_t, const wchar_t*, int, int);

enum Entry { eNew, eDelete, eOpen, eClose, eInform, eGetI, eGet, eOption, eStateGet, eCountGet, kEntries };
const char* const kEntryNames[kEntries] = {"New",  "Delete", "Open",   "Close",     "Inform",
                                           "GetI", "Get",    "Option", "State_Get", "Count_Get"};
// The Unicode family and the single-byte one.
const char* const kFamilies[] = {"MediaInfo_", "MediaInfoA_"};
enum Family { Unicode, SingleByte, kFamilyCount };

constexpr int kInfoText = 1;
constexpr int kSearchByName = 0;

sys::LibraryHandle gModule = nullptr;
void* gEntries[kFamilyCount][kEntries] = {};

template <typename Fn>
Fn EntryPoint(Entry entry)
{
    void* address = gEntries[Unicode][entry];
    if (!address)
        throw EMediaInfoError(std::string("MediaInfo has no ") + kFamilies[Unicode] + kEntryNames[entry]);
    return reinterpret_cast<Fn>(address);
}

// The library's text copied at once: its buffer is reused by the next call.
// QString::fromWCharArray reads UTF-16 or UTF-32, whichever wchar_t holds.
QString CopyText(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

// Closing ends the file; only deleting frees the handle the library made for the
// request (each one left behind was found by LeakSanitizer). Raises nothing.
void CloseAndDelete(void* handle)
{
    if (gEntries[Unicode][eClose])
        reinterpret_cast<CloseFn>(gEntries[Unicode][eClose])(handle);
    if (gEntries[Unicode][eDelete])
        reinterpret_cast<DeleteFn>(gEntries[Unicode][eDelete])(handle);
}

} // namespace

bool LoadMediaInfo(const QString& libraryPath)
{
    if (!gModule) {
        gModule = sys::LoadLibraryFile(libraryPath.toStdString(), nullptr);
        if (!gModule)
            return false;
    }
    for (int family = 0; family < kFamilyCount; ++family)
        for (int entry = 0; entry < kEntries; ++entry)
            gEntries[family][entry] =
                sys::LibrarySymbol(gModule, (std::string(kFamilies[family]) + kEntryNames[entry]).c_str());
    return true;
}

TMediaInfoRequest::TMediaInfoRequest()
    : handle_(EntryPoint<NewFn>(eNew)())
{
}

TMediaInfoRequest::~TMediaInfoRequest()
{
    // An error path: close what can be closed, raise nothing.
    if (handle_)
        CloseAndDelete(handle_);
}

void TMediaInfoRequest::Open(const QString& file)
{
    EntryPoint<OpenFn>(eOpen)(handle_, file.toStdWString().c_str());
}

QString TMediaInfoRequest::Inform()
{
    return CopyText(EntryPoint<InformFn>(eInform)(handle_, 0));
}

QString TMediaInfoRequest::Get(TStreamKind kind, const QString& parameter)
{
    return CopyText(EntryPoint<GetFn>(eGet)(handle_, static_cast<int>(kind), 0,
                                            parameter.toStdWString().c_str(), kInfoText, kSearchByName));
}

void TMediaInfoRequest::Close()
{
    EntryPoint<CloseFn>(eClose); // raises where the library has no Close
    CloseAndDelete(handle_);
    handle_ = nullptr;
}
