// The program's own process.
#pragma once

#include <cstdint>

namespace qv {

constexpr uint32_t kBelowNormalPriorityClass = 0x4000;

class ProcessControl {
  public:
    virtual ~ProcessControl() = default;
    virtual bool SetPriorityClass(uint32_t priority_class) = 0;
    virtual uint32_t GetPriorityClass() = 0;
    // Ends the program at once: no window's unload handling runs.
    virtual void EndProgram() = 0;
};

}  // namespace qv
