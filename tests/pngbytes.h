#pragma once
// Helpers of the tests that build damaged PNG data by hand and watch what reading it costs.

#include <sys/resource.h>

#include <cstdint>
#include <string_view>

/// The CRC-32 of a PNG chunk (its type and data), as the format computes it.
inline uint32_t Crc32(std::string_view bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= uint8_t(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

/// The process's peak resident memory so far, in kilobytes.
inline long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
