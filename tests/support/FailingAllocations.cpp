#include "FailingAllocations.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> allocationLimit{std::numeric_limits<std::size_t>::max()};

void* allocate(std::size_t size) {
    if (size > allocationLimit.load(std::memory_order_relaxed))
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace vistarel::testing {

FailingAllocations::FailingAllocations(std::size_t limit) {
    allocationLimit = limit;
}

FailingAllocations::~FailingAllocations() {
    allocationLimit = std::numeric_limits<std::size_t>::max();
}

} // namespace vistarel::testing
