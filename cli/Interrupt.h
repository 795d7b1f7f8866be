#pragma once

namespace ortavel::cli {

// Ctrl-C: the first SIGINT only raises a flag that long work
// checks between exchanges; a second one ends the program at once.
class Interrupt {
public:
    static void install();
    static bool requested();
    static void reset();
};

} // namespace ortavel::cli
