// Runs a fuzz target once on each file it is given, without libFuzzer: the
// suite replays every target's seeds, so a reader that breaks a promise on
// one of them fails in any build, not only in the fuzzing run.
//   replay_TARGET FILE...
// Exits 0 when every file passed, 2 when one could not be opened; a
// broken promise aborts, as under libFuzzer.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "Could not open %s\n", argv[i]);
            return 2;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    return argc > 1 ? 0 : 2;
}
