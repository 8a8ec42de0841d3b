// bench_soak: a host's day in minutes. Loads RkDb2Rova the way a host does
// and, from several threads for a given time, repopulates and walks one
// long-lived list handle per thread, catalogs and uncatalogs a database of
// the thread's own and tests a connection, while a sampler writes the
// process's resident memory to a CSV file every two seconds.
//
//   bench_soak SECONDS CSV_FILE [DATA_SOURCE]
//
// The stand-in's store (RKDB2_SIM_HOME), its libraries (LD_LIBRARY_PATH) and
// the ODBC configuration (ODBCSYSINI) come from the environment; scripts/soak
// sets them. Exits 1 when any call failed.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "HostLibrary.h"
#include "rkdb2rova.h"

namespace {

constexpr int kThreads = 4;
constexpr auto kSampleInterval = std::chrono::seconds(2);
constexpr int kMessageSize = 1024;

using Clock = std::chrono::steady_clock;

// VmRSS of this process in KiB, or -1 when /proc does not tell.
long ResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

struct WorkerCounts {
    long populations = 0;
    long entries = 0;
    long catalogs = 0;
    long connections = 0;
    long failures = 0;
};

class SoakWorker {
public:
    SoakWorker(const rk::host::HostLibrary& library, int index, std::string dataSource)
        : m_library(library), m_hostName("soak" + std::to_string(index)),
          m_databaseName("SOAK" + std::to_string(index)), m_dataSource(std::move(dataSource)),
          m_connectMessage(RKDB2_CONNECT_MESSAGE_MAX)
    {
    }

    // One round of a host's work; failures are counted and the first of each
    // kind is printed.
    void RunRound()
    {
        if (m_list == nullptr)
            m_list = m_library.CRkDatabaseListNew();
        if (m_list == nullptr)
            return Fail("CRkDatabaseListNew returned null");
        WalkList();
        CatalogRoundTrip();
        TestConnection();
    }

    const WorkerCounts& Counts() const { return m_counts; }

private:
    void WalkList()
    {
        RkDatabaseEntry* entry = nullptr;
        if (!m_library.CRkDatabaseListPopulate(m_list, &entry))
            return Fail("CRkDatabaseListPopulate failed");
        ++m_counts.populations;
        char record[RKDB2_DETAILS_SIZE];
        char errorText[kMessageSize];
        for (; entry != nullptr; entry = m_library.CRkDatabaseListNext(m_list)) {
            m_library.GetDatabaseDetails(entry, record);
            m_library.CRkDatabaseListGetError(m_list, errorText, sizeof errorText);
            ++m_counts.entries;
        }
    }

    void CatalogRoundTrip()
    {
        char message[kMessageSize];
        if (!m_library.CatalogDatabase(m_hostName.c_str(), m_databaseName.c_str(), message, sizeof message))
            return Fail("CatalogDatabase: " + std::string(message));
        if (!m_library.UncatalogDatabase(m_databaseName.c_str(), m_hostName.c_str(), message, sizeof message))
            return Fail("UncatalogDatabase: " + std::string(message));
        ++m_counts.catalogs;
    }

    void TestConnection()
    {
        char dbmsName[RKDB2_DBMS_NAME_SIZE];
        if (!m_library.RkConnect(m_dataSource.c_str(), nullptr, nullptr, dbmsName, m_connectMessage.data()))
            return Fail("RkConnect: " + std::string(m_connectMessage.data()));
        ++m_counts.connections;
    }

    void Fail(const std::string& what)
    {
        if (m_counts.failures++ == 0)
            std::fprintf(stderr, "bench_soak: %s: %s\n", m_hostName.c_str(), what.c_str());
    }

    const rk::host::HostLibrary& m_library;
    const std::string m_hostName;
    const std::string m_databaseName;
    const std::string m_dataSource;
    // Owned by the library until it is unloaded.
    RkDatabaseList* m_list = nullptr;
    std::vector<char> m_connectMessage;
    WorkerCounts m_counts;
};

// Writes "seconds,rss_kib" lines every kSampleInterval until stopped, and a
// last line when stopped.
class RssSampler {
public:
    explicit RssSampler(const std::string& csvPath) : m_csv(csvPath), m_start(Clock::now())
    {
        m_csv << "seconds,rss_kib\n";
        m_thread = std::thread([this] { Run(); });
    }
    RssSampler(const RssSampler&) = delete;
    RssSampler& operator=(const RssSampler&) = delete;
    ~RssSampler() { Stop(); }

    bool IsOpen() const { return static_cast<bool>(m_csv); }

    void Stop()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        auto next = m_start;
        while (true) {
            Sample();
            next += kSampleInterval;
            if (m_wake.wait_until(lock, next, [this] { return m_stopping; })) {
                Sample();
                return;
            }
        }
    }

    void Sample()
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        char line[64];
        std::snprintf(line, sizeof line, "%.1f,%ld\n", seconds, ResidentKib());
        m_csv << line << std::flush;
    }

    std::ofstream m_csv;
    const Clock::time_point m_start;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_soak SECONDS CSV_FILE [DATA_SOURCE]\n");
        return 2;
    }
    const auto duration = std::chrono::seconds(std::atol(argv[1]));
    const std::string dataSource = argc > 3 ? argv[3] : "RkSQLite";

    const rk::host::HostLibrary library;
    if (!library.IsLoaded()) {
        std::fprintf(stderr, "bench_soak: cannot load %s\n", rk::host::DefaultLibraryPath().c_str());
        return 2;
    }

    RssSampler sampler(argv[2]);
    if (!sampler.IsOpen()) {
        std::fprintf(stderr, "bench_soak: cannot write %s\n", argv[2]);
        return 2;
    }

    const auto deadline = Clock::now() + duration;
    std::vector<SoakWorker> workers;
    workers.reserve(kThreads);
    for (int i = 1; i <= kThreads; ++i)
        workers.emplace_back(library, i, dataSource);
    std::vector<std::thread> threads;
    for (auto& worker : workers)
        threads.emplace_back([&worker, deadline] {
            while (Clock::now() < deadline)
                worker.RunRound();
        });
    for (auto& thread : threads)
        thread.join();
    sampler.Stop();

    WorkerCounts total;
    for (const auto& worker : workers) {
        const auto& counts = worker.Counts();
        total.populations += counts.populations;
        total.entries += counts.entries;
        total.catalogs += counts.catalogs;
        total.connections += counts.connections;
        total.failures += counts.failures;
    }
    std::printf("bench_soak: %d threads, %lld s: %ld populations (%ld entries read), %ld catalog round trips, "
                "%ld connection tests, %ld failures\n",
                kThreads, static_cast<long long>(duration.count()), total.populations, total.entries, total.catalogs,
                total.connections, total.failures);
    return total.failures == 0 ? 0 : 1;
}
