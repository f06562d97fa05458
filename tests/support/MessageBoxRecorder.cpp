#include "support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

namespace test {

MessageBoxRecorder::MessageBoxRecorder(int fallbackAnswer) : m_fallback(fallbackAnswer) {
    m_previous = fw::SetMessageBoxHook(
        [this](HWND owner, const std::string& text, const std::string& caption, UINT type) {
            return Answer(RecordedBox{owner, text, caption, type});
        });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    fw::SetMessageBoxHook(std::move(m_previous));
}

int MessageBoxRecorder::Answer(const RecordedBox& box) {
    m_boxes.push_back(box);
    if (m_action)
        m_action(box);
    if (m_answers.empty())
        return m_fallback;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void InstallUnexpectedBoxHook() {
    fw::SetMessageBoxHook([](HWND, const std::string& text, const std::string& caption, UINT) {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
        return IDCANCEL;
    });
}

} // namespace test
