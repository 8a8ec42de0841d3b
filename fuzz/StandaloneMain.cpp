// Drives a libFuzzer-style target without libFuzzer (gcc has none): replays
// every file named on the command line, then feeds a fixed number of
// pseudo-random inputs from a fixed seed, so a run is repeatable. With clang
// the same targets build against libFuzzer instead (RK_LIBFUZZER).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    long iterations = 20000;
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (std::sscanf(argv[i], "-runs=%ld", &iterations) == 1)
            continue;
        files.push_back(argv[i]);
    }
    for (const char* path : files) {
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
