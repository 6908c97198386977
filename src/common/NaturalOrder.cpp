#include "common/NaturalOrder.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>

namespace vistarel {
namespace {

// Made once; ICU collators are safe to compare with from several threads.
const icu::Collator* czechCollator() {
    static const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> made(
            icu::Collator::createInstance(icu::Locale("cs", "CZ"), status));
        if (U_FAILURE(status))
            return std::unique_ptr<icu::Collator>();
        made->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
        return made;
    }();
    return collator.get();
}

} // namespace

bool naturalLess(const std::string& a, const std::string& b) {
    if (const icu::Collator* collator = czechCollator()) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult order = collator->compareUTF8(a, b, status);
        if (U_SUCCESS(status) && order != UCOL_EQUAL)
            return order == UCOL_LESS;
    }
    return a < b;
}

} // namespace vistarel
