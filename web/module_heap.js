// A module's memory as its glue uses it: one instance at a time, a scratch block of its heap
// that holds the inputs of every call, and the texts of its answers read out. calculation.js
// keeps one for every call; schedule.js takes a fresh one for each schedule.

// Inputs up to this many UTF-16 code units are encoded here rather than by TextEncoder, whose
// call costs more than the whole calculation on short texts.
const HAND_ENCODED_UNITS = 128;
// Answers up to this many bytes are read here when they are ASCII, as the calculation's are.
const HAND_DECODED_BYTES = 64;

// A WebAssembly memory never shrinks: after a call on a huge input (a pasted megabyte, say)
// has grown it past this, the module starts afresh with a new instance and a small memory.
const KEPT_MEMORY_BYTES = 4 * 1024 * 1024;
// The scratch block grows to the next power of two up to this size, and past it to the size
// asked: a schedule file of a hundred megabytes is not given room for two hundred.
const DOUBLED_SCRATCH_BYTES = 1024 * 1024;

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The UTF-8 length of the text's first `end` code units, as TextEncoder counts it.
export function utf8Length(text, end) {
  let size = end;
  for (let i = 0; i < end; i++) {
    const c = text.charCodeAt(i);
    if (c < 0x80) continue;
    size += c < 0x800 ? 1 : 2;
    const pair = c >= 0xd800 && c <= 0xdbff && i + 1 < end;
    if (pair && text.charCodeAt(i + 1) >= 0xdc00 && text.charCodeAt(i + 1) <= 0xdfff) i++;
  }
  return size;
}

// Bytes enough for the text's UTF-8: exact for a long text, whose block should not be three
// times its size.
const roomFor = (text) =>
  text.length > HAND_ENCODED_UNITS ? utf8Length(text, text.length) : 3 * text.length;

export class ModuleHeap {
  constructor(module, imports, name) {
    this.module = module;
    this.imports = imports;
    this.name = name;
    // The byte lengths of the texts writeTexts() last wrote.
    this.sizes = [0, 0];
    this.start();
  }

  start() {
    this.exports = new WebAssembly.Instance(this.module, this.imports).exports;
    this.exports._initialize();
    this.memory = this.exports.memory;
    // Views of the module's memory; a growing memory detaches them (their length becomes 0).
    this.heap = new Uint8Array(this.memory.buffer);
    this.words = new Uint32Array(this.memory.buffer);
    // One block of the module's heap holds the inputs of every call; it grows to the longest.
    this.scratch = 0;
    this.scratchSize = 0;
    this.reserveScratch(1);
  }

  refreshViews() {
    if (this.heap.byteLength === 0) {
      this.heap = new Uint8Array(this.memory.buffer);
      this.words = new Uint32Array(this.memory.buffer);
    }
  }

  reserveScratch(size) {
    if (size <= this.scratchSize) return;
    if (this.scratch !== 0) this.exports.free(this.scratch);
    this.scratchSize = 0;
    let wanted = 256;
    while (wanted < size && wanted < DOUBLED_SCRATCH_BYTES) wanted *= 2;
    wanted = Math.max(wanted, size);
    this.scratch = this.exports.alloc(wanted);
    if (this.scratch === 0) throw new Error(`${this.name} is out of memory`);
    this.scratchSize = wanted;
  }

  // Called once a call's answer has been read.
  recycleAfterHugeInput() {
    if (this.memory.buffer.byteLength > KEPT_MEMORY_BYTES) this.start();
  }

  // Writes the text's UTF-8 bytes at address, as TextEncoder does (a lone surrogate becomes
  // U+FFFD); returns their count. The room roomFor() gives must be there.
  writeText(text, address) {
    const { heap } = this;
    if (text.length > HAND_ENCODED_UNITS) {
      return encoder.encodeInto(text, heap.subarray(address, this.scratch + this.scratchSize))
        .written;
    }
    let at = address;
    for (let i = 0; i < text.length; i++) {
      let c = text.charCodeAt(i);
      if (c < 0x80) {
        heap[at++] = c;
      } else if (c < 0x800) {
        heap[at++] = 0xc0 | (c >> 6);
        heap[at++] = 0x80 | (c & 0x3f);
      } else {
        if (c >= 0xd800 && c <= 0xdfff) {
          const next = i + 1 < text.length ? text.charCodeAt(i + 1) : 0;
          if (c <= 0xdbff && next >= 0xdc00 && next <= 0xdfff) {
            c = 0x10000 + ((c - 0xd800) << 10) + (next - 0xdc00);
            i++;
            heap[at++] = 0xf0 | (c >> 18);
            heap[at++] = 0x80 | ((c >> 12) & 0x3f);
            heap[at++] = 0x80 | ((c >> 6) & 0x3f);
            heap[at++] = 0x80 | (c & 0x3f);
            continue;
          }
          c = 0xfffd;
        }
        heap[at++] = 0xe0 | (c >> 12);
        heap[at++] = 0x80 | ((c >> 6) & 0x3f);
        heap[at++] = 0x80 | (c & 0x3f);
      }
    }
    return at - address;
  }

  // Puts one or two texts into the scratch block; their lengths in bytes go to `sizes`.
  writeTexts(first, second = "") {
    this.reserveScratch(roomFor(first) + roomFor(second));
    this.refreshViews();
    this.sizes[0] = this.writeText(first, this.scratch);
    this.sizes[1] = this.writeText(second, this.scratch + this.sizes[0]);
  }

  // Writes texts (strings, or bytes as a Uint8Array) one after another into the scratch block,
  // and after them the table of their addresses and sizes, which the module reads as an array
  // of TextView; returns the table's address.
  writeTextList(items) {
    let room = 4 + 8 * items.length;
    for (const item of items) room += typeof item === "string" ? roomFor(item) : item.length;
    this.reserveScratch(room);
    this.refreshViews();
    const table = new Uint32Array(2 * items.length);
    let at = this.scratch;
    items.forEach((item, i) => {
      let size = item.length;
      if (typeof item === "string") {
        size = this.writeText(item, at);
      } else {
        this.heap.set(item, at);
      }
      table[2 * i] = at;
      table[2 * i + 1] = size;
      at += size;
    });
    const tableAddress = (at + 3) & ~3;
    this.words.set(table, tableAddress >>> 2);
    return tableAddress;
  }

  // The text of size bytes at address, decoded as TextDecoder does.
  readText(address, size) {
    const { heap } = this;
    if (size > HAND_DECODED_BYTES) return decoder.decode(heap.subarray(address, address + size));
    const end = address + size;
    let text = "";
    let i = address;
    for (; i + 4 <= end; i += 4) {
      const a = heap[i], b = heap[i + 1], c = heap[i + 2], d = heap[i + 3];
      if ((a | b | c | d) >= 0x80) return decoder.decode(heap.subarray(address, end));
      text += String.fromCharCode(a, b, c, d);
    }
    for (; i < end; i++) {
      const a = heap[i];
      if (a >= 0x80) return decoder.decode(heap.subarray(address, end));
      text += String.fromCharCode(a);
    }
    return text;
  }

  // The text whose address and size stand at the word index `word` of the memory.
  readTextAt(word) {
    return this.readText(this.words[word], this.words[word + 1]);
  }

  // The first `bytes` bytes at address as UTF-16 code units: a caret in the module's text.
  unitsOf(address, bytes) {
    return decoder.decode(this.heap.subarray(address, address + bytes)).length;
  }
}
