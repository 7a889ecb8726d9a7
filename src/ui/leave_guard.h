#pragma once

namespace velmora::ui {

// A working view that can hold edits not saved yet. The main window asks it
// before the view goes: for another sidebar row, another universe, or when the
// window closes.
class LeaveGuard {
public:
    virtual ~LeaveGuard() = default;
    // Asks the referee what becomes of unsaved edits, and saves or drops them as
    // answered; asks nothing when there are none. False keeps the view.
    virtual bool confirmLeave() = 0;

protected:
    LeaveGuard() = default;
    LeaveGuard(const LeaveGuard&) = default;
    LeaveGuard& operator=(const LeaveGuard&) = default;
};

} // namespace velmora::ui
