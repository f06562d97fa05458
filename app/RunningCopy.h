#pragma once
// The program runs once per session: the first copy marks itself with a named kernel object
// that holds its process id; a later copy finds it there and brings its window to the front.
#include <windows.h>

class RunningCopy {
  public:
    // Marks this process as the running copy, unless another copy did so first.
    RunningCopy();
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Whether another copy of the program runs already.
    bool OtherCopyRuns() const { return m_otherCopyRuns; }
    // Brings the other copy's active window (its sheet, or a box over it) to the front.
    void ActivateOtherCopy() const;

  private:
    HANDLE m_mark = nullptr;
    bool m_otherCopyRuns = false;
};
