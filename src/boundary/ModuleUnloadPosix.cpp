// Linux tells a shared object nothing about why it goes: the module-wide
// objects are released by the shared object's own finalizers, at dlclose and
// at exit.
#include "boundary/ModuleState.h"

namespace {

struct ReleaseAtUnload {
    ~ReleaseAtUnload() { rk::boundary::ReleaseModuleState(); }
} s_releaseAtUnload;

} // namespace
