#pragma once
// Answers the program's message boxes during a test and records what they said.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/MessageBox.h"

namespace test {

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// While it lives, every box is recorded and answered: first by the queued answers, in order,
// then by the fallback (IDOK unless set). The previous hook returns afterwards.
class MessageBoxRecorder {
  public:
    explicit MessageBoxRecorder(int fallbackAnswer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswer(int buttonId) { m_answers.push_back(buttonId); }
    // Runs before a box is answered (for instance to repair a floppy between retries).
    void OnBox(std::function<void(const RecordedBox&)> action) { m_action = std::move(action); }
    const std::vector<RecordedBox>& Boxes() const { return m_boxes; }
    size_t Count() const { return m_boxes.size(); }

  private:
    int Answer(const RecordedBox& box);

    std::vector<RecordedBox> m_boxes;
    std::deque<int> m_answers;
    int m_fallback;
    std::function<void(const RecordedBox&)> m_action;
    fw::MessageBoxHook m_previous;
};

// The hook of a test that expects no box: a box fails the test and is answered with Cancel.
void InstallUnexpectedBoxHook();

} // namespace test
