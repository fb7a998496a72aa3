#include "sheet/font_subset.h"

#include <hb-subset.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>

namespace coldesign {
namespace {

struct HarfBuzzRelease {
  void operator()(hb_blob_t* blob) const { hb_blob_destroy(blob); }
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
  void operator()(hb_font_t* font) const { hb_font_destroy(font); }
  void operator()(hb_subset_input_t* input) const { hb_subset_input_destroy(input); }
};
template <typename T>
using HarfBuzz = std::unique_ptr<T, HarfBuzzRelease>;

struct Table {
  const char* tag;
  bool required;
};

// The tables a PDF reader draws TrueType glyphs with: the outlines and their metrics, and the
// programs and values that hint them. Layout and naming tables stay behind: the page is shaped
// already, and the PDF names the font itself.
constexpr std::array<Table, 10> kTables = {{{"head", true},
                                            {"hhea", true},
                                            {"maxp", true},
                                            {"loca", true},
                                            {"glyf", true},
                                            {"hmtx", true},
                                            {"cvt ", false},
                                            {"fpgm", false},
                                            {"prep", false},
                                            {"gasp", false}}};

// The font as a file of those tables, for HarfBuzz to read; nothing when one it needs is missing.
HarfBuzz<hb_face_t> FontFace(const QRawFont& font) {
  const HarfBuzz<hb_face_t> builder(hb_face_builder_create());
  for (const Table& table : kTables) {
    const QByteArray data = font.fontTable(table.tag);
    if (data.isEmpty()) {
      if (table.required) return nullptr;
      continue;
    }
    auto* const kept = new QByteArray(data);  // until HarfBuzz lets go of it
    const HarfBuzz<hb_blob_t> blob(hb_blob_create(
        kept->constData(), static_cast<unsigned>(kept->size()), HB_MEMORY_MODE_READONLY, kept,
        [](void* bytes) { delete static_cast<QByteArray*>(bytes); }));
    hb_face_builder_add_table(
        builder.get(), HB_TAG(table.tag[0], table.tag[1], table.tag[2], table.tag[3]), blob.get());
  }
  const HarfBuzz<hb_blob_t> file(hb_face_reference_blob(builder.get()));
  return HarfBuzz<hb_face_t>(hb_face_create(file.get(), 0));
}

// The face of the font, made once: a font does not change while the program runs, and every sheet
// written embeds the same few.
HarfBuzz<hb_face_t> KeptFontFace(const QRawFont& font) {
  static std::mutex mutex;
  static std::map<QByteArray, HarfBuzz<hb_face_t>> faces;
  const QByteArray key =
      font.familyName().toUtf8() + '\0' + font.styleName().toUtf8() + '\0' + font.fontTable("head");
  const std::lock_guard lock(mutex);
  HarfBuzz<hb_face_t>& face = faces[key];
  if (!face) face = FontFace(font);
  return HarfBuzz<hb_face_t>(face ? hb_face_reference(face.get()) : nullptr);
}

}  // namespace

std::optional<FontSubset> SubsetFont(const QRawFont& font, const std::set<quint32>& glyphs) {
  const HarfBuzz<hb_face_t> face = KeptFontFace(font);
  const HarfBuzz<hb_subset_input_t> input(hb_subset_input_create_or_fail());
  if (!face || !input) return std::nullopt;
  hb_set_t* const kept = hb_subset_input_glyph_set(input.get());
  for (const quint32 glyph : glyphs) hb_set_add(kept, glyph);
  hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
  const HarfBuzz<hb_face_t> subset(hb_subset_or_fail(face.get(), input.get()));
  if (!subset) return std::nullopt;
  const HarfBuzz<hb_blob_t> program(hb_face_reference_blob(subset.get()));
  unsigned int size = 0;
  const char* const data = hb_blob_get_data(program.get(), &size);
  if (size == 0) return std::nullopt;

  FontSubset result;
  result.program = QByteArray(data, size);
  result.units_per_em = static_cast<int>(hb_face_get_upem(face.get()));
  const HarfBuzz<hb_font_t> metrics(hb_font_create(face.get()));  // in font units
  hb_font_extents_t extents{};
  hb_font_get_h_extents(metrics.get(), &extents);
  result.ascent = extents.ascender;
  result.descent = extents.descender;
  for (const quint32 glyph : glyphs) {
    hb_glyph_extents_t box{};
    if (hb_font_get_glyph_extents(metrics.get(), glyph, &box) != 0) {
      result.bounds |= QRectF(QPointF(box.x_bearing, box.y_bearing + box.height),
                              QPointF(box.x_bearing + box.width, box.y_bearing));
    }
  }
  return result;
}

}  // namespace coldesign
