#pragma once

// The busy pointer around slow work. There is one busy state, not a count:
// the first ShowDefaultPointer after any number of ShowHourglass calls brings
// the default pointer back at once.
void ShowHourglass();
void ShowDefaultPointer();

// Shows the busy pointer for its lifetime, so every way out of the slow work,
// an exception included, brings the default pointer back.
class BusyPointer {
public:
    BusyPointer() { ShowHourglass(); }
    ~BusyPointer() { ShowDefaultPointer(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
