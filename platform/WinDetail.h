#pragma once
// The pure helpers behind the Windows services, declared for their test driver.
#include <functional>
#include <string>

namespace sys::win {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// Reads through a Win32 call that returns the length (NUL excluded) when the
// buffer was big enough and the size it needs (NUL included) when not: a buffer
// of 260 first, grown to the size asked for until the text fits.
std::wstring ReadGrowing(const std::function<unsigned long(wchar_t*, unsigned long)>& read);

// One argument written so that CommandLineToArgvW splits it back unchanged.
std::wstring QuoteArg(const std::wstring& arg);

// A COLORREF (0x00BBGGRR) as 0xRRGGBB.
unsigned ColorRefToRgb(unsigned long colorRef);

} // namespace sys::win
