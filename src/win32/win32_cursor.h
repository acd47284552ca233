// The pointer on the real system: GetCursorPos, mouse_event and SetCursorPos.
#pragma once

#include "platform/cursor.h"

namespace qv {

class Win32Cursor : public CursorInput {
  public:
    bool GetCursorPos(CursorPoint* point) override;
    void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, uint32_t data) override;
    void SetCursorPos(int32_t x, int32_t y) override;
};

}  // namespace qv
