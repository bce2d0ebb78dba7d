// Fuzz target: the settings file reader.
//
// The input is the content of tiklora.txt, read by GET_PARAMS from memory
// into settings at their defaults. Every text field must then be terminated
// inside its capacity, and the loaded settings must survive a save and a
// reload: the text a save writes, read back, gives the same integers and
// texts, and within the range of real settings saving those writes the
// same text again.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/settings.h"

namespace {

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "settings check failed: %s\n", what);
    std::abort();
}

// The settings GET_PARAMS makes of `text`, read as a stream from memory.
UserSettings load(std::string text)
{
    if (text.empty()) text.push_back('\0');  // fmemopen needs a byte; NUL ends the text
    std::FILE* stream = fmemopen(&text[0], text.size(), "r");
    check(stream != nullptr, "fmemopen");
    UserSettings s;
    GET_PARAMS(stream, &s);
    check(std::memchr(s.device, 0, sizeof s.device) != nullptr, "device not terminated");
    check(std::memchr(s.save, 0, sizeof s.save) != nullptr, "save not terminated");
    check(std::memchr(s.map, 0, sizeof s.map) != nullptr, "map not terminated");
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const UserSettings first = load(std::string(reinterpret_cast<const char*>(data), size));
    const std::string saved = settings_text(first);
    const UserSettings second = load(saved);
    check(second.rate == first.rate && second.bits == first.bits, "rate or bits changed by a save");
    check(second.meter == first.meter && second.meas == first.meas, "meter or meas changed by a save");
    check(std::strcmp(second.device, first.device) == 0, "device changed by a save");
    check(std::strcmp(second.save, first.save) == 0, "save changed by a save");
    check(std::strcmp(second.map, first.map) == 0, "map changed by a save");
    // Floats lose their digits beyond the decimals shown; within the range
    // of real settings a second save then writes the same text.
    const bool usual = std::fabs(first.tempo) < 1e4f && std::fabs(first.Hz) < 1e4f &&
                       std::fabs(first.atime) < 1e4f;
    if (usual) check(settings_text(second) == saved, "a reloaded save is not the same text");
    return 0;
}
