// The list control's canvas on GDI: everything is drawn into a back buffer the size of the
// surface, which the window copies to the screen when it paints. Drawing marks the window for
// painting, so what the control draws appears without flicker and without a redraw of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "listcontrol/list_canvas.h"

namespace qv {

class GdiListCanvas : public ListCanvas {
  public:
    explicit GdiListCanvas(HWND window);
    ~GdiListCanvas() override;
    GdiListCanvas(const GdiListCanvas&) = delete;
    GdiListCanvas& operator=(const GdiListCanvas&) = delete;

    // A new back buffer of the surface's size, cleared to white.
    void Resize(int width, int height);
    // Copies the back buffer onto a window device context.
    void Present(HDC target) const;
    // True when drawing happened since the last call: the back buffer is newer than the screen.
    bool TakeDirty();
    // While set, drawing does not ask for another paint (the caller paints anyway).
    void SetPainting(bool painting) { painting_ = painting; }
    // While held, drawing goes into the back buffer alone: nothing asks for a paint and
    // Refresh paints nothing. Release tells whether the back buffer now differs from the
    // picture it held when the hold began; only then, or when a paint was already due, does
    // it ask for one.
    void Hold();
    bool Release();

    void SetFont(const FontSpec& font) override;
    void Clear(uint32_t rgb) override;
    void FillRect(const ListRect& rect, uint32_t rgb) override;
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                  uint32_t rgb) override;
    void DrawText(const ListRect& rect, const std::string& text, uint32_t format,
                  uint32_t rgb) override;
    int32_t TextWidth(const std::string& text) override;
    int32_t TextHeight(const std::string& text) override;
    void TransparentCopy(const Picture& source, int32_t x, int32_t y, int32_t width, int32_t height,
                         int32_t src_x, int32_t src_y, uint32_t mask) override;
    void CopyPicture(const Picture& source, int32_t x, int32_t y, int32_t width,
                     int32_t height) override;
    void TilePicture(const Picture& source, const ListRect& rect) override;
    void GradientFill(const GradientVertex& upper_left, const GradientVertex& lower_right,
                      uint32_t mode) override;
    bool SystemColor(int32_t index, uint32_t* rgb) override;
    void Refresh() override;
    intptr_t NativeHandle() override { return reinterpret_cast<intptr_t>(dc_); }

    // The bitmap of a picture's source ("resource:N" or a .bmp file), loaded once; or null.
    HBITMAP Bitmap(const Picture& picture);

  private:
    void MarkDirty();
    SIZE TextExtent(const std::string& text);
    std::vector<uint8_t> Pixels() const;

    HWND window_;
    HDC dc_ = nullptr;
    HBITMAP buffer_ = nullptr;
    const uint8_t* pixels_ = nullptr;  // the buffer's 32-bit pixels, top row first
    HGDIOBJ original_bitmap_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ original_font_ = nullptr;
    HPEN pen_ = nullptr;  // the pen of the last line, still selected
    HGDIOBJ original_pen_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool dirty_ = false;
    bool painting_ = false;
    bool held_ = false;
    bool drawn_while_held_ = false;
    std::vector<uint8_t> held_picture_;
    std::map<std::string, HBITMAP> bitmaps_;
};

}  // namespace qv
