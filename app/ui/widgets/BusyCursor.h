#pragma once

namespace appui {

// The busy cursor over every window of the application for the object's
// lifetime: for work on the window's thread long enough to be noticed, which
// takes no input until it is done. The window system is told at once, so the
// cursor shows while the work runs, not after it.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace appui
