#pragma once
// The stand-in client's directories for one test: a directory of its own,
// named by RKDB2_SIM_HOME, holding nodes.txt and databases.txt.

#include <string>
#include <vector>

namespace rk::test {

struct StoreNode {
    std::string name{};
    std::string host{};
    std::string service = "50000";
    std::string instance{};
    std::string remoteInstance{};
    int osType = 18;
    // Written only when set, as a store of an earlier version lacks them.
    int protocol = 3;
    int security = 0;
    std::string comment{};
    std::string system{};
};

struct StoreDatabase {
    std::string alias{};
    std::string name{};
    std::string node{};
    std::string path{};
    std::string internalName{};
    std::string type = "9.07";
    std::string comment{};
    char entryType = '1';
    int authentication = 255;
    int catalogNodeNumber = 0;
    std::string altHost{};
    std::string altPort{};
    std::string principal{}; // written only when set
};

class SimStore {
public:
    // Creates the directory (with neither file) and points RKDB2_SIM_HOME at it.
    SimStore();
    // A store in `dir`, which RKDB2_SIM_HOME then names.
    explicit SimStore(std::string dir);
    ~SimStore();
    SimStore(const SimStore&) = delete;
    SimStore& operator=(const SimStore&) = delete;

    // An empty list writes an empty file: an empty directory.
    void WriteNodes(const std::vector<StoreNode>& nodes);
    void WriteDatabases(const std::vector<StoreDatabase>& databases);
    // No file: the directory is missing.
    void RemoveNodes();
    void RemoveDatabases();
    const std::string& Directory() const { return m_dir; }
    // The two files' bytes, "" for a missing one.
    std::string Bytes() const;

private:
    std::string m_dir;
};

} // namespace rk::test
