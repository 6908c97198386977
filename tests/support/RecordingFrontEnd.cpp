#include "RecordingFrontEnd.h"

namespace vistarel::testing {

MessageAnswer RecordingFrontEnd::showMessage(const std::string& text, const std::string& title,
                                             MessageIcon icon, MessageButtons buttons) {
    static const char* const kIcons[] = {"information", "question", "warning", "error"};
    const bool yesNo = buttons == MessageButtons::YesNo;
    calls.push_back("message " + title + " " + kIcons[static_cast<int>(icon)] +
                    (yesNo ? " yes/no: " : " ok: ") + text);
    if (!yesNo || answers.empty())
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
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

std::vector<std::string> RecordingFrontEnd::messages() const {
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (call.starts_with("message "))
            out.push_back(call);
    return out;
}

} // namespace vistarel::testing
