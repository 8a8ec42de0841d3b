#include "SimStore.h"

#include <cstdio>
#include <fstream>

#include "TestEnv.h"
#include "TestPaths.h"
#include "os/Files.h"

namespace rk::test {

SimStore::SimStore() : m_dir(TemporaryPath("rkdb2-store"))
{
    os::MakeDirectory(m_dir);
    os::SetEnv("RKDB2_SIM_HOME", m_dir);
}

SimStore::~SimStore()
{
    RemoveNodes();
    RemoveDatabases();
    os::RemoveEmptyDirectory(m_dir);
    os::UnsetEnv("RKDB2_SIM_HOME");
}

void SimStore::WriteNodes(const std::vector<StoreNode>& nodes)
{
    std::ofstream file(m_dir + "/nodes.txt", std::ios::binary | std::ios::trunc);
    for (const auto& node : nodes)
        file << "[node " << node.name << "]\n"
             << "host = " << node.host << "\n"
             << "service = " << node.service << "\n"
             << "instance = " << node.instance << "\n"
             << "remote_instance = " << node.remoteInstance << "\n"
             << "os_type = " << node.osType << "\n\n";
}

void SimStore::WriteDatabases(const std::vector<StoreDatabase>& databases)
{
    std::ofstream file(m_dir + "/databases.txt", std::ios::binary | std::ios::trunc);
    for (const auto& database : databases)
        file << "[database " << database.alias << "]\n"
             << "name = " << database.name << "\n"
             << "path = " << database.path << "\n"
             << "internal_name = " << database.internalName << "\n"
             << "node = " << database.node << "\n"
             << "type = " << database.type << "\n"
             << "comment = " << database.comment << "\n"
             << "entry_type = " << database.entryType << "\n"
             << "authentication = " << database.authentication << "\n"
             << "catalog_node_number = " << database.catalogNodeNumber << "\n"
             << "alt_host = " << database.altHost << "\n"
             << "alt_port = " << database.altPort << "\n\n";
}

void SimStore::RemoveNodes() { std::remove((m_dir + "/nodes.txt").c_str()); }

void SimStore::RemoveDatabases() { std::remove((m_dir + "/databases.txt").c_str()); }

} // namespace rk::test
