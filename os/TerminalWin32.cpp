#include "os/Terminal.h"

#include <windows.h>

namespace rk::os {

struct TerminalEchoOff::State {
    bool active = false;
    HANDLE input = nullptr;
    DWORD mode = 0;
};

TerminalEchoOff::TerminalEchoOff() : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.input = ::GetStdHandle(STD_INPUT_HANDLE);
    s.active = ::GetConsoleMode(s.input, &s.mode) != 0 &&
               ::SetConsoleMode(s.input, s.mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
}

TerminalEchoOff::~TerminalEchoOff()
{
    if (m_state->active)
        ::SetConsoleMode(m_state->input, m_state->mode);
}

bool TerminalEchoOff::IsTerminal() const { return m_state->active; }

} // namespace rk::os
