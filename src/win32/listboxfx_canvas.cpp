#include "win32/listboxfx_canvas.h"

#include <cmath>

#include "win32/win32_text.h"

namespace qv {

namespace {

constexpr char kResourcePrefix[] = "resource:";

RECT ToRect(const ListRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A memory DC holding a bitmap for the length of one copy.
class SourceDc {
  public:
    explicit SourceDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
        old_ = SelectObject(dc_, bitmap);
    }
    ~SourceDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    SourceDc(const SourceDc&) = delete;
    SourceDc& operator=(const SourceDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

GdiListCanvas::GdiListCanvas(HWND window) : window_(window) {
    HDC screen = GetDC(window_);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(window_, screen);
    original_font_ = GetCurrentObject(dc_, OBJ_FONT);
    original_pen_ = GetCurrentObject(dc_, OBJ_PEN);
    SetBkMode(dc_, TRANSPARENT);
    Resize(1, 1);
}

GdiListCanvas::~GdiListCanvas() {
    SelectObject(dc_, original_pen_);
    if (pen_) DeleteObject(pen_);
    SelectObject(dc_, original_font_);
    if (font_) DeleteObject(font_);
    SelectObject(dc_, original_bitmap_);
    if (buffer_) DeleteObject(buffer_);
    DeleteDC(dc_);
    for (auto& entry : bitmaps_) {
        if (entry.second) DeleteObject(entry.second);
    }
}

void GdiListCanvas::Resize(int width, int height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    // A device-independent buffer: drawing into it, icons with their mask colour included,
    // stays within the program, where a bitmap of the display's own kind costs trips to the
    // window server under Wine.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP fresh = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!fresh) return;  // the old buffer stays, with its size
    width_ = width;
    height_ = height;
    pixels_ = static_cast<const uint8_t*>(bits);
    HGDIOBJ previous = SelectObject(dc_, fresh);
    if (!original_bitmap_) original_bitmap_ = previous;
    if (buffer_) DeleteObject(buffer_);
    buffer_ = fresh;
    PatBlt(dc_, 0, 0, width_, height_, WHITENESS);
}

void GdiListCanvas::Present(HDC target) const {
    BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

bool GdiListCanvas::TakeDirty() {
    const bool was = dirty_;
    dirty_ = false;
    return was;
}

std::vector<uint8_t> GdiListCanvas::Pixels() const {
    if (!pixels_) return {};
    GdiFlush();
    return std::vector<uint8_t>(pixels_, pixels_ + static_cast<size_t>(width_) * height_ * 4);
}

void GdiListCanvas::Hold() {
    if (held_) return;
    held_ = true;
    drawn_while_held_ = false;
    held_picture_ = Pixels();
}

bool GdiListCanvas::Release() {
    if (!held_) return false;
    held_ = false;
    // A list rebuilt with the rows it showed draws the same picture, which needs no paint.
    const bool changed = drawn_while_held_ && Pixels() != held_picture_;
    held_picture_.clear();
    if (changed || dirty_) {
        dirty_ = false;
        MarkDirty();
    }
    return changed;
}

void GdiListCanvas::MarkDirty() {
    if (held_) {
        drawn_while_held_ = true;
        return;
    }
    if (dirty_ || painting_) return;
    dirty_ = true;
    InvalidateRect(window_, nullptr, FALSE);
}

void GdiListCanvas::SetFont(const FontSpec& font) {
    const int dpi = GetDeviceCaps(dc_, LOGPIXELSY);
    const int height = -static_cast<int>(std::lround(font.size * dpi / 72.0));
    const int weight = font.bold && font.weight < FW_BOLD ? FW_BOLD : font.weight;
    HFONT fresh =
        CreateFontW(height, 0, 0, 0, weight, font.italic, font.underline, font.strikethrough,
                    static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(font.name).c_str());
    if (!fresh) return;
    SelectObject(dc_, fresh);
    if (font_) DeleteObject(font_);
    font_ = fresh;
}

void GdiListCanvas::Clear(uint32_t rgb) { FillRect({0, 0, width_, height_}, rgb); }

void GdiListCanvas::FillRect(const ListRect& rect, uint32_t rgb) {
    HBRUSH brush = CreateSolidBrush(rgb);
    const RECT r = ToRect(rect);
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
    MarkDirty();
}

void GdiListCanvas::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                             uint32_t rgb) {
    // The new pen replaces the last one, which is deleted once it is no longer selected.
    HPEN fresh = CreatePen(PS_SOLID, width, rgb);
    SelectObject(dc_, fresh);
    if (pen_) DeleteObject(pen_);
    pen_ = fresh;
    if (x1 >= 0) MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    MarkDirty();
}

void GdiListCanvas::DrawText(const ListRect& rect, const std::string& text, uint32_t format,
                             uint32_t rgb) {
    const std::string ansi = Utf8ToAnsi(text);
    RECT r = ToRect(rect);
    SetTextColor(dc_, rgb);
    ::DrawTextA(dc_, ansi.c_str(), static_cast<int>(ansi.size()), &r, format);
    MarkDirty();
}

SIZE GdiListCanvas::TextExtent(const std::string& text) {
    const std::string ansi = Utf8ToAnsi(text);
    SIZE size{};
    GetTextExtentPoint32A(dc_, ansi.c_str(), static_cast<int>(ansi.size()), &size);
    return size;
}

int32_t GdiListCanvas::TextWidth(const std::string& text) { return TextExtent(text).cx; }

int32_t GdiListCanvas::TextHeight(const std::string& text) { return TextExtent(text).cy; }

HBITMAP GdiListCanvas::Bitmap(const Picture& picture) {
    if (!picture) return nullptr;
    auto found = bitmaps_.find(picture->source);
    if (found != bitmaps_.end()) return found->second;
    const std::string& source = picture->source;
    HANDLE loaded = nullptr;
    if (source.rfind(kResourcePrefix, 0) == 0) {
        const int id = std::atoi(source.c_str() + sizeof kResourcePrefix - 1);
        loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                            LR_CREATEDIBSECTION);
    } else {
        loaded = LoadImageW(nullptr, Widen(source).c_str(), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    }
    HBITMAP bitmap = static_cast<HBITMAP>(loaded);
    bitmaps_[source] = bitmap;
    return bitmap;
}

void GdiListCanvas::TransparentCopy(const Picture& source, int32_t x, int32_t y, int32_t width,
                                    int32_t height, int32_t src_x, int32_t src_y, uint32_t mask) {
    HBITMAP bitmap = Bitmap(source);
    if (!bitmap) return;
    SourceDc src(bitmap);
    ::TransparentBlt(dc_, x, y, width, height, src.get(), src_x, src_y, width, height, mask);
    MarkDirty();
}

void GdiListCanvas::CopyPicture(const Picture& source, int32_t x, int32_t y, int32_t width,
                                int32_t height) {
    HBITMAP bitmap = Bitmap(source);
    if (!bitmap) return;
    SourceDc src(bitmap);
    BitBlt(dc_, x, y, width, height, src.get(), 0, 0, SRCCOPY);
    MarkDirty();
}

void GdiListCanvas::TilePicture(const Picture& source, const ListRect& rect) {
    HBITMAP bitmap = Bitmap(source);
    if (!bitmap) return;
    HBRUSH brush = CreatePatternBrush(bitmap);
    const RECT r = ToRect(rect);
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
    MarkDirty();
}

void GdiListCanvas::GradientFill(const GradientVertex& upper_left,
                                 const GradientVertex& lower_right, uint32_t mode) {
    TRIVERTEX vertices[2] = {
        {upper_left.x, upper_left.y, upper_left.red, upper_left.green, upper_left.blue,
         upper_left.alpha},
        {lower_right.x, lower_right.y, lower_right.red, lower_right.green, lower_right.blue,
         lower_right.alpha},
    };
    GRADIENT_RECT rect{0, 1};
    ::GradientFill(dc_, vertices, 2, &rect, 1, mode);
    MarkDirty();
}

bool GdiListCanvas::SystemColor(int32_t index, uint32_t* rgb) {
    if (!GetSysColorBrush(index)) return false;
    *rgb = GetSysColor(index);
    return true;
}

void GdiListCanvas::Refresh() {
    // Paint now, so what was drawn shows before the caller goes on. A list that is held or
    // not shown paints nothing, and asking would cost trips to the window server.
    if (held_ || !IsWindowVisible(window_)) return;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace qv
