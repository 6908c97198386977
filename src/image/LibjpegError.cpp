#include "image/LibjpegError.h"

#include <jerror.h>

#include <cstdio>

namespace vistarel {

namespace {

[[noreturn]] void jumpOnError(j_common_ptr info) {
    if (info->err->msg_code == JERR_NO_BACKING_STORE) // what going past max_memory_to_use says
        stopLibjpeg(info, "Image needs more than %ld MiB to decode",
                    info->mem->max_memory_to_use >> 20);
    auto* errors = reinterpret_cast<LibjpegErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Counts warnings and keeps the first one's text; prints nothing, traces included.
void keepFirstWarning(j_common_ptr info, int level) {
    if (level >= 0)
        return;
    auto* errors = reinterpret_cast<LibjpegErrorManager*>(info->err);
    if (info->err->num_warnings++ == 0)
        info->err->format_message(info, errors->firstWarning);
}

} // namespace

LibjpegErrorManager::LibjpegErrorManager() {
    jpeg_std_error(&manager);
    manager.error_exit = jumpOnError;
    manager.emit_message = keepFirstWarning;
}

void stopLibjpeg(j_common_ptr info, const char* format, long number) {
    auto* errors = reinterpret_cast<LibjpegErrorManager*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, format, number);
    std::longjmp(errors->jump, 1);
}

bool callLibjpeg(LibjpegErrorManager& errors, void (*calls)(void* context), void* context) {
    if (setjmp(errors.jump) != 0)
        return false;
    calls(context);
    return true;
}

std::string libjpegErrorText(const std::string& path, const LibjpegErrorManager& errors) {
    return path + ": " + errors.message;
}

} // namespace vistarel
