#include "link/run_tickets.h"

namespace unitlink {

RunTickets::Ticket RunTickets::begin(int function) {
    current_[function] = ++issued_;
    return {function, issued_};
}

bool RunTickets::isCurrent(const Ticket &ticket) const {
    const auto found = current_.find(ticket.function);
    return found != current_.end() && found->second == ticket.number;
}

void RunTickets::cancel(int function) {
    current_.erase(function);
}

void RunTickets::cancelAll() {
    current_.clear();
}

} // namespace unitlink
