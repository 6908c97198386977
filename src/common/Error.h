#pragma once

#include <stdexcept>
#include <string>

namespace vistarel {

// The one exception the core throws. Its text is shown to the user as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
    std::string text() const { return what(); }
};

// The program's file-error texts.
Error cannotCreateFile(const std::string& path, int errnoValue);
Error cannotOpenFile(const std::string& path, int errnoValue);
Error cannotWriteFile(const std::string& path, int errnoValue);
Error readBeyondEndOfFile();
Error ioError(int code);

// The system's reason for an errno value, as the file-error texts quote it.
std::string systemReason(int errnoValue);

// The general error box shows the error's text with "." appended when its last
// character sorts after ".".
std::string generalErrorText(const std::string& text);

} // namespace vistarel
