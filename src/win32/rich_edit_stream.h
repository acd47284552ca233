// Text and RTF handed to a rich-text control, or taken from it, in one stream each
// (EM_STREAMIN / EM_STREAMOUT): one message for a whole document, however long.
#pragma once

#include <windows.h>

#include <string>

namespace qv {

// Streams `size` bytes into the control in `format` (SF_TEXT | SF_UNICODE, or SF_RTF). UTF-16
// text is handed over in whole units, and a piece never ends between CR and LF: Wine's
// plain-text reader takes a CR at the end of one piece and the LF at the start of the next
// for two paragraph breaks. Drawing is left as it is.
void StreamIntoControl(HWND control, const char* data, size_t size, UINT format);

// The control's content in `format` (SF_RTF; with SFF_SELECTION only its selection).
std::string StreamOutOfControl(HWND control, UINT format);

}  // namespace qv
