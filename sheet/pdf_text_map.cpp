#include "sheet/pdf_text_map.h"

#include <QList>
#include <algorithm>
#include <optional>
#include <utility>

namespace coldesign {
namespace {

constexpr char16_t kLam = u'\u0644';
constexpr char16_t kZeroWidthJoiner = u'\u200D';

// The isolated lam-alef ligature for each alef; the final form is the next character.
char16_t IsolatedLamAlef(QChar alef) {
  switch (alef.unicode()) {
    case u'\u0622':
      return u'\uFEF5';
    case u'\u0623':
      return u'\uFEF7';
    case u'\u0625':
      return u'\uFEF9';
    case u'\u0627':
      return u'\uFEFB';
    default:
      return 0;
  }
}

// Positional forms of single letters. The lam-alef ligatures (U+FEF5 to U+FEFC) stay as they are:
// poppler reverses the letters of a ligature that reads back as two, so the pair would come out
// as alef-lam.
bool IsPositionalForm(uint code) {
  return (code >= 0xFB50 && code <= 0xFDFF) || (code >= 0xFE70 && code <= 0xFEF4);
}

QByteArray Hex(const QString& text) {
  QByteArray hex = "<";
  for (const QChar c : text)
    hex += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
  return hex + '>';
}

// The letters a destination code of a text map stands for.
QByteArray PlainDestination(uint code) {
  QString text(QChar(static_cast<char16_t>(code)));
  if (IsPositionalForm(code)) text = text.normalized(QString::NormalizationForm_KC);
  return Hex(text);
}

// The codes of a map line: the hexadecimal numbers between angle brackets, in order.
QList<uint> HexCodes(QByteArrayView line) {
  QList<uint> codes;
  for (qsizetype open = line.indexOf('<'); open >= 0; open = line.indexOf('<', open + 1)) {
    const qsizetype close = line.indexOf('>', open + 1);
    if (close < 0) break;
    bool ok = false;
    const uint code = line.sliced(open + 1, close - open - 1).toUInt(&ok, 16);
    if (ok) codes.append(code);
    open = close;
  }
  return codes;
}

// One map line of a bfrange or bfchar section, with its destinations made plain.
QByteArray PlainMapLine(const QByteArray& line) {
  const QList<uint> codes = HexCodes(line);
  const auto source = [&](int i) { return Hex(QString(QChar(static_cast<char16_t>(codes[i])))); };
  if (line.contains('[') && codes.size() >= 2) {  // <first> <last> [<dest> ...]
    QByteArray out = source(0) + ' ' + source(1) + " [";
    for (qsizetype i = 2; i < codes.size(); ++i) out += PlainDestination(codes[i]) + ' ';
    return out + ']';
  }
  if (codes.size() == 3) {  // <first> <last> <dest of first>, rising by one
    if (codes[0] == codes[1]) return source(0) + ' ' + source(1) + ' ' + PlainDestination(codes[2]);
    QByteArray out = source(0) + ' ' + source(1) + " [";
    for (uint i = 0; i <= codes[1] - codes[0]; ++i) out += PlainDestination(codes[2] + i) + ' ';
    return out + ']';
  }
  if (codes.size() == 2) return source(0) + ' ' + PlainDestination(codes[1]);  // bfchar
  return line;
}

QByteArray PlainTextMap(const QByteArray& map) {
  QList<QByteArray> lines = map.split('\n');
  bool in_map = false;
  for (QByteArray& line : lines) {
    if (line.endsWith("beginbfrange") || line.endsWith("beginbfchar")) {
      in_map = true;
    } else if (line == "endbfrange" || line == "endbfchar") {
      in_map = false;
    } else if (in_map) {
      line = PlainMapLine(line);
    }
  }
  return lines.join('\n');
}

struct Edit {
  qsizetype start = 0;
  qsizetype end = 0;
  QByteArray replacement;
};

// The offset an old offset moves to once the edits before it are made.
qsizetype Shifted(qsizetype offset, const QList<Edit>& edits) {
  qsizetype shift = 0;
  for (const Edit& edit : edits) {
    if (edit.start < offset) shift += edit.replacement.size() - (edit.end - edit.start);
  }
  return offset + shift;
}

// The unsigned decimal number at `position`, which is moved past it.
std::optional<qsizetype> NumberAt(QByteArrayView bytes, qsizetype& position) {
  const qsizetype first = position;
  while (position < bytes.size() && bytes[position] >= '0' && bytes[position] <= '9') ++position;
  if (position == first || position - first > 12) return std::nullopt;
  return bytes.sliced(first, position - first).toLongLong();
}

}  // namespace

QString WithLamAlefLigatures(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ligature =
        text[i] == QChar(kLam) && i + 1 < text.size() ? IsolatedLamAlef(text[i + 1]) : 0;
    if (ligature == 0) {
      out += text[i];
      continue;
    }
    // After a letter that joins to its left, the final form, and a joiner so that the letter
    // keeps its joining shape.
    const bool joined = i > 0 && (text[i - 1].joiningType() == QChar::Joining_Dual ||
                                  text[i - 1].joiningType() == QChar::Joining_Causing);
    if (joined) out += QChar(kZeroWidthJoiner);
    out += QChar(static_cast<char16_t>(ligature + (joined ? 1 : 0)));
    ++i;
  }
  return out;
}

QByteArray WithPlainLettersInTextMaps(const QByteArray& pdf) {
  const QByteArrayView bytes(pdf);
  QList<Edit> edits;
  constexpr QByteArrayView kMapReference = "/ToUnicode ";
  for (qsizetype at = bytes.indexOf(kMapReference); at >= 0;
       at = bytes.indexOf(kMapReference, at + 1)) {
    qsizetype position = at + kMapReference.size();
    const auto object = NumberAt(bytes, position);
    if (!object || !bytes.sliced(position).startsWith(" 0 R")) return pdf;
    const QByteArray head = '\n' + QByteArray::number(*object) + " 0 obj\n<< /Length ";
    const qsizetype start = bytes.indexOf(head);
    if (start < 0) return pdf;
    position = start + head.size();
    const auto length = NumberAt(bytes, position);
    constexpr QByteArrayView kStream = " >>\nstream\n";
    if (!length || !bytes.sliced(position).startsWith(kStream)) return pdf;
    const qsizetype data = position + kStream.size();
    const qsizetype end = data + *length;
    if (end > pdf.size()) return pdf;
    const QByteArray map = PlainTextMap(pdf.sliced(data, *length));
    edits.append({start + 1, end,
                  head.sliced(1) + QByteArray::number(map.size()) + kStream.toByteArray() + map});
  }
  if (edits.isEmpty()) return pdf;
  std::ranges::sort(edits, {}, &Edit::start);

  constexpr QByteArrayView kStartXref = "startxref\n";
  const qsizetype start_xref = bytes.lastIndexOf(kStartXref);
  if (start_xref < 0) return pdf;
  qsizetype position = start_xref + kStartXref.size();
  const auto xref = NumberAt(bytes, position);
  constexpr QByteArrayView kXrefHead = "xref\n0 ";
  if (!xref || *xref >= pdf.size() || !bytes.sliced(*xref).startsWith(kXrefHead)) return pdf;
  position = *xref + kXrefHead.size();
  const auto entries = NumberAt(bytes, position);
  if (!entries || position >= pdf.size() || bytes[position] != '\n') return pdf;
  const qsizetype first_entry = position + 1;

  QByteArray out;
  out.reserve(pdf.size() + 4096);
  qsizetype copied = 0;
  for (const Edit& edit : edits) {
    out += bytes.sliced(copied, edit.start - copied);
    out += edit.replacement;
    copied = edit.end;
  }
  out += bytes.sliced(copied, first_entry - copied);
  // Each entry is 20 bytes: a 10-digit offset, a 5-digit generation, the type, two ends.
  for (qsizetype i = 0; i < *entries; ++i) {
    QByteArray entry = pdf.mid(first_entry + i * 20, 20);
    if (entry.size() != 20) return pdf;
    if (entry[17] == 'n') {
      const qsizetype offset = Shifted(entry.left(10).toLongLong(), edits);
      entry.replace(0, 10, QByteArray::number(offset).rightJustified(10, '0'));
    }
    out += entry;
  }
  const qsizetype rest = first_entry + *entries * 20;
  if (rest > start_xref) return pdf;
  out += bytes.sliced(rest, start_xref - rest);
  out += kStartXref;
  out += QByteArray::number(Shifted(*xref, edits)) + "\n%%EOF\n";
  return out;
}

}  // namespace coldesign
