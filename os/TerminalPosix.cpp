#include "os/Terminal.h"

#include <termios.h>
#include <unistd.h>

namespace rk::os {

struct TerminalEchoOff::State {
    bool active = false;
    termios mode{};
};

TerminalEchoOff::TerminalEchoOff() : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.active = ::isatty(STDIN_FILENO) != 0 && ::tcgetattr(STDIN_FILENO, &s.mode) == 0;
    if (s.active) {
        termios silent = s.mode;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        s.active = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent) == 0;
    }
}

TerminalEchoOff::~TerminalEchoOff()
{
    if (m_state->active)
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_state->mode);
}

bool TerminalEchoOff::IsTerminal() const { return m_state->active; }

} // namespace rk::os
