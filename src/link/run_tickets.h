#pragma once

#include <QtGlobal>

#include <map>

namespace unitlink {

// Which run of each function is the current one. A function pressed while
// another's counted wait runs starts inside that wait; when it ends, the
// waiting one carries on, and both results show. A run gives way only to a
// newer run of its own function, which would otherwise write the same lines
// twice.
class RunTickets {
public:
    struct Ticket {
        int function = -1;
        quint64 number = 0;
    };

    // A new run of `function`: the ones before it of that function are no
    // longer current.
    Ticket begin(int function);
    bool isCurrent(const Ticket &ticket) const;
    // The panel a run writes into has closed, or its screen is gone: no
    // run begun before is current any more.
    void cancel(int function);
    void cancelAll();

private:
    std::map<int, quint64> current_;
    quint64 issued_ = 0;
};

} // namespace unitlink
