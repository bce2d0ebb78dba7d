// Fuzz target: the settings file reader.
//
// The input is the content of tiklora.txt. It is written to a real file in a
// scratch folder, opened with mode "r" and handed to GET_PARAMS with every
// field at its default. Then every text field must still be terminated
// inside its capacity, and the loaded settings must survive a save and a
// reload: the integers and texts come back unchanged, and saving the
// reloaded settings writes the same bytes again.
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/settings.h"

namespace {

int scratchDir = -1;  // the folder where tiklora.txt is written
int homeDir = -1;     // the folder the fuzzer was started in

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "settings check failed: %s\n", what);
    std::abort();
}

void write_all(const char* name, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(name, "wb");
    check(f != nullptr, "cannot create the input file");
    check(size == 0 || std::fwrite(data, 1, size, f) == size, "cannot write the input file");
    check(std::fclose(f) == 0, "cannot close the input file");
}

std::string read_all(const char* name)
{
    std::string text;
    std::FILE* f = std::fopen(name, "rb");
    check(f != nullptr, "cannot read tiklora.txt back");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

void load(const char* name, UserSettings* f)
{
    std::FILE* stream = std::fopen(name, "r");
    check(stream != nullptr, "cannot open the settings file");
    GET_PARAMS(stream, &f->rate, &f->bits, f->device, &f->tempo, &f->Hz, &f->atime,
               &f->meter, &f->meas, f->save, f->map);
    check(std::memchr(f->device, 0, sizeof f->device) != nullptr, "device not terminated");
    check(std::memchr(f->save, 0, sizeof f->save) != nullptr, "save not terminated");
    check(std::memchr(f->map, 0, sizeof f->map) != nullptr, "map not terminated");
}

void save(const UserSettings& f)
{
    check(WriteParams(f.device, f.rate, f.Hz, f.bits, f.tempo, f.meter, f.meas, f.atime,
                      f.save, f.map),
          "WriteParams failed in a writable folder");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/tikvane-fuzz-settings-XXXXXX";
    check(mkdtemp(pattern) != nullptr, "mkdtemp");
    scratchDir = open(pattern, O_RDONLY | O_DIRECTORY);
    homeDir = open(".", O_RDONLY | O_DIRECTORY);
    check(scratchDir >= 0 && homeDir >= 0, "cannot open the folders");
    // "Saved Settings" on every run would drown the fuzzer's own output.
    int devnull = open("/dev/null", O_WRONLY);
    check(devnull >= 0 && dup2(devnull, 1) == 1, "cannot silence standard output");
    close(devnull);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(fchdir(scratchDir) == 0, "fchdir");
    write_all("input.txt", data, size);
    UserSettings first;
    load("input.txt", &first);

    save(first);
    const std::string saved = read_all("tiklora.txt");
    UserSettings second;
    load("tiklora.txt", &second);
    check(second.rate == first.rate && second.bits == first.bits, "rate or bits changed by a save");
    check(second.meter == first.meter && second.meas == first.meas, "meter or meas changed by a save");
    check(std::strcmp(second.device, first.device) == 0, "device changed by a save");
    check(std::strcmp(second.save, first.save) == 0, "save changed by a save");
    check(std::strcmp(second.map, first.map) == 0, "map changed by a save");

    // Floats lose their digits beyond the decimals shown; within the range
    // of real settings a second save then writes the same text.
    bool usual = std::fabs(first.tempo) < 1e4f && std::fabs(first.Hz) < 1e4f &&
                 std::fabs(first.atime) < 1e4f;
    save(second);
    if (usual) check(read_all("tiklora.txt") == saved, "a reloaded save is not the same file");
    check(fchdir(homeDir) == 0, "fchdir back");
    return 0;
}
