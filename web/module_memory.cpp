// The module's heap: a small allocator in place of the C library's general one, which would be
// a sixth of the module. Blocks are powers of two from 32 bytes, each with a 16-byte header
// that holds its size class; freed blocks wait in a list per class for the next request of that
// class. The calculation's blocks are few and small, and each call frees what it took.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" unsigned char __heap_base;  // NOLINT: named by the linker

namespace {

constexpr std::size_t kHeader = 16;  // keeps the blocks aligned for any type
constexpr int kLeastClass = 5;       // 32 bytes
constexpr int kClasses = 32;
constexpr std::size_t kPage = 65536;

struct FreeBlock {
  FreeBlock* next;
};

FreeBlock* free_lists[kClasses] = {};
std::uintptr_t heap_top = 0;  // where the next new block starts

int ClassOf(std::size_t size) {
  const int size_class = std::bit_width(size + kHeader - 1);
  return size_class < kLeastClass ? kLeastClass : size_class;
}

void* NewBlock(int size_class) {
  if (heap_top == 0)
    heap_top =
        reinterpret_cast<std::uintptr_t>(&__heap_base + kHeader - 1) & ~std::uintptr_t{kHeader - 1};
  const std::uintptr_t size = std::uintptr_t{1} << size_class;
  const std::uintptr_t end = heap_top + size;
  const std::uintptr_t memory_end = __builtin_wasm_memory_size(0) * kPage;
  if (end < heap_top) return nullptr;
  if (end > memory_end &&
      __builtin_wasm_memory_grow(0, (end - memory_end + kPage - 1) / kPage) == SIZE_MAX) {
    return nullptr;
  }
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the heap is the memory past __heap_base, by address
  void* block = reinterpret_cast<void*>(heap_top);
  heap_top = end;
  return block;
}

}  // namespace

// The C library's functions, which its headers declare with parameter names reserved to it.
// NOLINTBEGIN(readability-inconsistent-declaration-parameter-name)
extern "C" {

void* malloc(std::size_t size) {
  const int size_class = ClassOf(size);
  if (size > (std::size_t{1} << (kClasses - 2))) return nullptr;
  void* block = free_lists[size_class];
  if (block != nullptr) {
    free_lists[size_class] = free_lists[size_class]->next;
  } else {
    block = NewBlock(size_class);
    if (block == nullptr) return nullptr;
  }
  *static_cast<int*>(block) = size_class;
  return static_cast<unsigned char*>(block) + kHeader;
}

void free(void* pointer) {
  if (pointer == nullptr) return;
  auto* block = reinterpret_cast<FreeBlock*>(static_cast<unsigned char*>(pointer) - kHeader);
  const int size_class = *reinterpret_cast<int*>(block);
  block->next = free_lists[size_class];
  free_lists[size_class] = block;
}

void* calloc(std::size_t count, std::size_t size) {
  if (size != 0 && count > SIZE_MAX / size) return nullptr;
  void* pointer = malloc(count * size);
  if (pointer != nullptr) std::memset(pointer, 0, count * size);
  return pointer;
}

void* realloc(void* pointer, std::size_t size) {
  if (pointer == nullptr) return malloc(size);
  const int size_class = *reinterpret_cast<int*>(static_cast<unsigned char*>(pointer) - kHeader);
  const std::size_t capacity = (std::size_t{1} << size_class) - kHeader;
  if (size <= capacity) return pointer;
  void* moved = malloc(size);
  if (moved != nullptr) {
    std::memcpy(moved, pointer, capacity);
    free(pointer);
  }
  return moved;
}

// Copies and fills as the bulk memory instructions do them, in place of the C library's loops.
void* memcpy(void* to, const void* from, std::size_t size) {
  return __builtin_memcpy(to, from, size);
}
void* memmove(void* to, const void* from, std::size_t size) {
  return __builtin_memmove(to, from, size);
}
void* memset(void* to, int byte, std::size_t size) { return __builtin_memset(to, byte, size); }

// The blocks the JavaScript glue writes its texts into, for each module.
__attribute__((export_name("alloc"))) void* ModuleAlloc(std::size_t size) {
  return malloc(size == 0 ? 1 : size);
}
__attribute__((export_name("free"))) void ModuleFree(void* block) { free(block); }

// The C library's own calls (the list of exit handlers) take the same heap.
void* __libc_malloc(std::size_t size) { return malloc(size); }  // NOLINT: the C library's name
void __libc_free(void* pointer) { free(pointer); }              // NOLINT
void* __libc_calloc(std::size_t count, std::size_t size) {      // NOLINT
  return calloc(count, size);
}

// Blocks are aligned to 16 bytes; nothing in the module asks for more, and a larger alignment
// fails as an allocation without memory does.
void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return alignment <= kHeader ? malloc(size) : nullptr;
}

}  // extern "C"
// NOLINTEND(readability-inconsistent-declaration-parameter-name)
