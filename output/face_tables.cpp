#include "output/face_tables.h"

#include FT_TRUETYPE_TABLES_H

namespace quill
{

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
