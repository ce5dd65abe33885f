#include "output/docx_package.h"

#include <cstdint>
#include <zlib.h>

namespace quill
{

namespace
{

// A ZIP archive as Word and every ZIP reader takes it: each part deflated, a local header
// before it, the central directory and its end record after the last. Written here rather
// than through a ZIP library, whose start-up cost (it brings a cryptography library along)
// would be most of a command-line run.

constexpr std::uint16_t deflated = 8;
constexpr std::uint16_t utf8Names = 1 << 11;
constexpr std::uint16_t versionNeeded = 20;
constexpr std::uint16_t dosDate = (1 << 5) | 1; // 1980-01-01: parts carry no meaningful time

void put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

struct Entry {
    std::string name;
    std::uint32_t crc = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

// One deflate stream for all parts of a package, with a small hash table (memory level 5): a
// command-line run spends more on the fresh pages of zlib's default tables than on compressing,
// and the smaller table leaves documents under 1 % larger.
class Deflater
{
public:
    Deflater()
    {
        ready_ = deflateInit2(&stream_, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 5,
                              Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater()
    {
        if (ready_)
            deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    std::optional<std::string> deflated(const std::string& text, std::string& error)
    {
        if (!ready_ || deflateReset(&stream_) != Z_OK) {
            error = "ZIP: 压缩初始化失败";
            return std::nullopt;
        }
        std::string out(deflateBound(&stream_, static_cast<uLong>(text.size())), '\0');
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        stream_.avail_in = static_cast<uInt>(text.size());
        stream_.next_out = reinterpret_cast<Bytef*>(out.data());
        stream_.avail_out = static_cast<uInt>(out.size());
        if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) {
            error = "ZIP: 压缩失败";
            return std::nullopt;
        }
        out.resize(stream_.total_out);
        return out;
    }

private:
    z_stream stream_{};
    bool ready_ = false;
};

// The fields the local header and the central directory share.
void putCommonFields(std::string& out, const Entry& entry)
{
    put16(out, versionNeeded);
    put16(out, utf8Names);
    put16(out, deflated);
    put16(out, 0); // time
    put16(out, dosDate);
    put32(out, entry.crc);
    put32(out, entry.compressedSize);
    put32(out, entry.size);
    put16(out, static_cast<std::uint16_t>(entry.name.size()));
    put16(out, 0); // extra field
}

void putCentralDirectory(std::string& out, const std::vector<Entry>& entries)
{
    const auto start = static_cast<std::uint32_t>(out.size());
    for (const Entry& entry : entries) {
        put32(out, 0x02014b50);
        put16(out, versionNeeded); // made by: MS-DOS attributes
        putCommonFields(out, entry);
        put16(out, 0); // comment
        put16(out, 0); // disk
        put16(out, 0); // internal attributes
        put32(out, 0); // external attributes
        put32(out, entry.offset);
        out += entry.name;
    }
    const auto size = static_cast<std::uint32_t>(out.size()) - start;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint16_t>(entries.size()));
    put16(out, static_cast<std::uint16_t>(entries.size()));
    put32(out, size);
    put32(out, start);
    put16(out, 0); // comment
}

} // namespace

std::optional<std::string> packDocx(const std::vector<DocxPart>& parts, std::string& error)
{
    std::string archive;
    std::vector<Entry> entries;
    Deflater deflater;
    for (const DocxPart& part : parts) {
        const std::optional<std::string> packed = deflater.deflated(part.xml, error);
        if (!packed)
            return std::nullopt;
        // A worksheet is far below the 4 GB a plain ZIP archive can hold; refuse, never wrap.
        if (archive.size() + packed->size() + part.name.size() > 0xFFFF0000u ||
            part.xml.size() > 0xFFFF0000u) {
            error = "ZIP: 文档太大";
            return std::nullopt;
        }
        Entry entry{part.name,
                    static_cast<std::uint32_t>(crc32(
                        0, reinterpret_cast<const Bytef*>(part.xml.data()),
                        static_cast<uInt>(part.xml.size()))),
                    static_cast<std::uint32_t>(packed->size()),
                    static_cast<std::uint32_t>(part.xml.size()),
                    static_cast<std::uint32_t>(archive.size())};
        put32(archive, 0x04034b50);
        putCommonFields(archive, entry);
        archive += entry.name;
        archive += *packed;
        entries.push_back(std::move(entry));
    }
    putCentralDirectory(archive, entries);
    return archive;
}

} // namespace quill
