#include "common/Error.h"

#include <cstring>

namespace vistarel {

std::string systemReason(int errnoValue) {
    return std::strerror(errnoValue);
}

Error cannotCreateFile(const std::string& path, int errnoValue) {
    return Error("Cannot create file \"" + path + "\". " + systemReason(errnoValue));
}

Error cannotOpenFile(const std::string& path, int errnoValue) {
    return Error("Cannot open file \"" + path + "\". " + systemReason(errnoValue));
}

Error cannotWriteFile(const std::string& path, int errnoValue) {
    return Error("Cannot write file \"" + path + "\". " + systemReason(errnoValue));
}

Error readBeyondEndOfFile() {
    return Error("Read beyond end of file");
}

Error ioError(int code) {
    return Error("I/O error " + std::to_string(code));
}

std::string generalErrorText(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        return text + ".";
    return text;
}

} // namespace vistarel
