#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace parcyl::bench {
namespace {

// The benchmarks run on one thread. A load and a store, not an atomic
// increment: a locked add on every allocation would weigh on the very runs
// being timed, and the tally only has to be exact for a single thread.
std::atomic<std::size_t> g_count{0};
std::atomic<std::size_t> g_bytes{0};

void Tally(std::size_t size) {
  g_count.store(g_count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
  g_bytes.store(g_bytes.load(std::memory_order_relaxed) + size, std::memory_order_relaxed);
}

void* Allocate(std::size_t size) {
  Tally(size);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  Tally(size);
  const auto align = static_cast<std::size_t>(alignment);
  // aligned_alloc wants a size that is a multiple of the alignment.
  const std::size_t rounded = (size + align - 1) / align * align;
  if (void* p = std::aligned_alloc(align, rounded == 0 ? align : rounded)) return p;
  throw std::bad_alloc();
}

}  // namespace

AllocationTally Allocations() {
  return {g_count.load(std::memory_order_relaxed), g_bytes.load(std::memory_order_relaxed)};
}

}  // namespace parcyl::bench

// Arrays and nothrow forms go through these in libstdc++; the sized deletes
// are given too, as the compiler calls them directly.
void* operator new(std::size_t size) { return parcyl::bench::Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return parcyl::bench::AllocateAligned(size, alignment);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
