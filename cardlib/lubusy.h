#pragma once
// The library-wide busy state: a nesting count held by long operations
// (flights, deck preparation, dealing, playing) and consulted by the mouse
// handlers of groups and tables, which ignore clicks while it is raised.
// Plus the guards that close the busy and update brackets also when an
// exception leaves the bracketed operation.
#include <cstdint>

class TLuCustomGraphicControl;

void BeginBusy();
// Never goes below zero.
void EndBusy();
// True while any bracket is open: the count alone is the state.
bool Busy();
std::uint32_t BusyCount();

// BeginBusy now, EndBusy when the scope ends.
class TLuBusyGuard {
public:
    TLuBusyGuard() { BeginBusy(); }
    ~TLuBusyGuard() { EndBusy(); }
    TLuBusyGuard(const TLuBusyGuard&) = delete;
    TLuBusyGuard& operator=(const TLuBusyGuard&) = delete;
};

// BeginUpdate on a control now; when the scope ends EndUpdate and, unless
// Flush is false, FlushBuffer, so that the whole batch reaches the screen in
// one copy.
class TLuUpdateGuard {
public:
    explicit TLuUpdateGuard(TLuCustomGraphicControl& Control, bool Flush = true);
    ~TLuUpdateGuard();
    TLuUpdateGuard(const TLuUpdateGuard&) = delete;
    TLuUpdateGuard& operator=(const TLuUpdateGuard&) = delete;

private:
    TLuCustomGraphicControl& FControl;
    bool FFlush;
};
