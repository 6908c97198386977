#pragma once

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "common/Error.h"

namespace vistarel {

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours
// records the message and jumps back to the one guarded call below; the caller then
// throws our exception, so no C++ exception ever unwinds through libjpeg's frames.
// Warnings (corrupt data the decoder can work around) are counted, and the first one's text
// is kept so the user can be told which photo was damaged.
struct LibjpegErrorManager {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
    char firstWarning[JMSG_LENGTH_MAX]{};

    LibjpegErrorManager();
    jpeg_error_mgr* get() { return &manager; }
    long warnings() const { return manager.num_warnings; }
};

// Runs libjpeg calls; false when libjpeg reported an error (its text is in
// errors.message). The calls must leave no object with a destructor alive on their
// stack, since an error jumps straight out of them.
bool callLibjpeg(LibjpegErrorManager& errors, void (*calls)(void* context), void* context);

template <class Calls> bool guardedLibjpeg(LibjpegErrorManager& errors, Calls& calls) {
    return callLibjpeg(
        errors, [](void* context) { (*static_cast<Calls*>(context))(); }, &calls);
}

// Ends libjpeg's work from inside one of its callbacks as its errors do, with our own text:
// printf's format and one number, written straight into the message, since nothing with a
// destructor may be alive across the jump.
[[noreturn]] void stopLibjpeg(j_common_ptr info, const char* format, long number);

// The error text we show: the file's path, then libjpeg's message.
std::string libjpegErrorText(const std::string& path, const LibjpegErrorManager& errors);

inline void createLibjpegObject(jpeg_compress_struct* info) {
    jpeg_create_compress(info);
}
inline void createLibjpegObject(jpeg_decompress_struct* info) {
    jpeg_create_decompress(info);
}
inline void destroyLibjpegObject(jpeg_compress_struct* info) {
    jpeg_destroy_compress(info);
}
inline void destroyLibjpegObject(jpeg_decompress_struct* info) {
    jpeg_destroy_decompress(info);
}

// Owns one libjpeg compressor or decompressor with its error manager, destroys it on
// every path, and turns a libjpeg error into our exception naming the file.
template <class Info> struct LibjpegObject {
    LibjpegErrorManager errors;
    Info info{};
    std::string path;

    explicit LibjpegObject(std::string filePath) : path(std::move(filePath)) {
        info.err = errors.get();
        run([this] { createLibjpegObject(&info); });
    }
    ~LibjpegObject() { destroyLibjpegObject(&info); }
    LibjpegObject(const LibjpegObject&) = delete;
    LibjpegObject& operator=(const LibjpegObject&) = delete;

    template <class Calls> void run(Calls calls) {
        if (!guardedLibjpeg(errors, calls))
            throw Error(libjpegErrorText(path, errors));
    }
};

} // namespace vistarel
