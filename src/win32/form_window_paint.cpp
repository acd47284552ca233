// What the window paints itself: its background and picture, the labels, frames, lines and
// pictures of its table, picture buttons, and the colours of the controls that have windows.
#include "win32/form_window.h"

#include <algorithm>

#include "win32/win32_text.h"

namespace qv {

void FormWindow::PaintControl(HDC dc, const FormControl& control) {
    const ControlSpec& spec = control.Spec();
    const RECT r = ToRect(control.Bounds());
    const COLORREF fore = ScreenColour(control.ForeColour(), GetSysColor(COLOR_BTNTEXT));
    switch (spec.kind) {
        case ControlKind::kFrame: {
            HBRUSH brush = BrushFor(fore);
            FrameRect(dc, &r, brush);
            break;
        }
        case ControlKind::kLine: {
            HPEN pen = CreatePen(PS_SOLID, 1, fore);
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, r.left, r.top, nullptr);
            LineTo(dc, r.right, r.bottom);
            SelectObject(dc, old);
            DeleteObject(pen);
            break;
        }
        case ControlKind::kPicture:
            if (HBITMAP picture = PictureOf(control.Picture())) {
                HDC source = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(source, picture);
                BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0,
                       SRCCOPY);
                SelectObject(source, old);
                DeleteDC(source);
            }
            break;
        case ControlKind::kLabel: {
            if (spec.back != kTransparent) {
                FillRect(
                    dc, &r,
                    BrushFor(ScreenColour(
                        spec.back, ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE)))));
            }
            HFONT font = FindEntry(control.Name())->font;
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, fore);
            RECT text_rect = r;
            UINT format = DT_WORDBREAK | DT_NOPREFIX;
            if (spec.flags & kCentred) format |= DT_CENTER;
            if (spec.flags & kRightAligned) format |= DT_RIGHT;
            const std::wstring text = Widen(control.Text());
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_rect, format);
            SelectObject(dc, old);
            break;
        }
        default:
            break;
    }
}

void FormWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int w = client.right;
    const int h = client.bottom;
    // Painted into a buffer first, so labels over the background never flicker.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, w > 0 ? w : 1, h > 0 ? h : 1);
    HGDIOBJ old_bitmap = SelectObject(buffer, bitmap);
    FillRect(buffer, &client,
             BrushFor(ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE))));
    if (HBITMAP picture = PictureOf(state_.Picture())) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(buffer, 0, 0, w, h, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    for (const Entry& entry : entries_) {
        const FormControl& control = *entry.control;
        if (entry.hwnd || !control.Visible()) continue;
        PaintControl(buffer, control);
    }
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(buffer, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(hwnd_, &ps);
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    Entry* entry = EntryOf(item.hwndItem);
    if (!entry) return;
    const FormControl& control = *entry->control;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (HBITMAP picture = PictureOf(control.Picture())) {
        // No button face: the window's background shows round the picture, which stands
        // centred at its own size (shrunk only when it is larger than the button).
        PaintBackgroundBehind(item.hDC, control);
        HDC source = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(source, picture);
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        const int w = std::min<int>(info.bmWidth, r.right - r.left);
        const int h = std::min<int>(info.bmHeight, r.bottom - r.top);
        const int shift = pressed ? 1 : 0;
        const int x = r.left + (r.right - r.left - w) / 2 + shift;
        const int y = r.top + (r.bottom - r.top - h) / 2 + shift;
        SetStretchBltMode(item.hDC, HALFTONE);
        StretchBlt(item.hDC, x, y, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return;
    }
    // Without a picture: a flat face with the caption, sunk while pressed.
    FillRect(item.hDC, &r, BrushFor(ScreenColour(control.Spec().back, GetSysColor(COLOR_BTNFACE))));
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    HGDIOBJ old = SelectObject(item.hDC, entry->font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ScreenColour(control.ForeColour(), GetSysColor(COLOR_BTNTEXT)));
    if (pressed) OffsetRect(&r, 1, 1);
    const std::wstring text = Widen(control.Text());
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
}

void FormWindow::PaintBackgroundBehind(HDC dc, const FormControl& control) {
    const ControlRect b = control.Bounds();
    RECT r{0, 0, b.width, b.height};
    FillRect(dc, &r, BrushFor(ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE))));
    HBITMAP background = PictureOf(state_.Picture());
    if (!background) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, background);
    BitBlt(dc, 0, 0, b.width, b.height, source, b.left, b.top, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

HBRUSH FormWindow::BackgroundBrush() {
    const int picture = state_.Picture();
    HBITMAP background = PictureOf(picture);
    if (!background) return nullptr;
    if (background_brush_ && background_brush_picture_ == picture) return background_brush_;
    if (background_brush_) DeleteObject(background_brush_);
    background_brush_ = CreatePatternBrush(background);
    background_brush_picture_ = picture;
    return background_brush_;
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    Entry* entry = EntryOf(control);
    const COLORREF form_back = ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE));
    if (!entry) return reinterpret_cast<LRESULT>(BrushFor(form_back));
    const ControlSpec& spec = entry->control->Spec();
    const bool box = spec.kind == ControlKind::kTextBox || spec.kind == ControlKind::kListBox;
    if (!box && spec.back == kTransparent) {
        // A see-through check box or option over a background picture: the picture's part
        // behind the control is its background, and its caption has no box of its own.
        if (HBRUSH brush = BackgroundBrush()) {
            const ControlRect b = entry->control->Bounds();
            SetBrushOrgEx(dc, -b.left, -b.top, nullptr);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc,
                         ScreenColour(entry->control->ForeColour(), GetSysColor(COLOR_BTNTEXT)));
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    const COLORREF back = ScreenColour(spec.back == kTransparent ? state_.Spec().back : spec.back,
                                       box ? GetSysColor(COLOR_WINDOW) : form_back);
    SetTextColor(dc, ScreenColour(entry->control->ForeColour(),
                                  GetSysColor(box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(BrushFor(back));
}

}  // namespace qv
