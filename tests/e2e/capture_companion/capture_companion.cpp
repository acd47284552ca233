// The companion as the handle capture's end-to-end tests run it: the program's main window
// with the capture's INSERT hot key timer switched on from start, answering the tests' probe
// message with a handle box or the attach scan's row. The shipped program has neither.
#include <windows.h>

#include "core/number_text.h"
#include "e2e/capture_probe.h"
#include "win32/main_window.h"

namespace {

qv::MainWindow* g_window = nullptr;
WNDPROC g_window_proc = nullptr;
UINT g_probe_message = 0;

LRESULT ProbeAnswer(WPARAM field) {
    qv::Form1& form = g_window->form();
    if (field < qv::kCaptureMarkers.size()) {
        return qv::HandleOf(form.boxes.*qv::kCaptureMarkers[field].box);
    }
    if (field == e2e::kProbeScanRow) return qv::ParseInt32(form.scan.Kaunta.Get()).value_or(-1);
    return -1;
}

LRESULT CALLBACK ProbingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == g_probe_message) return ProbeAnswer(wp);
    return CallWindowProcW(g_window_proc, hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
    qv::LoadControlLibraries();
    qv::MainWindow window;
    if (!window.Create(show_command)) return 1;
    g_window = &window;
    g_probe_message = RegisterWindowMessageW(e2e::kCaptureProbeMessage);
    g_window_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProbingProc)));
    window.form().Timer5.SetEnabled(true);
    return qv::RunMessageLoop();
}
