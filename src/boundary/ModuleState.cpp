#include "boundary/ModuleState.h"

#include <new>

namespace {

// Storage for one module-wide object: constructed into it when the module is
// loaded, like any global in this file, but destroyed only by Destroy().
// Having no destructor of its own, it registers nothing with the run-time's
// exit handlers.
template <typename T>
class ModuleObject {
public:
    ModuleObject() { new (m_storage) T(); }
    ModuleObject(const ModuleObject&) = delete;
    ModuleObject& operator=(const ModuleObject&) = delete;

    T& Get() { return *std::launder(reinterpret_cast<T*>(m_storage)); }
    void Destroy() { Get().~T(); }

private:
    alignas(T) unsigned char m_storage[sizeof(T)];
};

ModuleObject<CRkNodeList> s_nodeList;
ModuleObject<CRkDb2Client> s_db2Client;
ModuleObject<CRkDatabaseListRegistry> s_databaseLists;

bool s_released = false;

} // namespace

// Constant-initialized, so it exists before any other module-wide object.
std::mutex g_directoryLock;

CRkNodeList& g_nodeList = s_nodeList.Get();
CRkDb2Client& g_db2Client = s_db2Client.Get();
CRkDatabaseListRegistry& g_databaseLists = s_databaseLists.Get();

namespace rk::boundary {

void ReleaseModuleState()
{
    if (s_released)
        return;
    s_released = true;
    s_databaseLists.Destroy();
    s_db2Client.Destroy();
    s_nodeList.Destroy();
}

} // namespace rk::boundary
