// Reading and writing tiklora.txt.
#include "settings/settings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/text.h"

// Base-10 integer conversion of a value: leading white space, optional sign,
// digits up to the first other character; no digits give 0. The caller keeps
// the low 32 bits.
static uint32_t low_32_bits(const char* value)
{
    return static_cast<uint32_t>(static_cast<unsigned long long>(std::strtoll(value, nullptr, 10)));
}

static float to_float(const char* value)
{
    return static_cast<float>(std::strtod(value, nullptr));
}

// Copies a text value into its field, cut at the field's capacity.
static void copy_text(char* field, int capacity, const char* value)
{
    std::snprintf(field, static_cast<size_t>(capacity), "%s", value);
}

void GET_PARAMS(std::FILE* stream, uint32_t* rate, int32_t* bits, char device[deviceCapacity],
                float* tempo, float* Hz, float* atime, int32_t* meter, int32_t* meas,
                char save[saveCapacity], char map[mapCapacity])
{
    std::string text;
    read_whole_stream(stream, &text);
    char* position = nullptr;
    for (char* key = strtok_r(&text[0], "\t \n", &position); key;
         key = strtok_r(nullptr, "\t \n", &position)) {
        const bool known = !std::strcmp(key, "rate") || !std::strcmp(key, "device") ||
                           !std::strcmp(key, "bits") || !std::strcmp(key, "tempo") ||
                           !std::strcmp(key, "Hz") || !std::strcmp(key, "atime") ||
                           !std::strcmp(key, "save") || !std::strcmp(key, "meter") ||
                           !std::strcmp(key, "meas") || !std::strcmp(key, "map");
        if (!known) continue;
        // The value runs from just after the key's separator to the end of
        // its line; a key alone on its line takes the whole next line.
        const char* value = strtok_r(nullptr, "\n", &position);
        if (!value) break;  // nothing after the key: its field keeps its value
        if (!std::strcmp(key, "rate")) *rate = low_32_bits(value);
        else if (!std::strcmp(key, "device")) copy_text(device, deviceCapacity, value);
        else if (!std::strcmp(key, "bits")) *bits = static_cast<int32_t>(low_32_bits(value));
        else if (!std::strcmp(key, "tempo")) *tempo = to_float(value);
        else if (!std::strcmp(key, "Hz")) *Hz = to_float(value);
        else if (!std::strcmp(key, "atime")) *atime = to_float(value);
        else if (!std::strcmp(key, "save")) copy_text(save, saveCapacity, value);
        else if (!std::strcmp(key, "meter")) *meter = static_cast<int32_t>(low_32_bits(value));
        else if (!std::strcmp(key, "meas")) *meas = static_cast<int32_t>(low_32_bits(value));
        else copy_text(map, mapCapacity, value);
    }
}

static bool save_failed(const char* name)
{
    std::printf("Could not save settings to '%s': %s\n", name, std::strerror(errno));
    return false;
}

bool WriteParams(const char* device, uint32_t rate, float Hz, int32_t bits, float tempo,
                 int32_t meter, int32_t meas, float atime, const char* save, const char* map)
{
    // Within the fields' capacities the ten lines take at most 439 bytes.
    char text[1024];
    const size_t size = static_cast<size_t>(std::snprintf(
        text, sizeof text,
        "rate\t%i\ndevice\t%s\nbits\t%i\ntempo\t%.2f\nHz\t%.2f\natime\t%.1f\nmeter\t%i\n"
        "meas\t%i\nsave\t%s\nmap\t%s\n",
        static_cast<int32_t>(rate), device, bits, static_cast<double>(tempo),
        static_cast<double>(Hz), static_cast<double>(atime), meter, meas, save, map));

    const char* name = "tiklora.txt";
    std::FILE* file = std::fopen(name, "w");
    if (!file) return save_failed(name);
    const bool written = std::fwrite(text, 1, size, file) == size &&
                         std::fflush(file) == 0;
    const int writeErrno = errno;
    if (std::fclose(file) != 0 || !written) {
        if (!written) errno = writeErrno;
        return save_failed(name);
    }
    std::puts("Saved Settings");
    return true;
}
