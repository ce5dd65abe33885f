#pragma once

// Fonts as FreeType opens them, in a build with PDF output: the installed face fontconfig
// picks for a family, and the tables of a face, read as the font subset reads them.

#include "output/font_subset.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace quill
{

struct InstalledFace {
    FT_Face face = nullptr; // the caller's, to close
    std::string family; // what fontconfig matched, maybe not the family asked for
};

// The regular face fontconfig picks for `family` in Simplified Chinese; no face when nothing
// matches or FreeType cannot open the file.
InstalledFace openInstalledFace(FT_Library library, const char* family);

class FaceTables : public FontTables
{
public:
    explicit FaceTables(FT_Face face) : face_(face) {}

    std::optional<std::string> read(std::uint32_t tag, std::size_t offset,
                                    std::size_t length) const override;
    std::optional<std::size_t> length(std::uint32_t tag) const override;

private:
    FT_Face face_;
};

} // namespace quill
