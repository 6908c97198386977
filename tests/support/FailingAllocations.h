#pragma once

#include <cstddef>

namespace vistarel::testing {

// While one of these lives, every operator new asking for more than `limit` bytes throws
// std::bad_alloc, as an allocation on a machine out of memory would. The executable that
// uses it gets a replaced global operator new (FailingAllocations.cpp).
class FailingAllocations {
public:
    explicit FailingAllocations(std::size_t limit);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};

} // namespace vistarel::testing
