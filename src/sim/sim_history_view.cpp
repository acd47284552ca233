#include "sim/sim_history_view.h"

namespace qv {

std::string SimHistoryView::RtfDocument() {
    std::string rtf = "{\\rtf1\\ansi ";
    for (char c : text_) {
        if (c == '\\' || c == '{' || c == '}') rtf += '\\';
        rtf += c;
    }
    return rtf + "}";
}

}  // namespace qv
