// Runs a fuzz target's entry point over every file of a corpus folder, so the corpus (and every input
// that once broke a reader) is replayed by the ordinary test suite.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    int count = 0;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(argv[1], error)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++count;
    }
    // An empty run still exercises the target once, with no input at all.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("%d corpus inputs replayed\n", count);
    return 0;
}
