#pragma once

#include <iconv.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quill::testing
{

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

} // namespace quill::testing
