#include "bench/allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Replaces the global allocation functions, in a file of their own so that no call site
// sees them inline.
namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size != 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace colvexa::bench {

long Allocations() { return allocations.load(std::memory_order_relaxed); }

}  // namespace colvexa::bench
