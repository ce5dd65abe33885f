#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace quill::testing
{

#ifdef _WIN32
// Windows' own converter for code page 936 (GBK), independent of the program's table.
inline std::string toGbk(std::string_view utf8)
{
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size)));
    std::string out(wide.size() * 2, '\0');
    BOOL lost = FALSE;
    out.resize(static_cast<std::size_t>(
        WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                            out.data(), static_cast<int>(out.size()), nullptr, &lost)));
    if (lost || (out.empty() && !utf8.empty()))
        throw std::runtime_error("text not representable in GBK");
    return out;
}
#else
// The text in GBK, the encoding of history files saved on Chinese Windows desktops.
inline std::string toGbk(std::string_view utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no GBK converter");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error("text not representable in GBK");
    out.resize(out.size() - outLeft);
    return out;
}
#endif

} // namespace quill::testing
