#include "output/freetype_faces.h"


#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace quill
{
namespace
{

// FreeType reads the installed CJK fonts; the subset is read back by FreeType too, and every
// glyph compared with the full font's, point by point.
class FontSubsetTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(FT_Init_FreeType(&library_), 0);
        full_ = openInstalled(GetParam());
        if (!full_)
            GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override
    {
        if (full_)
            FT_Done_Face(full_);
        FT_Done_FreeType(library_);
    }

    // Only the family asked for: another font fontconfig falls back to may not be CID-keyed.
    FT_Face openInstalled(const char* family)
    {
        const InstalledFace installed = openInstalledFace(library_, family);
        if (installed.face && installed.family != family) {
            FT_Done_Face(installed.face);
            return nullptr;
        }
        return installed.face;
    }

    FT_Library library_ = nullptr;
    FT_Face full_ = nullptr;
};

// The full font's tables with one byte of the CFF table changed, or one table gone.
class DamagedTables : public FaceTables
{
public:
    DamagedTables(FT_Face face, std::uint32_t missing, std::size_t at, char value)
        : FaceTables(face), missing_(missing), at_(at), value_(value)
    {
    }

    std::optional<std::string> read(std::uint32_t tag, std::size_t offset,
                                    std::size_t length) const override
    {
        std::optional<std::string> bytes = tag == missing_ ? std::nullopt
                                                           : FaceTables::read(tag, offset, length);
        if (bytes && tag == cff && at_ >= offset && at_ < offset + length)
            (*bytes)[at_ - offset] = value_;
        return bytes;
    }
    std::optional<std::size_t> length(std::uint32_t tag) const override
    {
        return tag == missing_ ? std::nullopt : FaceTables::length(tag);
    }

    static constexpr std::uint32_t cff = 0x43464620;

private:
    std::uint32_t missing_;
    std::size_t at_;
    char value_;
};

// Characters every sheet uses, a few hundred random ideographs, and the least and greatest
// characters the font maps, each with its glyph.
std::vector<CharacterGlyph> sampleCharacters(FT_Face face, unsigned seed)
{
    std::set<char32_t> characters;
    for (char32_t c = 0x20; c < 0x7F; ++c)
        characters.insert(c);
    for (char32_t c : U"＋－＝×÷（）：，。练习答案姓名座号口算竖式脱式简便方程分数单位")
        characters.insert(c);
    std::mt19937 random(seed);
    std::uniform_int_distribution<char32_t> ideograph(0x4E00, 0x9FFF);
    for (int k = 0; k < 400; ++k)
        characters.insert(ideograph(random));
    FT_UInt glyph = 0;
    characters.insert(char32_t(FT_Get_First_Char(face, &glyph)));
    for (FT_ULong c = FT_Get_First_Char(face, &glyph); glyph != 0; c = FT_Get_Next_Char(face, c, &glyph))
        if (c > 0xFFFF) { // one beyond the basic plane, when the font has any
            characters.insert(char32_t(c));
            break;
        }
    std::vector<CharacterGlyph> glyphs;
    for (char32_t c : characters)
        if (const FT_UInt found = FT_Get_Char_Index(face, c))
            glyphs.push_back({c, found});
    return glyphs;
}

struct Outline {
    long advance = 0;
    std::vector<FT_Vector> points;
    std::vector<char> tags;
    std::vector<short> contours;
};

Outline outlineOf(FT_Face face, FT_UInt glyph)
{
    Outline outline;
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0)
        return outline;
    const FT_Outline& loaded = face->glyph->outline;
    outline.advance = face->glyph->advance.x;
    outline.points.assign(loaded.points, loaded.points + loaded.n_points);
    outline.tags.assign(loaded.tags, loaded.tags + loaded.n_points);
    outline.contours.assign(loaded.contours, loaded.contours + loaded.n_contours);
    return outline;
}

bool operator==(const Outline& a, const Outline& b)
{
    const auto samePoint = [](const FT_Vector& p, const FT_Vector& q) {
        return p.x == q.x && p.y == q.y;
    };
    return a.advance == b.advance && a.tags == b.tags && a.contours == b.contours &&
           std::equal(a.points.begin(), a.points.end(), b.points.begin(), b.points.end(), samePoint);
}

TEST_P(FontSubsetTest, EveryCharacterKeepsItsOutlineAndAdvanceAndNothingElseIsKept)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const std::vector<CharacterGlyph> characters = sampleCharacters(full_, seed);
        const std::optional<std::string> bytes = fontSubset(FaceTables(full_), characters);
        ASSERT_TRUE(bytes);
        FT_Face subset = nullptr;
        ASSERT_EQ(FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(bytes->data()),
                                     FT_Long(bytes->size()), 0, &subset),
                  0);
        std::set<unsigned> glyphs;
        for (const CharacterGlyph& entry : characters) {
            glyphs.insert(entry.glyph);
            const FT_UInt kept = FT_Get_Char_Index(subset, entry.character);
            ASSERT_NE(kept, 0u) << std::hex << unsigned(entry.character);
            EXPECT_TRUE(outlineOf(subset, kept) == outlineOf(full_, entry.glyph))
                << "U+" << std::hex << unsigned(entry.character);
        }
        EXPECT_EQ(subset->num_glyphs, FT_Long(glyphs.size() + 1)); // and .notdef
        EXPECT_EQ(subset->units_per_EM, full_->units_per_EM);
        EXPECT_EQ(subset->ascender, full_->ascender);
        EXPECT_EQ(subset->descender, full_->descender);
        EXPECT_EQ(FT_Get_Char_Index(subset, U'字'), 0u); // asked for by no sample
        EXPECT_LT(bytes->size(), 2u << 20);
        FT_Done_Face(subset);
    }
}

TEST_P(FontSubsetTest, AFontItCannotReadGetsNoSubsetAndNoCrash)
{
    const std::vector<CharacterGlyph> characters = sampleCharacters(full_, 1);
    for (const char* table : {"CFF ", "hmtx", "hhea", "head"}) {
        const std::uint32_t tag = std::uint32_t(table[0]) << 24 | std::uint32_t(table[1]) << 16 |
                                  std::uint32_t(table[2]) << 8 | std::uint32_t(table[3]);
        EXPECT_FALSE(fontSubset(DamagedTables(full_, tag, 0, 0), characters)) << table;
    }
    // Bytes of the CFF table's header, top DICT and INDEX heads changed at random: a subset
    // or none, never a read outside the font (the sanitizer build checks that).
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> place(0, 200);
    std::uniform_int_distribution<int> value(0, 255);
    for (int k = 0; k < 300; ++k)
        (void)fontSubset(DamagedTables(full_, 0, place(random), char(value(random))), characters);
}

INSTANTIATE_TEST_SUITE_P(InstalledCjkFonts, FontSubsetTest,
                         ::testing::Values("Noto Serif CJK SC", "Noto Sans CJK SC"));

} // namespace
} // namespace quill
