// ListBoxFX: the owner-drawn list of the main window (channel users, friends). It holds its
// rows, draws them on a canvas, turns the surface's input into its nine events, and keeps and
// persists its settings. The window that hosts it forwards input, paint, size and show, and
// mirrors the scroll bar and the container's look (see SetFrameListener).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "listcontrol/list_canvas.h"
#include "listcontrol/list_events.h"
#include "listcontrol/list_model.h"

namespace qv {

class PropertyBag;

// The vertical scroll bar `vBar`: Value is the number of rows scrolled off the top.
struct ScrollBarState {
    int32_t value = 0;
    int32_t max = 0;
    bool visible = false;
    int32_t width = 17;
    ListRect bounds;  // placed by LayoutControls, in surface pixels
};

// Settings that the control keeps in its own member values and constituents.
struct ListSettings {
    // Surface (PicBase).
    uint32_t BackColor = 0xFFFFFF;
    FontSpec Font;
    bool Enabled = true;
    Picture MouseIcon;
    int16_t MousePointer = 0;
    std::string Hint;
    // Container (UserControl).
    int16_t Appearance = 1;
    int16_t BorderStyle = 1;
    // Picture holders.
    Picture IconStrip;  // PicIcons
    Picture BackImage;  // ImgBack
    // Member values.
    uint32_t SelectionClolor = 0;
    uint32_t TextColor = 0;
    uint32_t TextSelectColor = 0;
    uint32_t IconMaskColor = 0;
    uint32_t gStartColor = 0;
    uint32_t gEndColor = 0;
    int32_t BackGroundStyle = 0;
    int32_t BackGroundAlignment = 0;
    int32_t TextAlignment = 0;
    int32_t Sorted = 0;
    int32_t gDirection = 0;
    int16_t ImageHeight = 0;
    int16_t ImageWidth = 0;
    bool ShowSelection = false;
    bool FullRowSelect = false;
    bool GridLines = false;
    bool ShowIcons = false;
    bool scrollbar = false;
};

class ListBoxFX {
  public:
    explicit ListBoxFX(ListCanvas& canvas);

    void SetEvents(ListBoxFXEvents* events) { events_ = events; }
    // Called whenever something the host window shows for the control changed: the scroll
    // bar (range, value, visibility, place), appearance, border, enabled state, pointer, hint.
    void SetFrameListener(std::function<void()> listener) { frame_listener_ = std::move(listener); }
    void SetAmbientFont(const FontSpec& font) { ambient_font_ = font; }
    const FontSpec& AmbientFont() const { return ambient_font_; }

    // --- Rows and selection -------------------------------------------------------------
    void AddItem(const std::string& Item, ListKey Key = {}, int16_t Icon = 0);
    void AppendItem(int32_t Index, const std::string& Item);
    void AppendKey(int32_t Index, const ListKey& Key);
    void Clear();
    void Delete(int32_t Index);
    void MoveEx(int32_t CurIndex, int32_t NewIndex);
    bool ItemEquals(const std::string& Item) const { return model_.ItemEquals(Item); }
    bool KeyEquals(const ListKey& Key) const { return model_.KeyEquals(Key); }
    int32_t ListCount() const { return model_.ListCount(); }
    int32_t ListIndex() const { return model_.SelectedSlot() - 1; }
    void SetListIndex(int32_t Index);
    std::string ItemSelectedText() const { return model_.ItemSelectedText(); }
    std::string ListItem(int32_t Index) const { return model_.ListItem(Index); }
    void SetListItem(int32_t Index, const std::string& vItem);
    ListKey Key(int32_t Index) const { return model_.Key(Index); }
    void SetKey(int32_t Index, const ListKey& vKey);
    const ListModel& Model() const { return model_; }

    // --- Drawing ----------------------------------------------------------------------------
    void LayoutControls();
    void RedrawList();
    void DrawItem(int32_t slot);
    uint32_t TranslateColor(uint32_t color) const;
    int16_t ItemHeight() const { return item_height_; }
    int16_t ListWidth() const { return list_width_; }
    int32_t VisibleRows() const { return visible_rows_; }
    int32_t SurfaceWidth() const { return surface_width_; }
    int32_t SurfaceHeight() const { return surface_height_; }
    const ScrollBarState& vBar() const { return vbar_; }

    // --- Handlers the host window calls -----------------------------------------------------
    // Raw button input, turned into the events of a click or a double click.
    void ButtonDown(int16_t button, int16_t shift, float x, float y);
    void ButtonUp(int16_t button, int16_t shift, float x, float y);
    void ButtonDoubleClick(int16_t button, int16_t shift, float x, float y);
    void SurfaceMouseDown(int16_t button, int16_t shift, float x, float y);
    void SurfaceMouseMove(int16_t button, int16_t shift, float x, float y);
    void SurfaceMouseUp(int16_t button, int16_t shift, float x, float y);
    void SurfaceClick();
    void SurfaceDblClick();
    void SurfaceKeyDown(int16_t KeyCode, int16_t Shift);
    void SurfaceKeyPress(int16_t KeyAscii);
    void SurfaceKeyUp(int16_t KeyCode, int16_t Shift);
    // The user moved the scroll bar (arrows, track, thumb release) or dragged the thumb.
    void ScrollBarChange(int32_t value);
    void ScrollBarScroll(int32_t value);
    void Paint() { RedrawList(); }
    // The surface's new size in pixels and the scroll bar's width; lays the parts out.
    void Resize(int32_t width, int32_t height, int32_t scroll_bar_width);
    void Show();
    bool IsItemVisible(int32_t index) const;

    // --- Settings -----------------------------------------------------------------------------
    const ListSettings& Settings() const { return settings_; }
    uint32_t BackColor() const { return settings_.BackColor; }
    void SetBackColor(uint32_t New_BackColor);
    uint32_t SelectionClolor() const { return settings_.SelectionClolor; }
    void SetSelectionClolor(uint32_t vNewSelect);
    uint32_t TextColor() const { return settings_.TextColor; }
    void SetTextColor(uint32_t vNewTxtColor);
    uint32_t TextSelectColor() const { return settings_.TextSelectColor; }
    void SetTextSelectColor(uint32_t vNewSelTxtColr);
    const FontSpec& Font() const { return settings_.Font; }
    void SetFont(const FontSpec& New_Font);
    bool ShowSelection() const { return settings_.ShowSelection; }
    void SetShowSelection(bool New_Select) { settings_.ShowSelection = New_Select; }
    int32_t BackGroundStyle() const { return settings_.BackGroundStyle; }
    void SetBackGroundStyle(int32_t New_BackGround);
    const Picture& BackImage() const { return settings_.BackImage; }
    void SetBackImage(Picture New_BackImage);
    int32_t BackGroundAlignment() const { return settings_.BackGroundAlignment; }
    void SetBackGroundAlignment(int32_t New_Align);
    bool FullRowSelect() const { return settings_.FullRowSelect; }
    void SetFullRowSelect(bool New_Row);
    bool GridLines() const { return settings_.GridLines; }
    void SetGridLines(bool vNewGrid);
    intptr_t hdc() const { return canvas_.NativeHandle(); }
    bool Enabled() const { return settings_.Enabled; }
    void SetEnabled(bool New_Enabled);
    const Picture& MouseIcon() const { return settings_.MouseIcon; }
    void SetMouseIcon(Picture New_MouseIcon);
    int32_t MousePointer() const { return settings_.MousePointer; }
    void SetMousePointer(int32_t New_MousePointer);
    int32_t Appearance() const { return settings_.Appearance; }
    void SetAppearance(int32_t New_Appearance);
    int32_t Sorted() const { return settings_.Sorted; }
    void SetSorted(int32_t New_Sort);
    const std::string& Hint() const { return settings_.Hint; }
    void SetHint(const std::string& New_ToolTipText);
    int32_t BorderStyle() const { return settings_.BorderStyle; }
    void SetBorderStyle(int32_t New_BorderStyle);
    uint32_t IconMaskColor() const { return settings_.IconMaskColor; }
    void SetIconMaskColor(uint32_t New_MaskColor);
    const Picture& IconStrip() const { return settings_.IconStrip; }
    void SetIconStrip(Picture New_IconStrip);
    bool ShowIcons() const { return settings_.ShowIcons; }
    bool scrollbar() const { return settings_.scrollbar; }
    void SetScrollbar(bool scrollbar);
    void SetShowIcons(bool vNewShow);
    int16_t ImageHeight() const { return settings_.ImageHeight; }
    void SetImageHeight(int32_t vNewHeight);
    int16_t ImageWidth() const { return settings_.ImageWidth; }
    void SetImageWidth(int32_t vNewWidth);
    int32_t TextAlignment() const { return settings_.TextAlignment; }
    void SetTextAlignment(int32_t vNewAlignment);
    uint32_t gStartColor() const { return settings_.gStartColor; }
    void SetgStartColor(uint32_t vNewSC);
    uint32_t gEndColor() const { return settings_.gEndColor; }
    void SetgEndColor(uint32_t vNewEC);
    int32_t gDirection() const { return settings_.gDirection; }
    void SetgDirection(int32_t vNewGDir);

    // --- Persistence --------------------------------------------------------------------------
    void UserControl_InitProperties();
    void UserControl_WriteProperties(PropertyBag& PropBag) const;
    void UserControl_ReadProperties(const PropertyBag& PropBag);

  private:
    // vBar.Value := value; a change redraws the list from the new top row.
    void SetScrollValue(int32_t value);
    void SetScrollMax(int32_t max);
    void SortItems(int32_t order);
    void DrawGridLines();
    void DrawBackImage();
    void DrawGradient(const ListRect& rect, uint32_t start_color, uint32_t end_color,
                      uint32_t direction);
    void DrawSelectionBar(int32_t top, uint32_t color);
    void DrawItemText(int32_t top, const std::string& text);
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width, uint32_t color);
    void RaiseChange();
    void Notice(const char* name);
    void FrameChanged();

    ListCanvas& canvas_;
    ListBoxFXEvents* events_ = nullptr;
    std::function<void()> frame_listener_;
    FontSpec ambient_font_;
    ListModel model_;
    ListSettings settings_;
    ScrollBarState vbar_;
    int16_t item_height_ = 0;
    int16_t list_width_ = 0;
    int32_t visible_rows_ = 0;
    int32_t surface_width_ = 0;
    int32_t surface_height_ = 0;
    int32_t current_x_ = 0;
    uint32_t fore_color_ = 0;
    bool left_pressed_ = false;  // a left press whose release makes a click
};

}  // namespace qv
