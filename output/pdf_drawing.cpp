#include "output/pdf_drawing.h"

#include "output/pdf_layout.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <malloc.h>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace quill
{

namespace
{

constexpr std::string_view noFontMessage =
    "找不到中文字体（Noto Serif CJK SC 或 Noto Sans CJK SC，Debian 的 fonts-noto-cjk 软件包）";
constexpr FT_ULong probeCharacter = 0x7EC3; // 练, in every sheet's title

// The sheets' font names stand for the CJK faces a Linux system has: 宋体 and 楷体 print
// with serifs, 黑体 and 微软雅黑 without.
const char* familyFor(const std::string& name)
{
    return name == "黑体" || name == "微软雅黑" ? "Noto Sans CJK SC" : "Noto Serif CJK SC";
}

// Fonts are opened once per process, the first time a document is drawn: a run that writes
// no PDF never reads fontconfig's configuration or a font file.
class SheetFonts
{
public:
    static SheetFonts& instance()
    {
        static SheetFonts fonts;
        return fonts;
    }

    // The face of a format, bold or not (see drawPage); nullptr when no installed font has
    // Chinese glyphs.
    cairo_font_face_t* face(const RunFormat& format)
    {
        const std::string family = familyFor(format.fontName);
        auto found = faces_.find(family);
        if (found == faces_.end())
            found = faces_.emplace(family, open(family.c_str())).first;
        return found->second;
    }

    std::mutex& mutex() { return mutex_; }

private:
    SheetFonts()
    {
        if (FT_Init_FreeType(&library_) != 0)
            library_ = nullptr;
    }

    cairo_font_face_t* open(const char* family)
    {
        if (!library_ || !FcInit())
            return nullptr;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        FcChar8* file = nullptr;
        int index = 0;
        FT_Face face = nullptr;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) != 0)
                face = nullptr;
        }
        if (match)
            FcPatternDestroy(match);
        if (face && FT_Get_Char_Index(face, probeCharacter) == 0) {
            FT_Done_Face(face);
            face = nullptr;
        }
        // The face lives as long as the process, as the cairo face made of it does.
        return face ? cairo_ft_font_face_create_for_ft_face(face, 0) : nullptr;
    }

    FT_Library library_ = nullptr;
    std::map<std::string, cairo_font_face_t*> faces_;
    std::mutex mutex_;
};

// Glyph advances without hinting, the same on a PDF page and a preview's pixels.
class FontOptions
{
public:
    FontOptions() : options_(cairo_font_options_create())
    {
        cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
    }
    ~FontOptions() { cairo_font_options_destroy(options_); }
    FontOptions(const FontOptions&) = delete;
    FontOptions& operator=(const FontOptions&) = delete;
    const cairo_font_options_t* get() const { return options_; }

private:
    cairo_font_options_t* options_;
};

class CairoMeasure : public TextMeasure
{
public:
    ~CairoMeasure() override
    {
        for (auto& [key, font] : scaled_)
            cairo_scaled_font_destroy(font);
    }

    double width(const RunFormat& format, std::string_view text) const override
    {
        cairo_scaled_font_t* font = scaledFont(format);
        if (!font || text.empty())
            return 0;
        cairo_text_extents_t extents;
        cairo_scaled_font_text_extents(font, std::string(text).c_str(), &extents);
        return extents.x_advance;
    }

    // Every face the document's runs ask for can be opened.
    static bool fontsFound(const DocxDocument& document)
    {
        bool found = true;
        const auto check = [&found](const Paragraph& paragraph) {
            for (const Run& run : paragraph.runs)
                found = found && SheetFonts::instance().face(run.format) != nullptr;
        };
        for (const Block& block : document.blocks) {
            if (const Paragraph* paragraph = std::get_if<Paragraph>(&block))
                check(*paragraph);
            else
                for (const TableRow& row : std::get<Table>(block).rows)
                    for (const TableCell& cell : row.cells)
                        for (const Paragraph& paragraph : cell.paragraphs)
                            check(paragraph);
        }
        return found;
    }

private:
    cairo_scaled_font_t* scaledFont(const RunFormat& format) const
    {
        for (auto& [known, font] : scaled_)
            if (known == format)
                return font;
        cairo_font_face_t* face = SheetFonts::instance().face(format);
        if (!face)
            return nullptr;
        cairo_matrix_t size, identity;
        cairo_matrix_init_scale(&size, format.halfPoints / 2.0, format.halfPoints / 2.0);
        cairo_matrix_init_identity(&identity);
        cairo_scaled_font_t* font =
            cairo_scaled_font_create(face, &size, &identity, options_.get());
        scaled_.emplace_back(format, font);
        return font;
    }

    FontOptions options_;
    mutable std::vector<std::pair<RunFormat, cairo_scaled_font_t*>> scaled_;
};

// Bold text is the regular face with its outline stroked, as word processors embolden a
// font without a bold weight. A bold face would be a second CJK font whose whole CFF table
// (23 MB for Noto Serif CJK) cairo copies twice for every document: a third of a PDF
// pair's time, for the title alone. The text is still shown once, so it reads the same.
void embolden(cairo_t* cr, const PlacedText& text, double size)
{
    constexpr double strokeEms = 0.035;
    cairo_move_to(cr, text.x, text.baseline);
    cairo_text_path(cr, text.text.c_str());
    cairo_set_line_width(cr, strokeEms * size);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void drawPage(cairo_t* cr, const LaidOutPage& page)
{
    const FontOptions options;
    cairo_set_font_options(cr, options.get());
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (const PlacedLine& line : page.lines) {
        cairo_set_line_width(cr, line.width);
        cairo_move_to(cr, line.x0, line.y0);
        cairo_line_to(cr, line.x1, line.y1);
        cairo_stroke(cr);
    }
    for (const PlacedText& text : page.texts) {
        cairo_font_face_t* face = SheetFonts::instance().face(text.format);
        if (!face)
            continue;
        const double size = text.format.halfPoints / 2.0;
        cairo_matrix_t matrix;
        cairo_matrix_init_scale(&matrix, size, size * text.verticalScale);
        cairo_set_font_face(cr, face);
        cairo_set_font_matrix(cr, &matrix);
        cairo_move_to(cr, text.x, text.baseline);
        cairo_show_text(cr, text.text.c_str());
        if (text.format.bold)
            embolden(cr, text, size);
    }
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The layout, or none when the fonts are missing.
std::optional<PageLayout> layOut(const DocxDocument& document, std::string& reason)
{
    const CairoMeasure measure;
    if (!measure.fontsFound(document)) {
        reason = noFontMessage;
        return std::nullopt;
    }
    return layOutDocument(document, measure);
}

constexpr std::size_t roomForSmallBlocks = 8 << 20;
constexpr std::size_t keptBlockSize = 1 << 20;

// cairo copies a font's whole CFF table (some 23 MB for a CJK font) out of the font file
// twice per face and document. Kept on the heap rather than mapped afresh for every copy,
// those megabytes are faulted in once per process instead of every time.
// The small blocks cairo takes while it holds a copy would otherwise come from the top of the
// heap, right after the copy, and keep its space from joining the free top once it is freed:
// the next copy would take 23 MB of fresh pages. A free block lower down, kept from the top by
// a block that stays, serves them instead; its pages are touched only as it is used.
void keepLargeBlocksOnTheHeap()
{
    // volatile: the compiler leaves out allocations it sees go unused.
    static void* volatile const keptBlock = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest glibc takes
        mallopt(M_TRIM_THRESHOLD, 256 << 20);
        void* volatile room = std::malloc(roomForSmallBlocks);
        void* kept = std::malloc(keptBlockSize); // too large for any free block: from the top
        std::free(room);
        return kept;
    }();
    (void)keptBlock;
}

std::string cairoFailure(cairo_status_t status)
{
    return std::string("PDF 绘制失败（") + cairo_status_to_string(status) + "）";
}

} // namespace

bool pdfAvailable()
{
    return true;
}

std::optional<std::string> pdfBytes(const DocxDocument& document, std::string_view title,
                                    std::string& reason)
{
    const std::lock_guard lock(SheetFonts::instance().mutex());
    keepLargeBlocksOnTheHeap();
    const std::optional<PageLayout> layout = layOut(document, reason);
    if (!layout)
        return std::nullopt;
    std::string bytes;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(appendBytes, &bytes, layout->width, layout->height);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, std::string(title).c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Quillmere");
    cairo_t* cr = cairo_create(surface);
    for (const LaidOutPage& page : layout->pages) {
        drawPage(cr, page);
        cairo_show_page(cr);
    }
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        reason = cairoFailure(status);
        return std::nullopt;
    }
    return bytes;
}

std::optional<PageImage> firstPageImage(const DocxDocument& document, double pixelsPerPoint,
                                        std::string& reason)
{
    const std::lock_guard lock(SheetFonts::instance().mutex());
    const std::optional<PageLayout> layout = layOut(document, reason);
    if (!layout)
        return std::nullopt;
    PageImage image;
    image.width = static_cast<int>(layout->width * pixelsPerPoint + 0.5);
    image.height = static_cast<int>(layout->height * pixelsPerPoint + 0.5);
    image.pageCount = static_cast<int>(layout->pages.size());
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, pixelsPerPoint, pixelsPerPoint);
    if (!layout->pages.empty())
        drawPage(cr, layout->pages.front());
    const cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (status == CAIRO_STATUS_SUCCESS) {
        image.stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        image.pixels.assign(data, data + static_cast<std::size_t>(image.stride) * image.height);
    }
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        reason = cairoFailure(status);
        return std::nullopt;
    }
    return image;
}

} // namespace quill
