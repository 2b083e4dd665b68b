// A plain main for a fuzz entry: feeds LLVMFuzzerTestOneInput every file
// named on the command line, and every file in every folder named there,
// once each, in name order. The ordinary test run builds each entry with it
// and replays the entry's seeds, so an entry that no longer builds, or a
// seed that once crashed it and crashes it again, fails the test run.
// An entry reports a fault by aborting; nothing to check here.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fs = std::filesystem;

namespace {

bool collect(const fs::path &given, std::vector<fs::path> *inputs)
{
    std::error_code error;
    // Absolute now: an entry may change the working folder.
    const fs::path path = fs::absolute(given, error);
    if (!error && fs::is_directory(path, error)) {
        std::vector<fs::path> inside;
        for (const fs::directory_entry &entry : fs::directory_iterator(path, error)) {
            if (entry.is_regular_file(error))
                inside.push_back(entry.path());
        }
        std::sort(inside.begin(), inside.end());
        inputs->insert(inputs->end(), inside.begin(), inside.end());
        return !error;
    }
    if (error || !fs::is_regular_file(path, error))
        return false;
    inputs->push_back(path);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!collect(argv[i], &inputs)) {
            std::fprintf(stderr, "fuzzreplay: cannot read %s\n", argv[i]);
            return 1;
        }
    }
    // A replay of nothing would pass whatever the entry does.
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s <seed file or folder>...\n", argv[0]);
        return 1;
    }
    for (const fs::path &input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "fuzzreplay: cannot open %s\n", input.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (file.bad()) {
            std::fprintf(stderr, "fuzzreplay: cannot read %s\n", input.c_str());
            return 1;
        }
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
