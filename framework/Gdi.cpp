#include "framework/Gdi.h"

#include <cstdlib>
#include <utility>

namespace fw {

CFont& CFont::operator=(CFont&& other) noexcept {
    if (this != &other) {
        DeleteObject();
        m_font = other.Detach();
    }
    return *this;
}

bool CFont::CreatePointFont(int pointSize10, const std::string& face, HDC dc) {
    LOGFONTA logFont{};
    logFont.lfHeight = pointSize10;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreatePointFontIndirect(logFont, dc);
}

bool CFont::CreatePointFontIndirect(const LOGFONT& logFont, HDC dc) {
    const bool ownDC = dc == nullptr;
    if (ownDC)
        dc = ::GetDC(nullptr);
    // Tenths of a point to device pixels: logical inch / 720, through device coordinates.
    POINT size{0, MulDiv(logFont.lfHeight, GetDeviceCaps(dc, LOGPIXELSY), 720)};
    POINT origin{0, 0};
    DPtoLP(dc, &size, 1);
    DPtoLP(dc, &origin, 1);
    if (ownDC)
        ::ReleaseDC(nullptr, dc);
    LOGFONT scaled = logFont;
    scaled.lfHeight = -std::abs(size.y - origin.y);
    return CreateFontIndirect(scaled);
}

bool CFont::CreateFontIndirect(const LOGFONT& logFont) {
    DeleteObject();
    m_font = ::CreateFontIndirectA(&logFont);
    return m_font != nullptr;
}

void CFont::DeleteObject() {
    if (m_font)
        ::DeleteObject(m_font);
    m_font = nullptr;
}

void CFont::Attach(HFONT font) {
    DeleteObject();
    m_font = font;
}

HFONT CFont::Detach() {
    return std::exchange(m_font, nullptr);
}

bool CIcon::Load(UINT id, int size) {
    Destroy();
    m_icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                           IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    return m_icon != nullptr;
}

void CIcon::Destroy() {
    if (m_icon)
        DestroyIcon(m_icon);
    m_icon = nullptr;
}

MemoryBitmapDC::MemoryBitmapDC(int width, int height, HDC compatibleWith) {
    const bool ownScreenDC = compatibleWith == nullptr;
    HDC reference = ownScreenDC ? ::GetDC(nullptr) : compatibleWith;
    m_dc = CreateCompatibleDC(reference);
    m_bitmap = CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1);
    if (ownScreenDC)
        ::ReleaseDC(nullptr, reference);
    if (m_dc && m_bitmap)
        m_previousBitmap = ::SelectObject(m_dc, m_bitmap);
}

MemoryBitmapDC::~MemoryBitmapDC() {
    if (m_previousBitmap)
        ::SelectObject(m_dc, m_previousBitmap);
    if (m_bitmap)
        ::DeleteObject(m_bitmap);
    if (m_dc)
        ::DeleteDC(m_dc);
}

SIZE MeasureText(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace fw
