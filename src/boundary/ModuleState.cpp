#include "boundary/ModuleState.h"

#include <new>

#include "platform/DynamicLibrary.h"
#include "platform/ProfileRegistry.h"

namespace {

// Storage for one module-wide object: constructed into it when the module is
// loaded, like any global in this file, but destroyed only by Destroy().
// Having no destructor of its own, it registers nothing with the run-time's
// exit handlers.
template <typename T>
class CRkModuleObject {
public:
    template <typename... Args>
    explicit CRkModuleObject(Args&... args)
    {
        new (m_storage) T(args...);
    }
    CRkModuleObject(const CRkModuleObject&) = delete;
    CRkModuleObject& operator=(const CRkModuleObject&) = delete;

    T& Get() { return *std::launder(reinterpret_cast<T*>(m_storage)); }
    void Destroy() { Get().~T(); }

private:
    alignas(T) unsigned char m_storage[sizeof(T)];
};

// The module's objects reach the real system: the machine's profile
// registry and the system's dynamic loader.
CRkModuleObject<CRkNodeList> s_nodeList{rk::platform::SystemProfileRegistry()};
CRkModuleObject<CRkDb2Client> s_db2Client{rk::platform::SystemLibraryLoader()};
CRkModuleObject<CRkDatabaseListRegistry> s_databaseLists;
CRkModuleObject<CRkDataSourceListRegistry> s_dataSourceLists;

bool s_released = false;

} // namespace

// Constant-initialized, so it exists before any other module-wide object.
std::mutex g_directoryLock;

CRkNodeList& g_nodeList = s_nodeList.Get();
CRkDb2Client& g_db2Client = s_db2Client.Get();
CRkDatabaseListRegistry& g_databaseLists = s_databaseLists.Get();
CRkDataSourceListRegistry& g_dataSourceLists = s_dataSourceLists.Get();

namespace rk::boundary {

void ReleaseModuleState()
{
    if (s_released)
        return;
    s_released = true;
    s_dataSourceLists.Destroy();
    s_databaseLists.Destroy();
    s_db2Client.Destroy();
    s_nodeList.Destroy();
}

} // namespace rk::boundary
