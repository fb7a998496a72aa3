#include "sheet/truetype_subset.h"

#include <QtEndian>
#include <array>
#include <vector>

namespace coldesign {
namespace {

// A font table read with bounds checks: a read past its end gives 0 and marks it broken.
class Table {
 public:
  explicit Table(QByteArray bytes) : bytes_(std::move(bytes)) {}

  quint16 u16(qsizetype at) const {
    if (at < 0 || at + 2 > bytes_.size()) return broken();
    return qFromBigEndian<quint16>(bytes_.constData() + at);
  }
  qint16 s16(qsizetype at) const { return static_cast<qint16>(u16(at)); }
  quint32 u32(qsizetype at) const {
    if (at < 0 || at + 4 > bytes_.size()) return broken();
    return qFromBigEndian<quint32>(bytes_.constData() + at);
  }
  [[nodiscard]] QByteArrayView slice(qsizetype at, qsizetype size) const {
    if (at < 0 || size < 0 || at + size > bytes_.size()) {
      broken();
      return {};
    }
    return QByteArrayView(bytes_).sliced(at, size);
  }
  [[nodiscard]] const QByteArray& bytes() const { return bytes_; }
  [[nodiscard]] bool ok() const { return !bytes_.isEmpty() && !broken_; }

 private:
  int broken() const {
    broken_ = true;
    return 0;
  }

  QByteArray bytes_;
  mutable bool broken_ = false;
};

void AppendU16(QByteArray& out, quint16 value) {
  const std::array<char, 2> bytes = {static_cast<char>(value >> 8), static_cast<char>(value)};
  out.append(bytes.data(), 2);
}

void AppendU32(QByteArray& out, quint32 value) {
  AppendU16(out, static_cast<quint16>(value >> 16));
  AppendU16(out, static_cast<quint16>(value));
}

quint32 Checksum(QByteArrayView data) {
  quint32 sum = 0;
  for (qsizetype i = 0; i < data.size(); i += 4) {
    quint32 word = 0;
    for (qsizetype j = 0; j < 4; ++j) {
      word = (word << 8) | (i + j < data.size() ? static_cast<quint8>(data[i + j]) : 0);
    }
    sum += word;
  }
  return sum;
}

// The components a composite glyph is built of.
std::vector<quint32> Components(QByteArrayView glyph) {
  constexpr quint16 kWords = 0x0001;
  constexpr quint16 kScale = 0x0008;
  constexpr quint16 kMore = 0x0020;
  constexpr quint16 kXyScale = 0x0040;
  constexpr quint16 kTwoByTwo = 0x0080;
  std::vector<quint32> components;
  if (glyph.size() < 10 || qFromBigEndian<qint16>(glyph.data()) >= 0) return components;
  qsizetype at = 10;
  quint16 flags = kMore;
  while ((flags & kMore) != 0 && at + 4 <= glyph.size()) {
    flags = qFromBigEndian<quint16>(glyph.data() + at);
    components.push_back(qFromBigEndian<quint16>(glyph.data() + at + 2));
    at += 4 + ((flags & kWords) != 0 ? 4 : 2);
    if ((flags & kScale) != 0) {
      at += 2;
    } else if ((flags & kXyScale) != 0) {
      at += 4;
    } else if ((flags & kTwoByTwo) != 0) {
      at += 8;
    }
  }
  return components;
}

// Each glyph asked for mapped to the lowest character that the font's Unicode cmap maps to it.
std::map<quint32, char32_t> Characters(const Table& cmap, const std::set<quint32>& glyphs) {
  std::map<quint32, char32_t> characters;
  const auto found = [&](char32_t c, quint32 glyph) {
    if (glyph != 0 && glyphs.contains(glyph)) characters.try_emplace(glyph, c);
  };
  // The best Unicode subtable: full repertoire (format 12) before the basic plane (format 4).
  qsizetype best = -1;
  quint16 best_format = 0;
  for (quint16 i = 0, count = cmap.u16(2); i < count; ++i) {
    const qsizetype record = 4 + qsizetype{i} * 8;
    const quint16 platform = cmap.u16(record);
    const quint16 encoding = cmap.u16(record + 2);
    const qsizetype offset = cmap.u32(record + 4);
    const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
    const quint16 format = cmap.u16(offset);
    if (unicode && (format == 4 || format == 12) && format > best_format) {
      best = offset;
      best_format = format;
    }
  }
  if (best_format == 12) {
    for (quint32 i = 0, groups = cmap.u32(best + 12); i < groups && cmap.ok(); ++i) {
      const qsizetype group = best + 16 + qsizetype{i} * 12;
      const quint32 first = cmap.u32(group);
      const quint32 last = cmap.u32(group + 4);
      const quint32 first_glyph = cmap.u32(group + 8);
      // Only the glyphs asked for that fall in the group's run.
      for (auto glyph = glyphs.lower_bound(first_glyph);
           glyph != glyphs.end() && *glyph - first_glyph <= last - first; ++glyph) {
        found(first + (*glyph - first_glyph), *glyph);
      }
    }
  } else if (best_format == 4) {
    const qsizetype segments = cmap.u16(best + 6) / 2;
    const qsizetype ends = best + 14;
    const qsizetype starts = ends + segments * 2 + 2;
    const qsizetype deltas = starts + segments * 2;
    const qsizetype range_offsets = deltas + segments * 2;
    for (qsizetype s = 0; s < segments && cmap.ok(); ++s) {
      const quint16 start = cmap.u16(starts + s * 2);
      const quint16 end = cmap.u16(ends + s * 2);
      const quint16 delta = cmap.u16(deltas + s * 2);
      const qsizetype range_offset_at = range_offsets + s * 2;
      const quint16 range_offset = cmap.u16(range_offset_at);
      for (quint32 c = start; c <= end && c != 0xFFFF; ++c) {
        quint32 glyph = 0;
        if (range_offset == 0) {
          glyph = (c + delta) & 0xFFFF;
        } else {
          const quint16 indexed =
              cmap.u16(range_offset_at + range_offset + qsizetype{c - start} * 2);
          glyph = indexed == 0 ? 0 : (indexed + delta) & 0xFFFF;
        }
        found(c, glyph);
      }
    }
  }
  return characters;
}

// A font file of the given tables, in the order of their tags, with the checksum of the whole file
// in its head table.
QByteArray FontFile(const std::map<QByteArray, QByteArray>& tables) {
  const auto count = static_cast<quint16>(tables.size());
  quint16 power = 1;
  quint16 log2 = 0;
  while (power * 2 <= count) {
    power *= 2;
    ++log2;
  }
  QByteArray file;
  AppendU32(file, 0x00010000);
  AppendU16(file, count);
  AppendU16(file, power * 16);
  AppendU16(file, log2);
  AppendU16(file, count * 16 - power * 16);
  quint32 offset = 12 + quint32{count} * 16;
  quint32 head_at = 0;
  for (const auto& [tag, data] : tables) {
    if (tag == "head") head_at = offset;
    file += tag;
    AppendU32(file, Checksum(data));
    AppendU32(file, offset);
    AppendU32(file, static_cast<quint32>(data.size()));
    offset += (data.size() + 3) & ~3;
  }
  for (const auto& [tag, data] : tables) {
    file += data;
    file.append((4 - data.size() % 4) % 4, '\0');
  }
  constexpr qsizetype kAdjustment = 8;
  qToBigEndian<quint32>(0xB1B0AFBA - Checksum(file), file.data() + head_at + kAdjustment);
  return file;
}

}  // namespace

std::optional<TrueTypeSubset> SubsetTrueType(const QRawFont& font,
                                             const std::set<quint32>& glyphs) {
  const Table head(font.fontTable("head"));
  const Table hhea(font.fontTable("hhea"));
  const Table maxp(font.fontTable("maxp"));
  const Table loca(font.fontTable("loca"));
  const Table glyf(font.fontTable("glyf"));
  const Table hmtx(font.fontTable("hmtx"));
  const Table cmap(font.fontTable("cmap"));
  const quint16 glyph_count = maxp.u16(4);
  const bool long_offsets = head.s16(50) == 1;
  const auto glyph_data = [&](qsizetype glyph) {
    const qsizetype start = long_offsets ? loca.u32(glyph * 4) : qsizetype{loca.u16(glyph * 2)} * 2;
    const qsizetype end =
        long_offsets ? loca.u32(glyph * 4 + 4) : qsizetype{loca.u16(glyph * 2 + 2)} * 2;
    return end > start ? glyf.slice(start, end - start) : QByteArrayView();
  };

  // The glyphs asked for, the empty glyph and every component of a composite one.
  std::set<quint32> kept = {0};
  std::vector<quint32> pending(glyphs.begin(), glyphs.end());
  while (!pending.empty()) {
    const quint32 glyph = pending.back();
    pending.pop_back();
    if (glyph >= glyph_count || !kept.insert(glyph).second) continue;
    for (const quint32 component : Components(glyph_data(glyph))) pending.push_back(component);
  }

  // Glyphs past the last one kept are left out; those before it that are not kept are empty.
  const quint32 new_count = *kept.rbegin() + 1;
  QByteArray new_glyf;
  std::vector<quint32> offsets;
  for (quint32 glyph = 0; glyph < new_count; ++glyph) {
    offsets.push_back(static_cast<quint32>(new_glyf.size()));
    if (kept.contains(glyph)) {
      new_glyf += glyph_data(glyph);
      new_glyf.append((4 - new_glyf.size() % 4) % 4, '\0');
    }
  }
  offsets.push_back(static_cast<quint32>(new_glyf.size()));
  const bool new_long_offsets = new_glyf.size() / 2 > 0xFFFF;
  QByteArray new_loca;
  for (const quint32 offset : offsets) {
    if (new_long_offsets) {
      AppendU32(new_loca, offset);
    } else {
      AppendU16(new_loca, static_cast<quint16>(offset / 2));
    }
  }
  QByteArray new_head = head.bytes();
  QByteArray new_hhea = hhea.bytes();
  QByteArray new_maxp = maxp.bytes();
  const quint16 metrics = std::max<quint16>(hhea.u16(34), 1);
  const auto new_metrics = static_cast<quint16>(std::min<quint32>(metrics, new_count));
  const QByteArray new_hmtx = hmtx.bytes().left(new_metrics * 4 + (new_count - new_metrics) * 2);
  if (!head.ok() || !hhea.ok() || !maxp.ok() || !loca.ok() || !glyf.ok() || !hmtx.ok() ||
      new_head.size() < 54 || new_hhea.size() < 36 || new_maxp.size() < 6 || head.u16(18) == 0) {
    return std::nullopt;
  }
  qToBigEndian<quint32>(0, new_head.data() + 8);  // the file's checksum, counted without itself
  qToBigEndian<qint16>(new_long_offsets ? 1 : 0, new_head.data() + 50);
  qToBigEndian<quint16>(new_metrics, new_hhea.data() + 34);
  qToBigEndian<quint16>(static_cast<quint16>(new_count), new_maxp.data() + 4);

  TrueTypeSubset subset;
  subset.program = FontFile({{"glyf", new_glyf},
                             {"head", new_head},
                             {"hhea", new_hhea},
                             {"hmtx", new_hmtx},
                             {"loca", new_loca},
                             {"maxp", new_maxp}});

  subset.units_per_em = head.u16(18);
  subset.bounds = QRectF(QPointF(head.s16(36), head.s16(38)), QPointF(head.s16(40), head.s16(42)));
  subset.ascent = hhea.s16(4);
  subset.descent = hhea.s16(6);
  if (cmap.ok()) subset.characters = Characters(cmap, glyphs);
  return subset;
}

}  // namespace coldesign
