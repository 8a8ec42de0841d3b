#include "SimStore.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

#include "TestEnv.h"
#include "TestPaths.h"
#include "os/Files.h"

namespace rk::test {

SimStore::SimStore() : SimStore(TemporaryPath("rkdb2-store")) { }

SimStore::SimStore(std::string dir) : m_dir(std::move(dir))
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
    for (const auto& node : nodes) {
        file << "[node " << node.name << "]\n"
             << "host = " << node.host << "\n"
             << "service = " << node.service << "\n"
             << "instance = " << node.instance << "\n"
             << "remote_instance = " << node.remoteInstance << "\n"
             << "os_type = " << node.osType << "\n";
        if (node.protocol != 3)
            file << "protocol = " << node.protocol << "\n";
        if (node.security != 0)
            file << "security = " << node.security << "\n";
        if (!node.comment.empty())
            file << "comment = " << node.comment << "\n";
        if (!node.system.empty())
            file << "system = " << node.system << "\n";
        file << "\n";
    }
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
             << "alt_port = " << database.altPort << "\n"
             << (database.principal.empty() ? "" : "principal = " + database.principal + "\n") << "\n";
}

std::string SimStore::Bytes() const
{
    std::string bytes;
    for (const char* name : {"/nodes.txt", "/databases.txt"}) {
        std::ifstream file(m_dir + name, std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        bytes += '\0';
    }
    return bytes;
}

void SimStore::RemoveNodes() { std::remove((m_dir + "/nodes.txt").c_str()); }

void SimStore::RemoveDatabases() { std::remove((m_dir + "/databases.txt").c_str()); }

} // namespace rk::test
