#pragma once
// The terminal of standard input.

#include <memory>

namespace rk::os {

// Turns the terminal's echo off for the object's life, when standard input
// is a terminal (a console on Windows) at all; restores it afterwards.
class TerminalEchoOff {
public:
    TerminalEchoOff();
    ~TerminalEchoOff();
    TerminalEchoOff(const TerminalEchoOff&) = delete;
    TerminalEchoOff& operator=(const TerminalEchoOff&) = delete;

    // True when standard input is a terminal and its echo is off.
    bool IsTerminal() const;

private:
    struct State; // the terminal's mode before, per platform
    std::unique_ptr<State> m_state;
};

} // namespace rk::os
