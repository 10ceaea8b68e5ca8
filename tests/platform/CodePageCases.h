#pragma once
// Texts in code pages and what ToCodePage must make of them, shared by the POSIX
// test and the Windows driver so both sides answer alike. UTF-8 throughout.
#include <string>

struct CodePageCase {
    const char* name;
    std::string text;
    unsigned codePage;
    std::string bytes;   // when every character fits
    std::string refused; // else the first character that does not
};

inline std::string Repeat(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

#define CORVANE_EMOJI "\xF0\x9F\x8E\xAC" // U+1F3AC, a surrogate pair in UTF-16

inline const CodePageCase kCodePageCases[] = {
    {"ASCII, 1252", "C:\\in.mkv", 1252, "C:\\in.mkv", ""},
    {"e acute, 1252", u8"\u00e9 \u20ac", 1252, "\xE9 \x80", ""},
    {"Zhe, 1252 refuses", u8"\u00e9 \u0416\u0438", 1252, "", u8"\u0416"},
    {"Zhe, 1251", u8"\u0416\u0438", 1251, "\xC6\xE8", ""},
    {"e acute, 1251 refuses", u8"\u0416\u00e9", 1251, "", u8"\u00e9"},
    {"Nihon, 932", u8"C:\\\u65e5\u672c", 932, "C:\\\x93\xFA\x96\x7B", ""},
    {"full-width backslash, 932", u8"\uff3c", 932, "\x81\x5F", ""},
    // Best fit, and iconv alone, would write a backslash: a path delimiter.
    {"yen, 932 refuses", u8"a\u00a5b", 932, "", u8"\u00a5"},
    // Best fit would write "L".
    {"look-alike, 1252 refuses", u8"\u00f3\u0141\u0100", 1252, "", u8"\u0141"},
    {"emoji, 1252 refuses", "a" CORVANE_EMOJI, 1252, "", CORVANE_EMOJI},
    {"emoji, 1251 refuses", CORVANE_EMOJI, 1251, "", CORVANE_EMOJI},
    {"emoji, 932 refuses", CORVANE_EMOJI, 932, "", CORVANE_EMOJI},
    {"emoji, 65001", CORVANE_EMOJI, 65001, CORVANE_EMOJI, ""},
    {"65001 unchanged", u8"\u0141\u00f3d\u017a \u20ac", 65001, u8"\u0141\u00f3d\u017a \u20ac", ""},
    {"437", u8"\u00e9\u2591", 437, "\x82\xB0", ""},
    {"many characters, 1252", Repeat(u8"\u00e9", 300), 1252, std::string(300, '\xE9'), ""},
    {"unknown carries ASCII", "del x.cmd", 99999, "del x.cmd", ""},
    {"unknown refuses the rest", u8"d\u00e9", 99999, "", u8"\u00e9"},
    {"empty", "", 1252, "", ""},
};

#undef CORVANE_EMOJI
