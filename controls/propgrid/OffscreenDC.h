#pragma once
// OffscreenDC: draws into a bitmap the size of the target's clip box and copies the picture
// to the target in one block when it goes away, so a repaint never flickers. Coordinates are
// the target's. A printing target is drawn into directly.
#include <windows.h>

class OffscreenDC {
  public:
    explicit OffscreenDC(HDC target);
    // Copies the clip box from the bitmap to the target (unless drawing went straight to it).
    ~OffscreenDC();
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

    // Where to draw: the memory context, or the target itself.
    operator HDC() const { return m_memory ? m_memory : m_target; }

  private:
    void ReleaseMemory();

    HDC m_target;
    RECT m_clip{};
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
};
