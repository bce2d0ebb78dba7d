// The settings file tiklora.txt: one key, a TAB and a value per line.
//
// GET_PARAMS reads the file once at start-up and overwrites only the fields
// whose keys it finds; WriteParams writes all ten lines when the user saves.
// Neither knows anything of the console: they take the fields as plain
// places and values.
#pragma once

#include <cstdint>
#include <cstdio>

// Capacities of the text fields, terminating zero included.
constexpr int deviceCapacity = 16;
constexpr int saveCapacity = 64;
constexpr int mapCapacity = 128;

// The ten user settings, with their defaults: what a run starts from
// before tiklora.txt or the first-run prompts change them.
struct UserSettings {
    uint32_t rate = 44100;
    int32_t bits = 24;
    char device[deviceCapacity] = "default";
    float tempo = 120.0f;
    float Hz = 60.0f;
    float atime = 10.0f;
    int32_t meter = 4;
    int32_t meas = 48;
    char save[saveCapacity] = "click.wav";
    char map[mapCapacity] = "tmap.txt";
};

// Reads `stream` (about its first MiB at most), closes it, and stores the value of
// every known key it finds into the matching field. Keys are the whole words
// rate device bits tempo Hz atime save meter meas map, case-sensitive; other
// words are passed over. A text value longer than its field is cut at the
// field's capacity; a key with nothing after it leaves its field unchanged.
// Reports nothing and has no failure: a stream that cannot be read reads as
// empty.
void GET_PARAMS(std::FILE* stream, uint32_t* rate, int32_t* bits,
                char device[deviceCapacity], float* tempo, float* Hz,
                float* atime, int32_t* meter, int32_t* meas,
                char save[saveCapacity], char map[mapCapacity]);

// Writes the ten settings (texts within the capacities of their fields) to
// tiklora.txt in the current directory (created or emptied) and prints
// "Saved Settings". Returns true when the file was written, flushed and
// closed. On any failure it prints one line with the system's error text
// instead, prints no "Saved Settings", and returns false.
bool WriteParams(const char* device, uint32_t rate, float Hz, int32_t bits,
                 float tempo, int32_t meter, int32_t meas, float atime,
                 const char* save, const char* map);
