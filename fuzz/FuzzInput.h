#pragma once
// Turns libFuzzer's bytes into the texts and numbers the routines take.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte()
    {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }

    // The rest as text: UTF-8 (odd bytes become U+FFFD) or raw UTF-16 (lone
    // surrogates included), chosen by the first byte.
    QString Text()
    {
        const bool utf16 = Byte() & 1;
        if (utf16) {
            // Copied: the input bytes need not be aligned for char16_t.
            std::u16string units(size_ / 2, u'\0');
            std::memcpy(units.data(), data_, units.size() * 2);
            return QString::fromUtf16(units.data(), qsizetype(units.size()));
        }
        return QString::fromUtf8(reinterpret_cast<const char*>(data_), qsizetype(size_));
    }

    // The next ten bytes as an 80-bit extended float, any bit pattern (NaNs,
    // infinities, denormals and the unnormals no arithmetic produces).
    long double Extended()
    {
        long double value = 0;
        for (size_t i = 0; i < 10; ++i)
            reinterpret_cast<uint8_t*>(&value)[i] = Byte();
        return value;
    }

private:

    const uint8_t* data_;
    size_t size_;
};

// Stops the run where an invariant fails, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            abort();                                                                           \
        }                                                                                      \
    } while (false)
