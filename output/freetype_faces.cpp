#include "output/freetype_faces.h"

#include <fontconfig/fontconfig.h>

#include FT_TRUETYPE_TABLES_H

namespace quill
{

InstalledFace openInstalledFace(FT_Library library, const char* family)
{
    if (!FcInit())
        return {};
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    InstalledFace installed;
    FcChar8* file = nullptr;
    FcChar8* matched = nullptr;
    int index = 0;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &installed.face) != 0)
            installed.face = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch)
            installed.family = reinterpret_cast<const char*>(matched);
    }
    if (match)
        FcPatternDestroy(match);
    return installed;
}

std::optional<std::string> FaceTables::read(std::uint32_t tag, std::size_t offset,
                                            std::size_t length) const
{
    // FreeType reads on past a table's end, into whatever follows it in the file.
    const std::optional<std::size_t> size = this->length(tag);
    if (!size || offset > *size || length > *size - offset)
        return std::nullopt;
    std::string bytes(length, '\0');
    FT_ULong read = length;
    if (length > 0 && FT_Load_Sfnt_Table(face_, tag, FT_Long(offset),
                                         reinterpret_cast<FT_Byte*>(bytes.data()), &read) != 0)
        return std::nullopt;
    return bytes;
}

std::optional<std::size_t> FaceTables::length(std::uint32_t tag) const
{
    FT_ULong size = 0;
    if (FT_Load_Sfnt_Table(face_, tag, 0, nullptr, &size) != 0)
        return std::nullopt;
    return size;
}

} // namespace quill
