#include "output/pdf_drawing.h"

#include "base/utf8.h"
#include "output/freetype_faces.h"
#include "output/pdf_layout.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
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
        return font(familyFor(format.fontName)).cairoFace;
    }

    // A face with the glyphs of `characters` (see output/font_subset.h), or the full face
    // when it cannot be cut down; a reference the caller destroys. nullptr as for face().
    // A subset made for earlier documents serves while it holds every character asked for,
    // so a window writing sheet after sheet keeps one, not one per document in cairo's cache.
    cairo_font_face_t* subsetFace(const std::string& family, const std::set<char32_t>& characters)
    {
        const OpenFont& full = font(family);
        if (!full.cairoFace)
            return nullptr;
        Subset& kept = subsets_[family];
        if (!kept.face || !std::includes(kept.characters.begin(), kept.characters.end(),
                                         characters.begin(), characters.end())) {
            std::set<char32_t> wider = kept.characters;
            wider.insert(characters.begin(), characters.end());
            cairo_font_face_t* face = openSubset(full.face, wider);
            if (!face)
                return cairo_font_face_reference(full.cairoFace);
            if (kept.face)
                cairo_font_face_destroy(kept.face);
            kept = {std::move(wider), face};
        }
        return cairo_font_face_reference(kept.face);
    }

    std::mutex& mutex() { return mutex_; }

private:
    SheetFonts()
    {
        if (FT_Init_FreeType(&library_) != 0)
            library_ = nullptr;
    }

    struct OpenFont {
        FT_Face face = nullptr;
        cairo_font_face_t* cairoFace = nullptr;
    };

    const OpenFont& font(const std::string& family)
    {
        auto found = faces_.find(family);
        if (found == faces_.end())
            found = faces_.emplace(family, open(family.c_str())).first;
        return found->second;
    }

    OpenFont open(const char* family)
    {
        if (!library_)
            return {};
        FT_Face face = openInstalledFace(library_, family).face;
        if (face && FT_Get_Char_Index(face, probeCharacter) == 0) {
            FT_Done_Face(face);
            face = nullptr;
        }
        // The face lives as long as the process, as the cairo face made of it does.
        return face ? OpenFont{face, cairo_ft_font_face_create_for_ft_face(face, 0)} : OpenFont{};
    }

    // The subset's bytes live as long as FreeType's face of them, and that as long as cairo's.
    struct SubsetFont {
        std::string bytes;
        FT_Face face = nullptr;
        ~SubsetFont()
        {
            if (face)
                FT_Done_Face(face);
        }
    };

    cairo_font_face_t* openSubset(FT_Face full, const std::set<char32_t>& characters)
    {
        std::vector<CharacterGlyph> glyphs;
        for (char32_t character : characters)
            if (const FT_UInt glyph = FT_Get_Char_Index(full, character))
                glyphs.push_back({character, glyph});
        std::optional<std::string> bytes = fontSubset(FaceTables(full), glyphs);
        if (!bytes)
            return nullptr;
        auto subset = std::make_unique<SubsetFont>();
        subset->bytes = std::move(*bytes);
        if (FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(subset->bytes.data()),
                               FT_Long(subset->bytes.size()), 0, &subset->face) != 0) {
            subset->face = nullptr;
            return nullptr;
        }
        cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(subset->face, 0);
        static const cairo_user_data_key_t ownedSubset{};
        if (cairo_font_face_set_user_data(face, &ownedSubset, subset.get(), [](void* owned) {
                delete static_cast<SubsetFont*>(owned);
            }) != CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(face);
            return nullptr;
        }
        subset.release();
        return face;
    }

    struct Subset {
        std::set<char32_t> characters;
        cairo_font_face_t* face = nullptr;
    };

    FT_Library library_ = nullptr;
    std::map<std::string, OpenFont> faces_;
    std::map<std::string, Subset> subsets_;
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
// font without a bold weight: a bold face would be a second font file, for the title alone,
// with widths the layout did not measure. The text is still shown once, so it reads the same.
void embolden(cairo_t* cr, const PlacedText& text, double size)
{
    constexpr double strokeEms = 0.035;
    cairo_move_to(cr, text.x, text.baseline);
    cairo_text_path(cr, text.text.c_str());
    cairo_set_line_width(cr, strokeEms * size);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// The face each text is drawn in.
using FaceOf = std::function<cairo_font_face_t*(const RunFormat&)>;

void drawPage(cairo_t* cr, const LaidOutPage& page, const FaceOf& faceOf)
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
        cairo_font_face_t* face = faceOf(text.format);
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

// The faces a PDF is drawn in, cut down to the characters each family draws.
class DocumentFaces
{
public:
    explicit DocumentFaces(const PageLayout& layout)
    {
        std::map<std::string, std::set<char32_t>> characters; // of each family
        for (const LaidOutPage& page : layout.pages)
            for (const PlacedText& text : page.texts)
                addCharacters(text.text, characters[familyFor(text.format.fontName)]);
        for (const auto& [family, used] : characters)
            faces_[family] = SheetFonts::instance().subsetFace(family, used);
    }
    ~DocumentFaces()
    {
        for (const auto& [family, face] : faces_)
            if (face)
                cairo_font_face_destroy(face);
    }
    DocumentFaces(const DocumentFaces&) = delete;
    DocumentFaces& operator=(const DocumentFaces&) = delete;

    cairo_font_face_t* operator()(const RunFormat& format) const
    {
        const auto found = faces_.find(familyFor(format.fontName));
        return found == faces_.end() ? nullptr : found->second;
    }

private:
    static void addCharacters(std::string_view text, std::set<char32_t>& used)
    {
        while (!text.empty()) {
            char32_t character = 0;
            const std::size_t length = utf8Sequence(text, character);
            if (length > 0)
                used.insert(character);
            text.remove_prefix(std::max<std::size_t>(length, 1));
        }
    }

    std::map<std::string, cairo_font_face_t*> faces_;
};

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
    const std::optional<PageLayout> layout = layOut(document, reason);
    if (!layout)
        return std::nullopt;
    const DocumentFaces faces(*layout);
    std::string bytes;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(appendBytes, &bytes, layout->width, layout->height);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, std::string(title).c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Quillmere");
    cairo_t* cr = cairo_create(surface);
    for (const LaidOutPage& page : layout->pages) {
        drawPage(cr, page, std::cref(faces));
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
        drawPage(cr, layout->pages.front(), [](const RunFormat& format) {
            return SheetFonts::instance().face(format);
        });
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
