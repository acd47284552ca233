// The property writes of ListBoxFX. Each stores its value first and then, in the order
// given, tells the host (the change notice) and redraws; some do neither.
#include "listcontrol/list_checks.h"
#include "listcontrol/listboxfx.h"

namespace qv {

void ListBoxFX::SetBackColor(uint32_t New_BackColor) {
    settings_.BackColor = New_BackColor;
    Notice("BackColor");
}

void ListBoxFX::SetSelectionClolor(uint32_t vNewSelect) {
    settings_.SelectionClolor = vNewSelect;
    RedrawList();
    Notice("SelectionClolor");
}

void ListBoxFX::SetTextColor(uint32_t vNewTxtColor) {
    settings_.TextColor = vNewTxtColor;
    RedrawList();
    Notice("TextColor");
}

void ListBoxFX::SetTextSelectColor(uint32_t vNewSelTxtColr) {
    settings_.TextSelectColor = vNewSelTxtColr;
    Notice("TextSelectColor");
    RedrawList();
}

void ListBoxFX::SetFont(const FontSpec& New_Font) {
    settings_.Font = New_Font;
    canvas_.SetFont(New_Font);
    Notice("Font");
    RedrawList();
}

void ListBoxFX::SetBackGroundStyle(int32_t New_BackGround) {
    settings_.BackGroundStyle = New_BackGround;
    Notice("BackGroundStyle");
    RedrawList();
}

void ListBoxFX::SetBackImage(Picture New_BackImage) {
    settings_.BackImage = std::move(New_BackImage);
    Notice("BackImage");
}

void ListBoxFX::SetBackGroundAlignment(int32_t New_Align) {
    settings_.BackGroundAlignment = New_Align;
    Notice("BackGroundAlignment");
    RedrawList();
}

void ListBoxFX::SetFullRowSelect(bool New_Row) {
    settings_.FullRowSelect = New_Row;
    Notice("FullRowSelect");
    RedrawList();
}

void ListBoxFX::SetGridLines(bool vNewGrid) {
    settings_.GridLines = vNewGrid;
    Notice("GridLines");
    RedrawList();
}

void ListBoxFX::SetEnabled(bool New_Enabled) {
    settings_.Enabled = New_Enabled;
    // A disabled surface forgets a press in progress: its release, now or later, is no click.
    if (!New_Enabled) left_pressed_ = false;
    FrameChanged();
    Notice("Enabled");
}

void ListBoxFX::SetMouseIcon(Picture New_MouseIcon) {
    settings_.MouseIcon = std::move(New_MouseIcon);
    FrameChanged();
    Notice("MouseIcon");
}

void ListBoxFX::SetMousePointer(int32_t New_MousePointer) {
    settings_.MousePointer = CheckedMousePointer(New_MousePointer);
    FrameChanged();
    Notice("MousePointer");
}

void ListBoxFX::SetAppearance(int32_t New_Appearance) {
    settings_.Appearance = CheckedZeroOrOne(New_Appearance);
    FrameChanged();
    Notice("Appearance");
}

void ListBoxFX::SetSorted(int32_t New_Sort) {
    settings_.Sorted = New_Sort;
    SortItems(New_Sort);
    RedrawList();
    Notice("Sorted");
}

void ListBoxFX::SetHint(const std::string& New_ToolTipText) {
    settings_.Hint = New_ToolTipText;
    FrameChanged();
    Notice("Hint");
}

void ListBoxFX::SetBorderStyle(int32_t New_BorderStyle) {
    settings_.BorderStyle = CheckedZeroOrOne(New_BorderStyle);
    FrameChanged();
    Notice("BorderStyle");
}

void ListBoxFX::SetIconMaskColor(uint32_t New_MaskColor) {
    settings_.IconMaskColor = New_MaskColor;
    Notice("IconMaskColor");
}

void ListBoxFX::SetIconStrip(Picture New_IconStrip) {
    settings_.IconStrip = std::move(New_IconStrip);
    Notice("IconStrip");
    RedrawList();
}

void ListBoxFX::SetScrollbar(bool scrollbar) {
    settings_.scrollbar = scrollbar;
    vbar_.visible = scrollbar;
    FrameChanged();
}

void ListBoxFX::SetShowIcons(bool vNewShow) {
    settings_.ShowIcons = vNewShow;
    RedrawList();
    Notice("ShowIcons");
}

void ListBoxFX::SetImageHeight(int32_t vNewHeight) {
    settings_.ImageHeight = Narrow16(vNewHeight);
    Notice("ImageHeight");
}

void ListBoxFX::SetImageWidth(int32_t vNewWidth) {
    settings_.ImageWidth = Narrow16(vNewWidth);
    Notice("ImageWidth");
}

void ListBoxFX::SetTextAlignment(int32_t vNewAlignment) {
    settings_.TextAlignment = vNewAlignment;
    Notice("TextAlignment");
    RedrawList();
}

void ListBoxFX::SetgStartColor(uint32_t vNewSC) {
    settings_.gStartColor = vNewSC;
    Notice("gStartColor");
    RedrawList();
}

void ListBoxFX::SetgEndColor(uint32_t vNewEC) {
    settings_.gEndColor = vNewEC;
    Notice("gEndColor");
    RedrawList();
}

void ListBoxFX::SetgDirection(int32_t vNewGDir) {
    settings_.gDirection = vNewGDir;
    Notice("gDirection");
    RedrawList();
}

}  // namespace qv
