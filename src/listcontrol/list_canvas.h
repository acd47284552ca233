// The drawing surface of the list control as the portable code sees it: a handful of GDI-like
// operations, done by GDI in the program and recorded in the tests. Colours handed to it are
// already translated to plain &H00BBGGRR values, except the icon mask colour, which goes to
// the transparent copy as stored.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qv {

struct ListRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const ListRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// A font as the surface uses it; size in points.
struct FontSpec {
    std::string name = "Verdana";
    double size = 8.25;
    int32_t weight = 400;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int32_t charset = 0;
    bool operator==(const FontSpec& o) const;
    bool operator!=(const FontSpec& o) const { return !(*this == o); }
};

// A picture held by the control (icon strip, background, mouse icon). The source names where
// its pixels come from ("resource:NNN" for a bitmap resource of the program, otherwise a file
// path); the canvas loads the pixels, the layout needs only the size.
struct PictureData {
    std::string source;
    int32_t width = 0;   // pixels
    int32_t height = 0;  // pixels
};
using Picture = std::shared_ptr<const PictureData>;

Picture MakePicture(std::string source, int32_t width, int32_t height);

// One corner of a gradient: 16-bit colour channels (byte x 256).
struct GradientVertex {
    int32_t x = 0;
    int32_t y = 0;
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    uint16_t alpha = 0;
};

// DrawText format bits used by the rows.
constexpr uint32_t kDtSingleLine = 0x20;
constexpr uint32_t kDtVCenter = 0x4;

class ListCanvas {
  public:
    virtual ~ListCanvas() = default;

    // The surface is resized by the host; the control only draws on it.
    virtual void SetFont(const FontSpec& font) = 0;
    // The whole surface in one colour, erasing what was drawn.
    virtual void Clear(uint32_t rgb) = 0;
    // Solid brush of the colour, FillRect, brush deleted.
    virtual void FillRect(const ListRect& rect, uint32_t rgb) = 0;
    // Solid pen of the width and colour; x1 < 0 starts at the current position.
    virtual void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                          uint32_t rgb) = 0;
    // DrawTextA of the text (converted to the ANSI code page) in the colour, background left.
    virtual void DrawText(const ListRect& rect, const std::string& text, uint32_t format,
                          uint32_t rgb) = 0;
    virtual int32_t TextWidth(const std::string& text) = 0;
    virtual int32_t TextHeight(const std::string& text) = 0;
    // TransparentBlt from a picture; mask is the colour left out.
    virtual void TransparentCopy(const Picture& source, int32_t x, int32_t y, int32_t width,
                                 int32_t height, int32_t src_x, int32_t src_y, uint32_t mask) = 0;
    // BitBlt SRCCOPY from the top-left corner of a picture.
    virtual void CopyPicture(const Picture& source, int32_t x, int32_t y, int32_t width,
                             int32_t height) = 0;
    // A pattern brush made from the picture fills the rectangle; the brush is deleted.
    virtual void TilePicture(const Picture& source, const ListRect& rect) = 0;
    // GradientFill of one rectangle; mode 0 horizontal, 1 vertical.
    virtual void GradientFill(const GradientVertex& upper_left, const GradientVertex& lower_right,
                              uint32_t mode) = 0;
    // The system colour of an index (GetSysColor); false for an index the system lacks.
    virtual bool SystemColor(int32_t index, uint32_t* rgb) = 0;
    // Shows what was drawn at once.
    virtual void Refresh() = 0;
    // The device-context handle of the surface, for hosts that draw on it themselves.
    virtual intptr_t NativeHandle() { return 0; }
};

}  // namespace qv
