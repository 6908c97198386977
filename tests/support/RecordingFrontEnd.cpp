#include "RecordingFrontEnd.h"

namespace vistarel::testing {
namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Error:
        return "error";
    }
    return "?";
}

} // namespace

MessageAnswer RecordingFrontEnd::showMessage(const std::string& text, const std::string& title,
                                             MessageIcon icon, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    calls.push_back("message " + title + " " + iconName(icon) + (yesNo ? " yes/no: " : " ok: ") +
                    text);
    if (!yesNo)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::No;
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingFrontEnd::setBuildRunning(bool running, int photoCount) {
    buildRunning = running;
    if (running)
        progressPosition = 0;
    calls.push_back((running ? "running " : "not running ") + std::to_string(photoCount));
}

void RecordingFrontEnd::setProgressPosition(int position) {
    progressPosition = position;
    calls.push_back("progress " + std::to_string(position));
}

void RecordingFrontEnd::processPendingEvents() {
    ++processEventsCount;
    if (onProcessEvents)
        onProcessEvents(processEventsCount);
}

void RecordingFrontEnd::setSwatch(int index, std::uint32_t colour) {
    swatches[index] = colour;
    calls.push_back("swatch " + std::to_string(index) + " " + std::to_string(colour));
}

std::vector<std::string> RecordingFrontEnd::messages() const {
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (call.rfind("message ", 0) == 0)
            out.push_back(call);
    return out;
}

} // namespace vistarel::testing
