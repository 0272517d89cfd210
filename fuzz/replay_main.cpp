// A fuzz target without libFuzzer: runs its entry once on each input named
// on the command line, a file or every file of a folder (in name order, so
// a run repeats), so the seeds and the saved crash inputs replay as plain
// regression tests under any compiler and its sanitizers. A folder that
// does not exist is skipped (a target may have no saved crash inputs yet);
// no input at all is an error, since nothing would have been tested.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        std::error_code error;
        if (fs::is_directory(arg, error)) {
            std::vector<fs::path> files;
            for (const fs::directory_entry& entry : fs::directory_iterator(arg)) {
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else if (fs::is_regular_file(arg, error)) {
            inputs.push_back(arg);
        } else {
            std::cout << "skipped, not there: " << arg.string() << '\n';
        }
    }
    if (inputs.empty()) {
        std::cerr << "no inputs to replay\n";
        return 1;
    }
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (file.bad()) {
            std::cerr << "cannot read " << input.string() << '\n';
            return 1;
        }
        // Named first, so the log tells which input a crash came from.
        std::cout << "replaying " << input.string() << " (" << bytes.size() << " bytes)" << std::endl;
        static const std::uint8_t none = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &none : reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size());
    }
    std::cout << "replayed " << inputs.size() << " inputs" << std::endl;
    return 0;
}
