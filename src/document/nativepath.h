#pragma once
// Paths reach the file functions as UTF-8; Windows takes them as UTF-16, so Polish names survive.

#ifdef _WIN32
#include <string>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

inline std::wstring NativePath(const std::string &path)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0);
    std::wstring wide(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), wide.data(), n);
    return wide;
}
#endif
