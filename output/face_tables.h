#pragma once

// The tables of a font FreeType has open, read as the font subset reads them (only in a build
// with PDF output, which has FreeType).

#include "output/font_subset.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace quill
{

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
