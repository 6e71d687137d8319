// Runs a fuzz target over the files of the folders named, without the fuzzer:
// every compiler builds this, so the seeds and every input that once failed
// are checked in each ordinary test run; a missing folder fails it.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::string bytes { std::istreambuf_iterator<char>(in), {} };
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        }
    }
    return 0;
}
