#pragma once

// A CJK font cut down to the characters one document draws. cairo's PDF surface copies the
// whole CFF table of every font it embeds, twice per document: 23 MB for Noto Serif CJK, most
// of the time a PDF sheet took. Handed this font instead, it copies a few kilobytes, and
// embeds the same outlines.
//
// The subset is an OpenType font with CID-keyed CFF outlines: the original's glyphs of the
// characters asked for, renumbered from 1 after .notdef, with their advances and the original's
// font-wide tables (head, hhea, OS/2, name, post). Subroutines are kept whole, with their
// numbering, so no outline changes; only the font dictionaries the glyphs use are kept.
// A font that is not an OpenType font with CID-keyed CFF outlines (a TrueType font, say)
// gets no subset.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill
{

// Reads the tables of the full font.
class FontTables
{
public:
    virtual ~FontTables() = default;
    // Bytes [offset, offset + length) of the table `tag` ('CFF ' as 0x43464620); none when the
    // font has no such table or it is shorter.
    virtual std::optional<std::string> read(std::uint32_t tag, std::size_t offset,
                                            std::size_t length) const = 0;
    // The length of the table `tag`; none when the font has no such table.
    virtual std::optional<std::size_t> length(std::uint32_t tag) const = 0;
};

struct CharacterGlyph {
    char32_t character = 0;
    unsigned glyph = 0; // in the full font; never 0
};

// The subset font's bytes; none when the font cannot be cut down (see above). `characters`
// must be sorted by character, each character once.
std::optional<std::string> fontSubset(const FontTables& font,
                                      const std::vector<CharacterGlyph>& characters);

} // namespace quill
