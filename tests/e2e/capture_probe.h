// What the capture tests ask of the capture companion (tests/e2e/capture_companion): a
// registered window message to its main window whose wParam names the field and whose result
// is the field's value.
#pragma once

#include <windows.h>

namespace e2e {

constexpr wchar_t kCaptureProbeMessage[] = L"QuorvaneTestHandleBox";

// The fields: the five handle boxes the capture fills, in the order of its markers, and the
// window-list row the attach scan is testing.
enum CaptureProbeField : WPARAM {
    kProbeText,
    kProbeList,
    kProbeButton,
    kProbeChannel,
    kProbeChanneln,
    kProbeScanRow,
};

}  // namespace e2e
