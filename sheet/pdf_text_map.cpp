#include "sheet/pdf_text_map.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

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

// One map line of a bfrange or bfchar section, with its destinations made plain.
QByteArray PlainMapLine(const QByteArray& line) {
  static const QRegularExpression kCode(u"<([0-9A-Fa-f]+)>"_s);
  QList<uint> codes;
  for (const auto& match : kCode.globalMatch(QString::fromLatin1(line))) {
    codes.append(match.captured(1).toUInt(nullptr, 16));
  }
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
  const QString text = QString::fromLatin1(pdf);  // one character a byte: offsets stay
  static const QRegularExpression kMapReference(u"/ToUnicode (\\d+) 0 R"_s);
  QList<Edit> edits;
  for (const auto& reference : kMapReference.globalMatch(text)) {
    const QRegularExpression object(u"\\n"_s + reference.captured(1) +
                                    u" 0 obj\\n<< /Length (\\d+) >>\\nstream\\n"_s);
    const auto header = object.match(text);
    if (!header.hasMatch()) return pdf;
    const qsizetype start = header.capturedStart(0) + 1;
    const qsizetype data = header.capturedEnd(0);
    const qsizetype end = data + header.captured(1).toLongLong();
    if (end > pdf.size()) return pdf;
    const QByteArray map = PlainTextMap(pdf.mid(data, end - data));
    edits.append({start, end,
                  reference.captured(1).toLatin1() + " 0 obj\n<< /Length " +
                      QByteArray::number(map.size()) + " >>\nstream\n" + map});
  }
  if (edits.isEmpty()) return pdf;
  std::ranges::sort(edits, {}, &Edit::start);

  static const QRegularExpression kStartXref(u"startxref\\n(\\d+)\\s*\\n%%EOF\\s*$"_s);
  const auto start_xref = kStartXref.match(text);
  if (!start_xref.hasMatch()) return pdf;
  const qsizetype xref = start_xref.captured(1).toLongLong();
  static const QRegularExpression kXrefHead(u"^xref\\n0 (\\d+)\\n"_s);
  const auto head = kXrefHead.match(text.mid(xref, 32));
  if (!head.hasMatch()) return pdf;
  const qsizetype entries = head.captured(1).toLongLong();
  const qsizetype first_entry = xref + head.capturedEnd(0);

  QByteArray out;
  qsizetype copied = 0;
  for (const Edit& edit : edits) {
    out += pdf.mid(copied, edit.start - copied) + edit.replacement;
    copied = edit.end;
  }
  out += pdf.mid(copied, first_entry - copied);
  // Each entry is 20 bytes: a 10-digit offset, a 5-digit generation, the type, two ends.
  for (qsizetype i = 0; i < entries; ++i) {
    QByteArray entry = pdf.mid(first_entry + i * 20, 20);
    if (entry.size() != 20) return pdf;
    if (entry[17] == 'n') {
      const qsizetype offset = Shifted(entry.left(10).toLongLong(), edits);
      entry.replace(0, 10, QByteArray::number(offset).rightJustified(10, '0'));
    }
    out += entry;
  }
  const qsizetype rest = first_entry + entries * 20;
  const QByteArray tail = pdf.mid(rest);
  const qsizetype tail_xref = tail.lastIndexOf("startxref\n");
  if (tail_xref < 0) return pdf;
  out +=
      tail.left(tail_xref) + "startxref\n" + QByteArray::number(Shifted(xref, edits)) + "\n%%EOF\n";
  return out;
}

}  // namespace coldesign
