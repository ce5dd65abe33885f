#include "output/font_subset.h"

#include <algorithm>
#include <map>
#include <utility>

namespace quill
{

namespace
{

constexpr std::uint32_t tagOf(const char (&name)[5])
{
    return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16 |
           std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint32_t(std::uint8_t(name[3]));
}

constexpr std::uint32_t cffTag = tagOf("CFF ");

// Thrown where the font is not what the subset needs; fontSubset then gives none.
struct Unusable {
};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t size)
{
    if (at + size > bytes.size())
        throw Unusable{};
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < size; ++k)
        value = value << 8 | std::uint8_t(bytes[at + k]);
    return value;
}

void putBigEndian(std::string& out, std::uint32_t value, std::size_t size)
{
    for (std::size_t k = size; k-- > 0;)
        out.push_back(char(value >> (8 * k) & 0xFF));
}

void setBigEndian(std::string& bytes, std::size_t at, std::uint32_t value, std::size_t size)
{
    for (std::size_t k = 0; k < size; ++k)
        bytes[at + k] = char(value >> (8 * (size - 1 - k)) & 0xFF);
}

std::string readTable(const FontTables& font, std::uint32_t tag, std::size_t offset,
                      std::size_t length)
{
    std::optional<std::string> bytes = font.read(tag, offset, length);
    if (!bytes || bytes->size() != length)
        throw Unusable{};
    return std::move(*bytes);
}

std::string wholeTable(const FontTables& font, std::uint32_t tag)
{
    const std::optional<std::size_t> length = font.length(tag);
    if (!length)
        throw Unusable{};
    return readTable(font, tag, 0, *length);
}

// ---- The CFF table, read in the pieces the subset needs ----

std::string cffBytes(const FontTables& font, std::size_t offset, std::size_t length)
{
    return readTable(font, cffTag, offset, length);
}

// An INDEX: a count, then count + 1 offsets of `offsetSize` bytes, then the elements' data.
struct CffIndex {
    std::size_t start = 0;
    std::size_t count = 0;
    std::size_t offsetSize = 0;
    std::size_t end = 0; // just after the last element

    std::size_t dataBase() const { return start + 3 + (count + 1) * offsetSize - 1; }
};

CffIndex readIndex(const FontTables& font, std::size_t start)
{
    CffIndex index{start};
    const std::string head = cffBytes(font, start, 3);
    index.count = bigEndian(head, 0, 2);
    if (index.count == 0) {
        index.end = start + 2;
        return index;
    }
    index.offsetSize = std::uint8_t(head[2]);
    if (index.offsetSize < 1 || index.offsetSize > 4)
        throw Unusable{};
    const std::string last =
        cffBytes(font, start + 3 + index.count * index.offsetSize, index.offsetSize);
    index.end = index.dataBase() + bigEndian(last, 0, index.offsetSize);
    return index;
}

std::string wholeIndex(const FontTables& font, const CffIndex& index)
{
    return cffBytes(font, index.start, index.end - index.start);
}

std::string indexElement(const FontTables& font, const CffIndex& index, std::size_t k)
{
    if (k >= index.count)
        throw Unusable{};
    const std::string offsets =
        cffBytes(font, index.start + 3 + k * index.offsetSize, 2 * index.offsetSize);
    const std::size_t from = bigEndian(offsets, 0, index.offsetSize);
    const std::size_t to = bigEndian(offsets, index.offsetSize, index.offsetSize);
    if (from < 1 || to < from)
        throw Unusable{};
    return cffBytes(font, index.dataBase() + from, to - from);
}

std::string indexOf(const std::vector<std::string>& elements)
{
    std::string out;
    putBigEndian(out, std::uint32_t(elements.size()), 2);
    if (elements.empty())
        return out;
    std::size_t total = 1;
    for (const std::string& element : elements)
        total += element.size();
    const std::size_t offsetSize = total <= 0xFF ? 1 : total <= 0xFFFF ? 2 : total <= 0xFFFFFF ? 3 : 4;
    out.push_back(char(offsetSize));
    std::size_t offset = 1;
    putBigEndian(out, std::uint32_t(offset), offsetSize);
    for (const std::string& element : elements) {
        offset += element.size();
        putBigEndian(out, std::uint32_t(offset), offsetSize);
    }
    for (const std::string& element : elements)
        out += element;
    return out;
}

// ---- DICTs: operands, then an operator ----

constexpr int escaped(int op) { return 1200 + op; }
constexpr int opCharset = 15, opCharStrings = 17, opPrivate = 18, opSubrs = 19;
constexpr int opCidCount = escaped(34), opFdArray = escaped(36), opFdSelect = escaped(37),
              opRos = escaped(30);

struct DictEntry {
    int op = 0;
    std::string operands; // as written
    std::vector<long> integers; // the integer operands, a real as 0
};

using Dict = std::vector<DictEntry>;

std::size_t operandEnd(std::string_view bytes, std::size_t at, long& value)
{
    const int b0 = std::uint8_t(bytes[at]);
    value = 0;
    if (b0 == 28) {
        value = std::int16_t(bigEndian(bytes, at + 1, 2));
        return at + 3;
    }
    if (b0 == 29) {
        value = std::int32_t(bigEndian(bytes, at + 1, 4));
        return at + 5;
    }
    if (b0 == 30) { // a real: nibbles up to an end nibble
        for (std::size_t k = at + 1; k < bytes.size(); ++k)
            if ((bytes[k] & 0x0F) == 0x0F || (std::uint8_t(bytes[k]) >> 4) == 0x0F)
                return k + 1;
        throw Unusable{};
    }
    if (b0 >= 32 && b0 <= 246) {
        value = b0 - 139;
        return at + 1;
    }
    if (b0 >= 247 && b0 <= 254) {
        const int b1 = std::uint8_t(bigEndian(bytes, at + 1, 1));
        value = b0 <= 250 ? (b0 - 247) * 256 + b1 + 108 : -(b0 - 251) * 256 - b1 - 108;
        return at + 2;
    }
    throw Unusable{};
}

Dict parseDict(std::string_view bytes)
{
    Dict dict;
    DictEntry entry;
    for (std::size_t at = 0; at < bytes.size();) {
        const int b0 = std::uint8_t(bytes[at]);
        if (b0 <= 21) {
            entry.op = b0 == 12 ? escaped(int(bigEndian(bytes, at + 1, 1))) : b0;
            at += b0 == 12 ? 2 : 1;
            dict.push_back(std::move(entry));
            entry = {};
            continue;
        }
        long value = 0;
        const std::size_t end = operandEnd(bytes, at, value);
        entry.operands.append(bytes.substr(at, end - at));
        entry.integers.push_back(value);
        at = end;
    }
    return dict;
}

const DictEntry* find(const Dict& dict, int op)
{
    for (const DictEntry& entry : dict)
        if (entry.op == op)
            return &entry;
    return nullptr;
}

long integerOf(const Dict& dict, int op, std::size_t k)
{
    const DictEntry* entry = find(dict, op);
    if (!entry || k >= entry->integers.size() || entry->integers[k] < 0)
        throw Unusable{};
    return entry->integers[k];
}

// Every integer written at five bytes, so a DICT's size does not depend on the offsets in it.
void setIntegers(Dict& dict, int op, const std::vector<long>& values)
{
    std::string operands;
    for (long value : values) {
        operands.push_back(29);
        putBigEndian(operands, std::uint32_t(value), 4);
    }
    for (DictEntry& entry : dict)
        if (entry.op == op) {
            entry.operands = operands;
            entry.integers = values;
            return;
        }
    dict.push_back({op, operands, values});
}

std::string dictBytes(const Dict& dict)
{
    std::string out;
    for (const DictEntry& entry : dict) {
        out += entry.operands;
        if (entry.op >= 1200) {
            out.push_back(12);
            out.push_back(char(entry.op - 1200));
        } else {
            out.push_back(char(entry.op));
        }
    }
    return out;
}

// ---- The subset's CFF table ----

// The font dictionary of each glyph: FDSelect in format 0 or 3.
class FontDictSelect
{
public:
    FontDictSelect(const FontTables& font, std::size_t at) : font_(font), at_(at)
    {
        format_ = std::uint8_t(cffBytes(font, at, 1)[0]);
        if (format_ == 3) {
            const std::size_t ranges = bigEndian(cffBytes(font, at + 1, 2), 0, 2);
            ranges_ = cffBytes(font, at + 3, ranges * 3 + 2);
        } else if (format_ != 0) {
            throw Unusable{};
        }
    }

    unsigned of(unsigned glyph) const
    {
        if (format_ == 0)
            return std::uint8_t(cffBytes(font_, at_ + 1 + glyph, 1)[0]);
        const std::size_t ranges = ranges_.size() / 3;
        for (std::size_t k = 0; k < ranges; ++k) {
            const unsigned first = bigEndian(ranges_, 3 * k, 2);
            const unsigned next = bigEndian(ranges_, 3 * k + 3, 2);
            if (glyph >= first && glyph < next)
                return std::uint8_t(ranges_[3 * k + 2]);
        }
        throw Unusable{};
    }

private:
    const FontTables& font_;
    std::size_t at_;
    int format_ = 0;
    std::string ranges_;
};

// A font dictionary with its private DICT and local subroutines.
struct FontDict {
    Dict dict;
    std::string privateBlock; // the private DICT, its subroutines right after it
    std::size_t privateDictSize = 0;
};

FontDict readFontDict(const FontTables& font, const CffIndex& fontDicts, unsigned k)
{
    FontDict fd;
    fd.dict = parseDict(indexElement(font, fontDicts, k));
    const std::size_t privateSize = std::size_t(integerOf(fd.dict, opPrivate, 0));
    const std::size_t privateAt = std::size_t(integerOf(fd.dict, opPrivate, 1));
    Dict privateDict = parseDict(cffBytes(font, privateAt, privateSize));
    std::string subroutines;
    if (find(privateDict, opSubrs)) {
        const CffIndex index =
            readIndex(font, privateAt + std::size_t(integerOf(privateDict, opSubrs, 0)));
        subroutines = wholeIndex(font, index);
        setIntegers(privateDict, opSubrs, {0});
        const std::size_t ownSize = dictBytes(privateDict).size();
        setIntegers(privateDict, opSubrs, {long(ownSize)});
    }
    fd.privateBlock = dictBytes(privateDict);
    fd.privateDictSize = fd.privateBlock.size();
    fd.privateBlock += subroutines;
    return fd;
}

// A charset for glyphs 1 to count - 1 as CIDs 1 to count - 1.
std::string identityCharset(std::size_t count)
{
    std::string out(1, count > 1 ? 2 : 0);
    if (count > 1) {
        putBigEndian(out, 1, 2);
        putBigEndian(out, std::uint32_t(count - 2), 2);
    }
    return out;
}

std::string cffSubset(const FontTables& font, const std::vector<unsigned>& glyphs)
{
    const std::string header = cffBytes(font, 0, 4);
    const std::size_t headerSize = std::uint8_t(header[2]);
    const CffIndex names = readIndex(font, headerSize);
    const CffIndex tops = readIndex(font, names.end);
    const CffIndex strings = readIndex(font, tops.end);
    const CffIndex globalSubroutines = readIndex(font, strings.end);
    Dict top = parseDict(indexElement(font, tops, 0));
    if (!find(top, opRos) || !find(top, opFdArray) || !find(top, opFdSelect))
        throw Unusable{}; // not CID-keyed

    const CffIndex charStrings = readIndex(font, std::size_t(integerOf(top, opCharStrings, 0)));
    const CffIndex fontDicts = readIndex(font, std::size_t(integerOf(top, opFdArray, 0)));
    const FontDictSelect select(font, std::size_t(integerOf(top, opFdSelect, 0)));

    std::vector<std::string> outlines;
    std::string newSelect(1, 0);
    std::map<unsigned, unsigned> newFontDictOf;
    for (unsigned glyph : glyphs) {
        outlines.push_back(indexElement(font, charStrings, glyph));
        const auto [entry, _] = newFontDictOf.try_emplace(select.of(glyph), newFontDictOf.size());
        newSelect.push_back(char(entry->second));
    }
    std::vector<FontDict> kept(newFontDictOf.size());
    for (const auto& [old, now] : newFontDictOf)
        kept[now] = readFontDict(font, fontDicts, old);

    // Sizes first, with every offset at five bytes; then the offsets.
    const std::string prefix = header.substr(0, headerSize) + wholeIndex(font, names);
    const std::string afterTop = wholeIndex(font, strings) + wholeIndex(font, globalSubroutines);
    const std::string charset = identityCharset(glyphs.size());
    const std::string outlineIndex = indexOf(outlines);
    for (int op : {opCharset, opCharStrings, opFdArray, opFdSelect})
        setIntegers(top, op, {0});
    setIntegers(top, opCidCount, {long(glyphs.size())});
    const std::size_t topIndexSize = indexOf({dictBytes(top)}).size();
    const std::size_t charsetAt = prefix.size() + topIndexSize + afterTop.size();
    const std::size_t selectAt = charsetAt + charset.size();
    const std::size_t outlinesAt = selectAt + newSelect.size();
    const std::size_t fontDictsAt = outlinesAt + outlineIndex.size();
    setIntegers(top, opCharset, {long(charsetAt)});
    setIntegers(top, opFdSelect, {long(selectAt)});
    setIntegers(top, opCharStrings, {long(outlinesAt)});
    setIntegers(top, opFdArray, {long(fontDictsAt)});

    std::vector<std::string> fontDictBytes;
    for (FontDict& fd : kept)
        setIntegers(fd.dict, opPrivate, {0, 0});
    for (const FontDict& fd : kept)
        fontDictBytes.push_back(dictBytes(fd.dict));
    std::size_t privateAt = fontDictsAt + indexOf(fontDictBytes).size();
    std::string privates;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        setIntegers(kept[k].dict, opPrivate, {long(kept[k].privateDictSize), long(privateAt)});
        fontDictBytes[k] = dictBytes(kept[k].dict);
        privateAt += kept[k].privateBlock.size();
        privates += kept[k].privateBlock;
    }
    return prefix + indexOf({dictBytes(top)}) + afterTop + charset + newSelect + outlineIndex +
           indexOf(fontDictBytes) + privates;
}

// ---- The OpenType tables around it ----

// Advance and left side bearing of each glyph, from the full font's hmtx.
std::string horizontalMetrics(const FontTables& font, const std::vector<unsigned>& glyphs,
                              std::size_t metricsCount)
{
    if (metricsCount == 0)
        throw Unusable{};
    std::string out;
    for (unsigned glyph : glyphs) {
        if (glyph < metricsCount) {
            out += readTable(font, tagOf("hmtx"), 4 * glyph, 4);
            continue;
        }
        out += readTable(font, tagOf("hmtx"), 4 * (metricsCount - 1), 2);
        out += readTable(font, tagOf("hmtx"), 4 * metricsCount + 2 * (glyph - metricsCount), 2);
    }
    return out;
}

// Format 12 for every character; format 4 as well, for readers that know only that, when
// the characters of the basic plane fit in it.
std::string characterMap(const std::vector<std::pair<char32_t, unsigned>>& newGlyphOf)
{
    std::string segmented;
    std::vector<std::pair<char32_t, unsigned>> basic;
    for (const auto& entry : newGlyphOf)
        if (entry.first < 0xFFFF)
            basic.push_back(entry);
    const std::size_t segments = basic.size() + 1;
    if (16 + 8 * segments <= 0xFFFF) {
        std::size_t power = 1, log = 0;
        while (power * 2 <= segments)
            power *= 2, ++log;
        for (std::uint32_t value : {4u, std::uint32_t(16 + 8 * segments), 0u,
                                    std::uint32_t(2 * segments), std::uint32_t(2 * power),
                                    std::uint32_t(log), std::uint32_t(2 * (segments - power))})
            putBigEndian(segmented, value, 2);
        for (const auto& [character, _] : basic)
            putBigEndian(segmented, character, 2);
        putBigEndian(segmented, 0xFFFF, 2);
        putBigEndian(segmented, 0, 2); // reserved
        for (const auto& [character, _] : basic)
            putBigEndian(segmented, character, 2);
        putBigEndian(segmented, 0xFFFF, 2);
        for (const auto& [character, glyph] : basic)
            putBigEndian(segmented, (glyph - character) & 0xFFFF, 2);
        putBigEndian(segmented, 1, 2);
        segmented.append(2 * segments, '\0'); // no glyph index arrays
    }
    std::string full;
    for (std::uint32_t value : {12u, 0u})
        putBigEndian(full, value, 2);
    for (std::uint32_t value : {std::uint32_t(16 + 12 * newGlyphOf.size()), 0u,
                                std::uint32_t(newGlyphOf.size())})
        putBigEndian(full, value, 4);
    for (const auto& [character, glyph] : newGlyphOf)
        for (std::uint32_t value : {std::uint32_t(character), std::uint32_t(character), glyph})
            putBigEndian(full, value, 4);

    const std::uint32_t records = segmented.empty() ? 1 : 2;
    std::string out;
    putBigEndian(out, 0, 2);
    putBigEndian(out, records, 2);
    std::uint32_t offset = 4 + 8 * records;
    if (!segmented.empty()) {
        for (std::uint32_t value : {3u, 1u})
            putBigEndian(out, value, 2);
        putBigEndian(out, offset, 4);
        offset += std::uint32_t(segmented.size());
    }
    for (std::uint32_t value : {3u, 10u})
        putBigEndian(out, value, 2);
    putBigEndian(out, offset, 4);
    return out + segmented + full;
}

std::uint32_t checksum(std::string_view bytes)
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < bytes.size(); at += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k)
            word = word << 8 | (at + k < bytes.size() ? std::uint8_t(bytes[at + k]) : 0);
        sum += word;
    }
    return sum;
}

// An OpenType file of `tables`, sorted by tag; head's checksum adjustment is filled in.
std::string openTypeFile(const std::vector<std::pair<std::uint32_t, std::string>>& tables)
{
    const std::size_t count = tables.size();
    std::size_t power = 1, log = 0;
    while (power * 2 <= count)
        power *= 2, ++log;
    std::string out;
    putBigEndian(out, tagOf("OTTO"), 4);
    for (std::size_t value : {count, 16 * power, log, 16 * (count - power)})
        putBigEndian(out, std::uint32_t(value), 2);
    std::size_t offset = 12 + 16 * count;
    std::size_t headAt = 0;
    for (const auto& [tag, bytes] : tables) {
        putBigEndian(out, tag, 4);
        putBigEndian(out, checksum(bytes), 4);
        putBigEndian(out, std::uint32_t(offset), 4);
        putBigEndian(out, std::uint32_t(bytes.size()), 4);
        if (tag == tagOf("head"))
            headAt = offset;
        offset += (bytes.size() + 3) / 4 * 4;
    }
    for (const auto& [tag, bytes] : tables) {
        out += bytes;
        out.append((4 - bytes.size() % 4) % 4, '\0');
    }
    setBigEndian(out, headAt + 8, 0xB1B0AFBA - checksum(out), 4);
    return out;
}

std::string subsetFile(const FontTables& font, const std::vector<CharacterGlyph>& characters)
{
    std::vector<unsigned> glyphs{0};
    for (const CharacterGlyph& entry : characters)
        glyphs.push_back(entry.glyph);
    std::sort(glyphs.begin() + 1, glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    std::vector<std::pair<char32_t, unsigned>> newGlyphOf;
    for (const CharacterGlyph& entry : characters)
        newGlyphOf.emplace_back(entry.character,
                                unsigned(std::lower_bound(glyphs.begin(), glyphs.end(), entry.glyph) -
                                         glyphs.begin()));

    std::string head = wholeTable(font, tagOf("head"));
    std::string horizontalHeader = wholeTable(font, tagOf("hhea"));
    std::string postScript = wholeTable(font, tagOf("post"));
    if (head.size() < 54 || horizontalHeader.size() < 36 || postScript.size() < 32)
        throw Unusable{};
    setBigEndian(head, 8, 0, 4); // the checksum adjustment, made again for the new file
    const std::size_t metricsCount = bigEndian(horizontalHeader, 34, 2);
    setBigEndian(horizontalHeader, 34, std::uint32_t(glyphs.size()), 2);
    postScript.resize(32);
    setBigEndian(postScript, 0, 0x00030000, 4); // no glyph names
    std::string maximumProfile;
    putBigEndian(maximumProfile, 0x00005000, 4);
    putBigEndian(maximumProfile, std::uint32_t(glyphs.size()), 2);

    return openTypeFile({{cffTag, cffSubset(font, glyphs)},
                         {tagOf("OS/2"), wholeTable(font, tagOf("OS/2"))},
                         {tagOf("cmap"), characterMap(newGlyphOf)},
                         {tagOf("head"), head},
                         {tagOf("hhea"), horizontalHeader},
                         {tagOf("hmtx"), horizontalMetrics(font, glyphs, metricsCount)},
                         {tagOf("maxp"), maximumProfile},
                         {tagOf("name"), wholeTable(font, tagOf("name"))},
                         {tagOf("post"), postScript}});
}

} // namespace

std::optional<std::string> fontSubset(const FontTables& font,
                                      const std::vector<CharacterGlyph>& characters)
{
    if (characters.size() >= 0xFFFF)
        return std::nullopt;
    try {
        return subsetFile(font, characters);
    } catch (const Unusable&) {
        return std::nullopt;
    }
}

} // namespace quill
