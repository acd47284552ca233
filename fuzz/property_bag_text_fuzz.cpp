// Fuzzes the list control's stored-settings text (the format is in property_bag.h): the input
// is the text. A text that reads as a bag must write back to a text that reads as the same
// bag, and a list created from the bag must lay out and draw its rows on a recording canvas;
// a list that read its settings must read back what it saves.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "listcontrol/list_error.h"
#include "listcontrol/list_events.h"
#include "listcontrol/listboxfx.h"
#include "listcontrol/property_bag.h"
#include "sim/recording_canvas.h"

namespace qv {
namespace {

// Rows with letters of code page 1252 at the start, middle and end, one byte it leaves
// undefined, and a letter beyond it.
const std::vector<std::string> kRows = {
    "\xC3\xA4rger",  // ärger
    "Stra\xC3\x9F"
    "e \xE2\x82\xAC mitte",  // Straße € mitte
    "am Ende \xC3\xBF",      // ÿ
    "\xC2\x81undefined",     // U+0081, byte 0x81 of the code page
    "[Zelk]",
    "\xE4\xB8\xAD",  // outside the code page
};

bool SamePicture(const Picture& a, const Picture& b) {
    if (!a || !b) return !a && !b;
    return a->source == b->source && a->width == b->width && a->height == b->height;
}

// Fonts alike but for the size, which is written to six significant digits (and may be
// "nan", which equals nothing).
bool SameFontButSize(const FontSpec& a, const FontSpec& b) {
    return a.name == b.name && a.weight == b.weight && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikethrough == b.strikethrough &&
           a.charset == b.charset;
}

bool SameEntries(const PropertyBag& a, const PropertyBag& b) {
    if (a.Entries().size() != b.Entries().size()) return false;
    for (size_t i = 0; i < a.Entries().size(); ++i) {
        const PropertyBag::Entry& x = a.Entries()[i];
        const PropertyBag::Entry& y = b.Entries()[i];
        if (x.key != y.key || x.value.kind != y.value.kind || x.value.number != y.value.number ||
            x.value.text != y.value.text || !SameFontButSize(x.value.font, y.value.font) ||
            !SamePicture(x.value.picture, y.value.picture)) {
            return false;
        }
    }
    return true;
}

PropertyBag ReadOwnText(const std::string& text) {
    try {
        return PropertyBag::FromText(text);
    } catch (const PropertyBagError& error) {
        std::fprintf(stderr, "written text does not read back: %s\n", error.what());
        FUZZ_FAIL("a written bag reads back");
    }
    return {};
}

// Lays the list out, fills it and draws it in a few states; every row text drawn is one of
// the rows behind its leading blank.
void Draw(ListBoxFX& list, RecordingCanvas& canvas) {
    list.Resize(169, 400, 17);
    list.Show();
    for (size_t i = 0; i < kRows.size(); ++i) {
        list.AddItem(kRows[i], {}, static_cast<int16_t>(i * 3));
    }
    list.SetListIndex(2);
    list.ScrollBarChange(1);
    list.RedrawList();
    list.SurfaceKeyDown(kKeyEnd, 0);
    list.Resize(30, 5, 17);
    list.RedrawList();
    list.ScrollBarChange(-1);
    for (const CanvasOp& op : canvas.OfKind("Text")) {
        FUZZ_CHECK(!op.text.empty() && op.text[0] == ' ');
        bool known = false;
        for (const std::string& row : kRows) known = known || op.text.substr(1) == row;
        FUZZ_CHECK(known);
    }
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    const std::string text(reinterpret_cast<const char*>(data), size);
    PropertyBag bag;
    try {
        bag = PropertyBag::FromText(text);
    } catch (const PropertyBagError&) {
        return 0;
    }

    // Written and read again, a bag is the same bag, and its text does not change again.
    const std::string written = bag.ToText();
    const PropertyBag again = ReadOwnText(written);
    FUZZ_CHECK(SameEntries(bag, again));
    FUZZ_CHECK(again.ToText() == written);

    RecordingCanvas canvas;
    ListBoxFX list(canvas);
    bool read = true;
    try {
        list.UserControl_ReadProperties(bag);
    } catch (const ListError&) {
        read = false;  // the control keeps what it read before the refused value
    }
    Draw(list, canvas);
    if (!read) return 0;

    // What the control saves, it reads back, and saves again unchanged.
    PropertyBag saved;
    list.UserControl_WriteProperties(saved);
    const std::string stored = saved.ToText();
    RecordingCanvas copy_canvas;
    ListBoxFX copy(copy_canvas);
    try {
        copy.UserControl_ReadProperties(ReadOwnText(stored));
    } catch (const ListError& error) {
        std::fprintf(stderr, "saved settings refused: error %d\n", error.Number());
        FUZZ_FAIL("saved settings read back");
    }
    PropertyBag saved_again;
    copy.UserControl_WriteProperties(saved_again);
    FUZZ_CHECK(saved_again.ToText() == stored);
    Draw(copy, copy_canvas);
    return 0;
}
