// Creating ListBoxFX anew or from stored settings, and saving its settings. The keys, their
// order and their defaults are what stored settings of the control hold; "Font" and
// "Enabled" are written and read twice.
#include "listcontrol/list_checks.h"
#include "listcontrol/listboxfx.h"
#include "listcontrol/property_bag.h"

namespace qv {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kHighlight = 0x8000000D;

int32_t AsLong(uint32_t color) { return static_cast<int32_t>(color); }

}  // namespace

void ListBoxFX::UserControl_InitProperties() {
    // gStartColor is left at 0 (black) although its stored default is blue, so a new
    // control saves it.
    settings_.ImageHeight = 16;
    settings_.ImageWidth = 28;
    settings_.ShowSelection = true;
    settings_.FullRowSelect = true;
    settings_.GridLines = false;
    settings_.ShowIcons = false;
    settings_.Sorted = 1;
    settings_.IconMaskColor = kMagenta;
    settings_.SelectionClolor = kHighlight;
    settings_.TextSelectColor = kWhite;
    settings_.gEndColor = kWhite;
    settings_.gDirection = 1;
    settings_.TextColor = 0;
    settings_.BackGroundAlignment = 0;
    settings_.TextAlignment = 0;
    settings_.BackGroundStyle = 0;
}

void ListBoxFX::UserControl_WriteProperties(PropertyBag& PropBag) const {
    const ListSettings& s = settings_;
    PropBag.WriteLong("BackColor", AsLong(s.BackColor), AsLong(kWhite));
    PropBag.WriteBoolean("Enabled", s.Enabled, true);
    PropBag.WriteFont("Font", s.Font);
    PropBag.WriteLong("TextColor", AsLong(s.TextColor), 0);
    PropBag.WriteLong("TextSelectColor", AsLong(s.TextSelectColor), AsLong(kWhite));
    PropBag.WriteLong("SelectionClolor", AsLong(s.SelectionClolor), AsLong(kHighlight));
    PropBag.WriteFont("Font", s.Font);
    PropBag.WriteBoolean("ShowSelection", s.ShowSelection, true);
    PropBag.WriteLong("BackGroundStyle", s.BackGroundStyle, 0);
    PropBag.WritePicture("BackImage", s.BackImage);
    PropBag.WriteLong("BackGroundAlignment", s.BackGroundAlignment, 0);
    PropBag.WriteBoolean("FullRowSelect", s.FullRowSelect, true);
    PropBag.WriteBoolean("GridLines", s.GridLines, false);
    PropBag.WriteBoolean("Enabled", s.Enabled, true);
    PropBag.WritePicture("MouseIcon", s.MouseIcon);
    PropBag.WriteInteger("MousePointer", s.MousePointer, 0);
    PropBag.WriteInteger("Appearance", s.Appearance, 1);
    PropBag.WriteLong("Sorted", s.Sorted, 1);
    PropBag.WriteString("Hint", s.Hint, "");
    PropBag.WriteInteger("BorderStyle", s.BorderStyle, 1);
    PropBag.WriteLong("IconMaskColor", AsLong(s.IconMaskColor), AsLong(kMagenta));
    PropBag.WritePicture("IconStrip", s.IconStrip);
    PropBag.WriteBoolean("ShowIcons", s.ShowIcons, false);
    PropBag.WriteBoolean("Scrollbarvisible", s.scrollbar, false);
    PropBag.WriteInteger("ImageHeight", s.ImageHeight, 16);
    PropBag.WriteInteger("ImageWidth", s.ImageWidth, 28);
    PropBag.WriteLong("TextAlignment", s.TextAlignment, 0);
    PropBag.WriteLong("gStartColor", AsLong(s.gStartColor), AsLong(kBlue));
    PropBag.WriteLong("gEndColor", AsLong(s.gEndColor), AsLong(kWhite));
    PropBag.WriteLong("gDirection", s.gDirection, 1);
}

void ListBoxFX::UserControl_ReadProperties(const PropertyBag& PropBag) {
    ListSettings& s = settings_;
    auto read_color = [&PropBag](const char* key, uint32_t default_value) {
        return static_cast<uint32_t>(PropBag.ReadLong(key, AsLong(default_value)));
    };
    s.BackColor = read_color("BackColor", kWhite);
    s.Enabled = PropBag.ReadBoolean("Enabled", true);
    s.Font = PropBag.ReadFont("Font", ambient_font_);
    s.SelectionClolor = read_color("SelectionClolor", kHighlight);
    s.TextColor = read_color("TextColor", 0);
    s.TextSelectColor = read_color("TextSelectColor", kWhite);
    s.ShowSelection = PropBag.ReadBoolean("ShowSelection", true);
    s.Font = PropBag.ReadFont("Font", ambient_font_);
    canvas_.SetFont(s.Font);
    s.BackGroundStyle = PropBag.ReadLong("BackGroundStyle", 0);
    s.GridLines = PropBag.ReadBoolean("GridLines", false);
    s.BackGroundAlignment = PropBag.ReadLong("BackGroundAlignment", 0);
    s.FullRowSelect = PropBag.ReadBoolean("FullRowSelect", true);
    SetBackImage(PropBag.ReadPicture("BackImage"));
    s.Enabled = PropBag.ReadBoolean("Enabled", true);
    SetMouseIcon(PropBag.ReadPicture("MouseIcon"));
    s.MousePointer = CheckedMousePointer(PropBag.ReadInteger("MousePointer", 0));
    s.Appearance = CheckedZeroOrOne(PropBag.ReadInteger("Appearance", 1));
    s.Sorted = PropBag.ReadLong("Sorted", 1);
    s.Hint = PropBag.ReadString("Hint", "");
    s.BorderStyle = CheckedZeroOrOne(PropBag.ReadInteger("BorderStyle", 1));
    s.IconMaskColor = read_color("IconMaskColor", kMagenta);
    s.IconStrip = PropBag.ReadPicture("IconStrip");
    s.ShowIcons = PropBag.ReadBoolean("ShowIcons", false);
    SetScrollbar(PropBag.ReadBoolean("Scrollbarvisible", false));
    s.ImageHeight = PropBag.ReadInteger("ImageHeight", 16);
    s.ImageWidth = PropBag.ReadInteger("ImageWidth", 28);
    s.TextAlignment = PropBag.ReadLong("TextAlignment", 0);
    s.gStartColor = read_color("gStartColor", kBlue);
    s.gEndColor = read_color("gEndColor", kWhite);
    s.gDirection = PropBag.ReadLong("gDirection", 1);
    FrameChanged();
}

}  // namespace qv
