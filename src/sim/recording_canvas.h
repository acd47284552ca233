// A list canvas for tests: it records every drawing operation and measures text with fixed
// metrics, so a test can say what was drawn where.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "listcontrol/list_canvas.h"

namespace qv {

struct CanvasOp {
    std::string kind;  // "Clear", "FillRect", "Line", "Text", "Icon", "Copy", "Tile",
                       // "Gradient", "Refresh"
    ListRect rect;     // FillRect, Text, Tile; Copy and Icon: x, y, x + width, y + height;
                       // Line: x1, y1, x2, y2
    uint32_t color = 0;
    uint32_t format = 0;
    int32_t width = 0;  // pen width
    int32_t src_x = 0;
    int32_t src_y = 0;
    std::string text;  // Text: the text drawn; Icon, Copy, Tile: the picture's source
    GradientVertex from;
    GradientVertex to;
};

class RecordingCanvas : public ListCanvas {
  public:
    int32_t text_height = 16;  // TextHeight of any text
    int32_t char_width = 7;    // TextWidth per byte of text
    std::map<int32_t, uint32_t> system_colors{{13, 0xD77800}, {15, 0xF0F0F0}, {17, 0x6D6D6D}};
    std::vector<CanvasOp> ops;
    FontSpec font;

    void SetFont(const FontSpec& f) override { font = f; }
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

    // The operations of one kind, in order.
    std::vector<CanvasOp> OfKind(const std::string& kind) const;
    // The texts drawn, in order, without their leading blank.
    std::vector<std::string> Texts() const;
    // The operations recorded since the last "Clear".
    std::vector<CanvasOp> SinceLastClear() const;
};

}  // namespace qv
