#include "playback/device_name.h"

#include <cstdio>
#include <cstring>

namespace {

struct Refusal {
    const char* what;  // a plugin's name, or one character
    const char* why;
};

// The plugins alsa-lib's own configuration (alsa.conf, its pcm/ and
// conf.d/ files) defines with an argument that names a file, a path or a
// socket. A part of a name is a plugin's name on its own ("file:x",
// "plug:tee", "x=file") and also at the end of a path into the
// configuration ("pcm.file:x"), which alsa-lib follows too.
const Refusal plugins[] = {
    {"file", "the file plugin writes a file or pipes into a command"},
    {"tee", "the tee plugin writes a file"},
    {"shm", "the shm plugin talks to a server through a socket it names"},
    {"oss", "the oss plugin opens the device path it is given"},
    {"arcam_av", "the arcam_av plugin opens the serial port path it is given"},
};

const Refusal characters[] = {
    {"{", "braces define a plugin inline"},  {"}", "braces define a plugin inline"},
    {"'", "quotes let an argument hold any text"}, {"\"", "quotes let an argument hold any text"},
    {"|", "'|' pipes into a command"},       {"/", "'/' names a path"},
    {"~", "'~' names a path"},
};

const char* const separators = ".:,=";

bool plain_character(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-' || std::strchr(separators, c);
}

// Why the character `c` is refused.
const char* character_reason(char c)
{
    for (const Refusal& r : characters)
        if (r.what[0] == c) return r.why;
    return "only letters, digits and _ - . : , = may stand in it";
}

// Why the part of `n` characters at `part` is refused, or nullptr.
const char* part_reason(const char* part, size_t n)
{
    for (const Refusal& r : plugins)
        if (std::strlen(r.what) == n && !std::strncmp(part, r.what, n)) return r.why;
    return nullptr;
}

}  // namespace

const char* unsafe_device_reason(const char* name)
{
    for (const char* part = name;; part++) {
        const size_t n = std::strcspn(part, separators);
        if (const char* why = part_reason(part, n)) return why;
        part += n;
        if (!*part) break;
    }
    for (const char* c = name; *c; c++)
        if (!plain_character(*c)) return character_reason(*c);
    return nullptr;
}

bool device_name_accepted(const char* name, const char* outcome, const char* device)
{
    const char* why = unsafe_device_reason(name);
    if (!why) return true;
    std::printf("Device '%s' refused: a device name may not define a plugin or name a file "
                "(here: %s).\nDefine such a device in ~/.asoundrc and choose it by its name "
                "there. %s '%s'.\n",
                name, why, outcome, device);
    return false;
}
