// Runs fuzz inputs through a target without libFuzzer, for the regression
// tests of ordinary builds: vessara-fuzz-inputs FILE_OR_FOLDER...
// (VESSARA_FUZZ_TARGET names the target). Exit status 0 when every input
// ends in a clear error or loads.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        fs::path p = argv[i];
        if (fs::is_directory(p)) {
            for (auto& e : fs::directory_iterator(p))
                if (e.is_regular_file()) inputs.push_back(e.path());
        } else {
            inputs.push_back(p);
        }
    }
    // Read before the target moves into its scratch game folder, so that
    // relative paths work.
    std::vector<std::string> contents;
    for (const fs::path& p : inputs) {
        std::ifstream in(p, std::ios::binary);
        if (!in) {
            fprintf(stderr, "vessara-fuzz-inputs: cannot read %s\n", p.c_str());
            return 2;
        }
        contents.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    LLVMFuzzerInitialize(&argc, &argv);
    for (const std::string& bytes : contents)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    printf("%zu inputs run\n", inputs.size());
    return 0;
}
