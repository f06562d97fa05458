#include "controls/propgrid/OffscreenDC.h"

namespace {
bool IsPrinting(HDC dc) {
    return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER;
}
} // namespace

OffscreenDC::OffscreenDC(HDC target) : m_target(target) {
    if (!target || IsPrinting(target))
        return;
    // Nothing to draw when the clip box is empty; draw straight to the target then.
    const int region = GetClipBox(target, &m_clip);
    if (region == NULLREGION || region == ERROR)
        return;
    m_memory = CreateCompatibleDC(target);
    m_bitmap =
        CreateCompatibleBitmap(target, m_clip.right - m_clip.left, m_clip.bottom - m_clip.top);
    if (!m_memory || !m_bitmap) {
        // Without a bitmap the picture still appears, only not in one block.
        ReleaseMemory();
        return;
    }
    m_previousBitmap = SelectObject(m_memory, m_bitmap);
    SetWindowOrgEx(m_memory, m_clip.left, m_clip.top, nullptr);
}

OffscreenDC::~OffscreenDC() {
    if (!m_memory)
        return;
    BitBlt(m_target, m_clip.left, m_clip.top, m_clip.right - m_clip.left,
           m_clip.bottom - m_clip.top, m_memory, m_clip.left, m_clip.top, SRCCOPY);
    ReleaseMemory();
}

void OffscreenDC::ReleaseMemory() {
    if (m_previousBitmap)
        SelectObject(m_memory, m_previousBitmap);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_memory)
        DeleteDC(m_memory);
    m_previousBitmap = nullptr;
    m_bitmap = nullptr;
    m_memory = nullptr;
}
