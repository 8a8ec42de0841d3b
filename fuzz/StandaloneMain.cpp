// Drives a libFuzzer-style target without libFuzzer (gcc has none): replays
// every file named on the command line, and every file in each directory
// named (a corpus), then feeds a fixed number of pseudo-random inputs from a
// fixed seed, so a run is repeatable. With clang the same targets build
// against libFuzzer instead (RK_LIBFUZZER).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    long iterations = 20000;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (std::sscanf(argv[i], "-runs=%ld", &iterations) == 1)
            continue;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                files.push_back(entry.path());
        } else {
            files.push_back(argv[i]);
        }
    }
    for (const auto& path : files) {
        std::ifstream file(path, std::ios::binary);
        std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::mt19937 random(20261207u);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 4096);
    std::vector<std::uint8_t> data;
    for (long run = 0; run < iterations; ++run) {
        data.resize(static_cast<std::size_t>(length(random)));
        for (auto& b : data)
            b = static_cast<std::uint8_t>(byte(random));
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("%zu files and %ld generated inputs passed\n", files.size(), iterations);
    return 0;
}
