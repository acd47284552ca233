#include "sim/sim_screen.h"

namespace qv {

WindowHandle SimScreen::WindowFromPoint(CursorPoint point) {
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        const SimWindow* window = windows_.Find(it->first);
        if (!window || !window->visible) continue;
        if (it->second.Contains(point)) return it->first;
    }
    return 0;
}

CursorPoint SimScreen::ClientToScreen(WindowHandle window, CursorPoint client) {
    for (const auto& [handle, rect] : placed) {
        if (handle == window) return {client.x + rect.left, client.y + rect.top};
    }
    return client;
}

void SimScreen::Place(WindowHandle window, ScreenRect rect) {
    for (auto it = placed.begin(); it != placed.end(); ++it) {
        if (it->first == window) {
            placed.erase(it);
            break;
        }
    }
    placed.emplace_back(window, rect);
}

}  // namespace qv
