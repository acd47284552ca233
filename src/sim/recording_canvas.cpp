#include "sim/recording_canvas.h"

namespace qv {

namespace {

CanvasOp MakeOp(const char* kind, const ListRect& rect) {
    CanvasOp op;
    op.kind = kind;
    op.rect = rect;
    return op;
}

}  // namespace

void RecordingCanvas::Clear(uint32_t rgb) {
    CanvasOp op = MakeOp("Clear", {});
    op.color = rgb;
    ops.push_back(op);
}

void RecordingCanvas::FillRect(const ListRect& rect, uint32_t rgb) {
    CanvasOp op = MakeOp("FillRect", rect);
    op.color = rgb;
    ops.push_back(op);
}

void RecordingCanvas::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                               uint32_t rgb) {
    CanvasOp op = MakeOp("Line", {x1, y1, x2, y2});
    op.color = rgb;
    op.width = width;
    ops.push_back(op);
}

void RecordingCanvas::DrawText(const ListRect& rect, const std::string& text, uint32_t format,
                               uint32_t rgb) {
    CanvasOp op = MakeOp("Text", rect);
    op.color = rgb;
    op.format = format;
    op.text = text;
    ops.push_back(op);
}

int32_t RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int32_t>(text.size()) * char_width;
}

int32_t RecordingCanvas::TextHeight(const std::string&) { return text_height; }

void RecordingCanvas::TransparentCopy(const Picture& source, int32_t x, int32_t y, int32_t width,
                                      int32_t height, int32_t src_x, int32_t src_y, uint32_t mask) {
    CanvasOp op = MakeOp("Icon", {x, y, x + width, y + height});
    op.src_x = src_x;
    op.src_y = src_y;
    op.color = mask;
    op.text = source->source;
    ops.push_back(op);
}

void RecordingCanvas::CopyPicture(const Picture& source, int32_t x, int32_t y, int32_t width,
                                  int32_t height) {
    CanvasOp op = MakeOp("Copy", {x, y, x + width, y + height});
    op.text = source->source;
    ops.push_back(op);
}

void RecordingCanvas::TilePicture(const Picture& source, const ListRect& rect) {
    CanvasOp op = MakeOp("Tile", rect);
    op.text = source->source;
    ops.push_back(op);
}

void RecordingCanvas::GradientFill(const GradientVertex& upper_left,
                                   const GradientVertex& lower_right, uint32_t mode) {
    CanvasOp op = MakeOp("Gradient", {upper_left.x, upper_left.y, lower_right.x, lower_right.y});
    op.format = mode;
    op.from = upper_left;
    op.to = lower_right;
    ops.push_back(op);
}

bool RecordingCanvas::SystemColor(int32_t index, uint32_t* rgb) {
    auto found = system_colors.find(index);
    if (found == system_colors.end()) return false;
    *rgb = found->second;
    return true;
}

void RecordingCanvas::Refresh() { ops.push_back(MakeOp("Refresh", {})); }

std::vector<CanvasOp> RecordingCanvas::OfKind(const std::string& kind) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const CanvasOp& op : OfKind("Text")) out.push_back(op.text.substr(1));
    return out;
}

std::vector<CanvasOp> RecordingCanvas::SinceLastClear() const {
    size_t start = 0;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == "Clear") start = i;
    }
    return std::vector<CanvasOp>(ops.begin() + static_cast<long>(start), ops.end());
}

}  // namespace qv
