// The pointer on the real system: GetCursorPos and mouse_event.
#pragma once

#include "platform/cursor.h"

namespace qv {

class Win32Cursor : public CursorInput {
  public:
    bool GetCursorPos(CursorPoint* point) override;
    void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, uint32_t data) override;
};

}  // namespace qv
