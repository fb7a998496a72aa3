#include "dxf/schedule_dxf.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace coldesign {
namespace {

// dxflib writes only through a DL_WriterA, which writes to a file it opens itself. This one is
// given no file: it keeps the groups in memory, so that the caller writes the file whole or not
// at all, and writes its numbers with std::to_chars, whatever the process locale.
class MemoryWriter final : public DL_WriterA {
 public:
  explicit MemoryWriter(std::string& out) : DL_WriterA("", DL_VERSION_2000), out_(out) {}

  void dxfReal(int code, double value) const override {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    group(code, std::string_view(digits.data(), end));
  }
  void dxfInt(int code, int value) const override {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    group(code, std::string_view(digits.data(), end));
  }
  void dxfHex(int code, int value) const override {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<unsigned>(value), 16)
                         .ptr;
    std::string text(digits.data(), end);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    group(code, text);
  }
  void dxfString(int code, const char* value) const override { group(code, value); }
  void dxfString(int code, const std::string& value) const override { group(code, value); }

 private:
  // A group code right-aligned in three places, then its value, each on a line.
  void group(int code, std::string_view value) const {
    if (code < 10) out_ += ' ';
    if (code < 100) out_ += ' ';
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), code).ptr;
    out_.append(digits.data(), end);
    out_ += '\n';
    out_ += value;
    out_ += '\n';
  }

  std::string& out_;
};

// A group's value on one line: a line end or other control character in a mark becomes a
// blank. Letters outside ASCII, and the backslash that would start such a letter, go as
// \U+XXXX, the notation of R2000 files.
std::string DxfText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 3);
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80 && lead != '\\') {
      out += lead < 0x20 || lead == 0x7F ? ' ' : static_cast<char>(lead);
      ++i;
      continue;
    }
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    i += length;
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), code, 16).ptr;
    std::string hex(digits.data(), end);
    for (char& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    out += "\\U+" + std::string(hex.size() < 4 ? 4 - hex.size() : 0, '0') + hex;
  }
  return out;
}

struct Layer {
  DrawingLayer layer;
  const char* name;
  int colour;       // AutoCAD's colour index
  int line_weight;  // hundredths of a millimetre
};

constexpr std::array kLayers = {
    Layer{DrawingLayer::Outlines, "OUTLINES", 7, 50}, Layer{DrawingLayer::Ties, "TIES", 3, 35},
    Layer{DrawingLayer::Bars, "BARS", 1, 25},         Layer{DrawingLayer::Texts, "TEXTS", 7, 18},
    Layer{DrawingLayer::Grid, "GRID", 8, 25},
};
constexpr int kByLayer = 256;
constexpr int kMillimetres = 4;  // $INSUNITS
constexpr int kMetric = 1;       // $MEASUREMENT
constexpr const char* kTextStyle = "Standard";

DL_Attributes On(DrawingLayer layer) {
  for (const Layer& each : kLayers) {
    if (each.layer == layer) return {each.name, kByLayer, -1, "BYLAYER", 1.0};
  }
  return {};
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& writer) {
  writer.sectionTables();
  dxf.writeVPort(writer);
  writer.tableLinetypes(3);
  dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
  dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
  dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
  writer.tableEnd();
  writer.tableLayers(static_cast<int>(kLayers.size()) + 1);
  dxf.writeLayer(writer, DL_LayerData("0", 0), DL_Attributes("", 7, 25, "CONTINUOUS", 1.0));
  for (const Layer& layer : kLayers) {
    dxf.writeLayer(writer, DL_LayerData(layer.name, 0),
                   DL_Attributes("", layer.colour, layer.line_weight, "CONTINUOUS", 1.0));
  }
  writer.tableEnd();
  writer.tableStyle(1);
  dxf.writeStyle(writer, DL_StyleData(kTextStyle, 0, 0, 1, 0, 0, 2.5, "arial.ttf", ""));
  writer.tableEnd();
  dxf.writeView(writer);
  dxf.writeUcs(writer);
  writer.tableAppid(1);
  dxf.writeAppid(writer, "ACAD");
  writer.tableEnd();
  dxf.writeDimStyle(writer, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(writer);
  writer.tableEnd();
  writer.sectionEnd();
  writer.sectionBlocks();
  for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(writer, DL_BlockData(block, 0, 0, 0, 0));
    dxf.writeEndBlock(writer, block);
  }
  writer.sectionEnd();
}

void WriteSheet(DL_Dxf& dxf, DL_WriterA& writer, const DrawingSheet& sheet, double left,
                const DrawingWordsInText& words) {
  for (const DrawingLine& line : sheet.lines) {
    dxf.writeLine(writer,
                  DL_LineData(left + line.from.x, line.from.y, 0, left + line.to.x, line.to.y, 0),
                  On(line.layer));
  }
  for (const DrawingPolyline& polyline : sheet.polylines) {
    dxf.writePolyline(
        writer,
        DL_PolylineData(static_cast<int>(polyline.vertices.size()), 0, 0, polyline.closed ? 1 : 0),
        On(polyline.layer));
    for (const DrawingVertex& vertex : polyline.vertices) {
      dxf.writeVertex(writer, DL_VertexData(left + vertex.at.x, vertex.at.y, 0, vertex.bulge));
    }
    dxf.writePolylineEnd(writer);
  }
  for (const DrawingCircle& circle : sheet.circles) {
    dxf.writeCircle(writer,
                    DL_CircleData(left + circle.centre.x, circle.centre.y, 0, circle.radius),
                    On(circle.layer));
  }
  constexpr int kMiddle = 2;  // of the text's height
  for (const DrawingText& text : sheet.texts) {
    const int along = text.anchor == TextAnchor::Left     ? 0
                      : text.anchor == TextAnchor::Centre ? 1
                                                          : 2;
    const double x = left + text.at.x;
    dxf.writeText(writer,
                  DL_TextData(x, text.at.y, 0, x, text.at.y, 0, text.height, 1, 0, along, kMiddle,
                              DxfText(words(text)), kTextStyle, 0),
                  On(DrawingLayer::Texts));
  }
}

}  // namespace

std::string ScheduleDxf(const ScheduleDrawing& drawing, const DrawingWordsInText& words) {
  std::string out;
  MemoryWriter writer(out);
  DL_Dxf dxf;
  dxf.writeHeader(writer);
  writer.dxfString(9, "$INSUNITS");
  writer.dxfInt(70, kMillimetres);
  writer.dxfString(9, "$MEASUREMENT");
  writer.dxfInt(70, kMetric);
  writer.sectionEnd();
  WriteTables(dxf, writer);

  writer.sectionEntities();
  double left = 0;
  for (const DrawingSheet& sheet : drawing.sheets) {
    WriteSheet(dxf, writer, sheet, left, words);
    left += sheet.width * 1.05;  // a gap between sheets
  }
  writer.sectionEnd();
  dxf.writeObjects(writer);
  dxf.writeObjectsEnd(writer);
  writer.dxfEOF();
  return out;
}

}  // namespace coldesign
