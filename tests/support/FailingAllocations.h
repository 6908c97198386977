#pragma once

#include <cstddef>

namespace vistarel::testing {

// While one lives, operator new throws std::bad_alloc for more than `limit` bytes.
class FailingAllocations {
public:
    explicit FailingAllocations(std::size_t limit);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};

} // namespace vistarel::testing
