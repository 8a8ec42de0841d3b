# Sourced by the scripts: where the win32 flavour's programs run.
#
#   local  this machine runs 32-bit x86 programs: Wine runs here.
#   guest  it refuses them (or would only emulate them in user mode, under
#          which Wine is unusable): Wine runs in an emulated x86-64 Debian
#          guest built and booted by scripts/guest/.
#
# RK_WIN32_RUNNER=local|guest overrides the choice.

# Prints "local" or "guest".
rk_win32_runner() {
  case "${RK_WIN32_RUNNER:-}" in
    local|guest) echo "$RK_WIN32_RUNNER"; return ;;
    "") ;;
    *) echo "RK_WIN32_RUNNER must be local or guest, not '$RK_WIN32_RUNNER'" >&2; return 2 ;;
  esac
  if rk_i386_emulated_in_user_mode || ! rk_i386_runs_natively; then
    echo guest
  else
    echo local
  fi
}

# True when the kernel itself executes i386 programs. The i386 dynamic
# loader is the smallest i386 program a Wine installation brings.
rk_i386_runs_natively() {
  local loader=/lib/ld-linux.so.2
  [ -e "$loader" ] || return 1
  timeout 20 "$loader" --version >/dev/null 2>&1
}

# True when binfmt_misc hands i386 programs to an interpreter (qemu-i386 and
# the like): they would start, but Wine does not work that way.
rk_i386_emulated_in_user_mode() {
  local dir=/proc/sys/fs/binfmt_misc entry
  [ -d "$dir" ] || return 1
  for entry in "$dir"/*; do
    case "$(basename "$entry")" in register|status) continue ;; esac
    [ -f "$entry" ] || continue
    grep -qx enabled "$entry" 2>/dev/null || continue
    # The ELF header of an i386 executable: class 32-bit, machine 3.
    grep -q '^magic 7f454c46010101000000000000000000020003' "$entry" && return 0
  done
  return 1
}

# Runs a script of the repository (with its arguments) where Wine runs, and
# returns its exit status.
rk_win32_run() {
  local runner
  runner=$(rk_win32_runner) || return
  if [ "$runner" = local ]; then
    "$@"
  else
    "$(dirname "${BASH_SOURCE[0]}")/guest/run" "$@"
  fi
}
