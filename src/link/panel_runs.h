#pragma once

#include "link/run_tickets.h"
#include "link/screen_host.h"

#include <functional>

namespace unitlink {

// The runs of a panel's tests. A new run, Cancel, the panel's Exit or a new
// opening ends the run in progress at its next wait, and so does leaving
// the screen.
class PanelRuns {
public:
    // One counted wait of a run: false, at once, once the run has ended.
    using Wait = std::function<bool(int limit)>;

    explicit PanelRuns(ScreenHost &host) : host_(host) {}

    // A new run, which ends the one in progress; its counted wait.
    Wait begin() {
        const RunTickets::Ticket run = tickets_.begin(0);
        return [this, run](int limit) {
            return host_.BusyWait(limit, [this, run] { return tickets_.isCurrent(run); });
        };
    }
    // The run in progress ends.
    void end() { tickets_.cancelAll(); }

private:
    ScreenHost &host_;
    RunTickets tickets_;
};

} // namespace unitlink
