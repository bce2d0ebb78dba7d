// Fuzz target: the settings file reader.
//
// The input is the content of tiklora.txt, read by GET_PARAMS from memory
// into settings at their defaults. Every text field must then be terminated
// inside its capacity, and the loaded settings must survive a save and a
// reload: the text a save writes, read back, gives the same integers and
// texts, and within the range of real settings saving those writes the
// same text again.
#include <cmath>
#include <cstring>
#include <string>

#include "check.h"
#include "settings/settings.h"

// The settings GET_PARAMS makes of `text`, read as a stream from memory.
static UserSettings load(std::string text)
{
    if (text.empty()) text.push_back('\0');  // fmemopen needs a byte; NUL ends the text
    UserSettings s;
    GET_PARAMS(fmemopen(&text[0], text.size(), "r"), &s);
    check(std::memchr(s.device, 0, sizeof s.device) && std::memchr(s.save, 0, sizeof s.save) &&
              std::memchr(s.map, 0, sizeof s.map),
          "a text field not terminated inside it");
    return s;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const UserSettings first = load(std::string(reinterpret_cast<const char*>(data), size));
    const std::string saved = settings_text(first);
    const UserSettings second = load(saved);
    check(second.rate == first.rate && second.bits == first.bits && second.meter == first.meter &&
              second.meas == first.meas,
          "an integer changed by a save");
    check(!std::strcmp(second.device, first.device) && !std::strcmp(second.save, first.save) &&
              !std::strcmp(second.map, first.map),
          "a text changed by a save");
    // Floats lose their digits beyond the decimals shown; within the range
    // of real settings a second save then writes the same text.
    if (std::fabs(first.tempo) < 1e4f && std::fabs(first.Hz) < 1e4f && std::fabs(first.atime) < 1e4f)
        check(settings_text(second) == saved, "a reloaded save is not the same text");
    return 0;
}
