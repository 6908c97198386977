#include "cli/TerminalFrontEnd.h"

#include "common/Cp1250.h"

#include <algorithm>
#include <unistd.h>

namespace vistarel {

volatile std::sig_atomic_t TerminalFrontEnd::interrupted = 0;

namespace {

std::string withUnixLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

void appendEscaped(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
        out += escape;
    }
}

std::string formatDuration(double seconds) {
    const long total = std::max(0L, static_cast<long>(seconds + 0.5));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld:%02ld", total / 60, total % 60);
    return buffer;
}

} // namespace

std::string visibleOnTerminal(const std::string& text, bool keepLineFeeds) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const auto c = decodeUtf8(text, pos);
        // A byte that is no UTF-8 is a C1 control to a terminal in an 8-bit code page.
        const char32_t code = c ? *c : static_cast<unsigned char>(text[pos++]);
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (control && !(keepLineFeeds && code == '\n'))
            appendEscaped(out, std::string_view(text).substr(start, pos - start));
        else
            out.append(text, start, pos - start);
    }
    return out;
}

TerminalFrontEnd::TerminalFrontEnd(AlbumState& state, bool answerYes, std::FILE* out)
    : state_(state), answerYes_(answerYes), out_(out), isTerminal_(::isatty(::fileno(out)) == 1) {}

MessageAnswer TerminalFrontEnd::showMessage(const std::string& text, const std::string& title,
                                            MessageIcon icon, MessageButtons buttons) {
    const bool isError = icon == MessageIcon::Warning || icon == MessageIcon::Error;
    const char* prefix = isError ? "Chyba: " : "Info: ";
    if (isTerminal_ && photoCount_ > 0)
        std::fputc('\n', out_);
    std::fprintf(out_, "%s%s\n", prefix, visibleOnTerminal(withUnixLineBreaks(text), true).c_str());
    (void)title;
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    std::fprintf(out_, "  -> %s\n", answerYes_ ? "Ano (--yes)" : "Ne");
    return answerYes_ ? MessageAnswer::Yes : MessageAnswer::No;
}

void TerminalFrontEnd::setBuildRunning(bool running, int photoCount) {
    if (running) {
        photoCount_ = photoCount;
        started_ = std::chrono::steady_clock::now();
        if (isTerminal_)
            drawBar(0);
    } else {
        if (isTerminal_)
            std::fputc('\n', out_);
        photoCount_ = 0;
    }
}

void TerminalFrontEnd::setProgressPosition(int position) {
    if (isTerminal_) {
        drawBar(position + 1);
        return;
    }
    const auto& name = state_.catalogue[static_cast<std::size_t>(position)].fileName;
    std::fprintf(out_, "%d/%d %s\n", position + 1, photoCount_,
                 visibleOnTerminal(name, false).c_str());
    std::fflush(out_);
}

void TerminalFrontEnd::drawBar(int done) {
    constexpr int kWidth = 30;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const double rate = elapsed > 0 ? done / elapsed : 0;
    const int filled = photoCount_ > 0 ? done * kWidth / photoCount_ : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kWidth, '.');
    const std::string left = rate > 0 ? formatDuration((photoCount_ - done) / rate) : "?";
    std::fprintf(out_, "\r[%s] %d/%d  %.1f snímků/s  zbývá %s ", bar.c_str(), done, photoCount_,
                 rate, left.c_str());
    std::fflush(out_);
}

void TerminalFrontEnd::processPendingEvents() {
    if (interrupted)
        state_.stopRequested = true;
}

} // namespace vistarel
