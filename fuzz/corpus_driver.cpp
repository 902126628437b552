// Runs a fuzz target's entry point over every file of a corpus folder, so the corpus (and every input
// that once broke a reader) is replayed by the ordinary test suite. A missing, unreadable or empty
// corpus fails the run: a replay of nothing would pass without testing anything.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int fail(const char* what, const char* folder) {
    std::fprintf(stderr, "corpus folder %s %s\n", folder, what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const char* folder = argv[1];
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return fail("is missing", folder);
    int count = 0;
    fs::recursive_directory_iterator it(folder, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file())
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        if (!in)
            return fail("has an unreadable input", folder);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++count;
    }
    if (error)
        return fail("cannot be read", folder);
    if (count == 0)
        return fail("holds no inputs", folder);
    // The target also gets no input at all once, which no corpus file can hold.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("%d corpus inputs replayed\n", count);
    return 0;
}
