// The settings file tiklora.txt: one key, a TAB and a value per line.
//
// GET_PARAMS reads the file once at start-up into the session's settings,
// overwriting only the fields whose keys it finds; WriteParams writes all
// ten lines when the user saves. One table in settings.cpp lists the keys
// (name, kind, field, capacity) and drives both, so a new setting is a
// field here and a row there. Neither knows anything of the console.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The ten user settings, with their defaults: what a run starts from
// before tiklora.txt or the first-run prompts change them. Text fields
// hold at most their size less one characters and a terminating zero.
struct UserSettings {
    uint32_t rate = 44100;  // sample rate in Hz
    int32_t bits = 24;      // 16 or 24
    char device[16] = "default";
    float tempo = 120.0f;  // beats per minute
    float Hz = 60.0f;      // lowest click frequency
    float atime = 10.0f;   // audition length in seconds
    int32_t meter = 4;     // beats per measure
    int32_t meas = 48;     // measures of a `w` track
    char save[64] = "click.wav";
    char map[128] = "tmap.txt";
};

// Reads `stream` (its first MiB at most), closes it, and stores the value of
// every known key it finds into the matching field of `*settings`. Keys are
// the whole words rate device bits tempo Hz atime meter meas save map,
// case-sensitive; other words are passed over. A text value longer than its
// field is cut at the field's capacity; a key with nothing after it leaves
// its field unchanged. Reports nothing and has no failure: a stream that
// cannot be read reads as empty.
void GET_PARAMS(std::FILE* stream, UserSettings* settings);

// The text WriteParams writes: the ten lines, one per key in the table's
// order ("rate\t44100\n" ... "map\ttmap.txt\n", 111 bytes for the defaults).
std::string settings_text(const UserSettings& settings);

// Writes settings_text() into a new file beside tiklora.txt (or beside the
// file its symbolic links lead to; a link that leads nowhere is replaced),
// flushes it to the disk and only then renames it into place, with the old
// file's permissions, flushes the folder, and prints "Saved Settings". On
// any failure, including a tiklora.txt that may not be written or is not a
// plain file, it prints "Could not save settings to 'tiklora.txt': " and
// the reason instead, and the old file is exactly as it was; only a failed
// flush of the folder comes after the rename, with the new file in place.
// Ctrl-C, SIGTERM and SIGHUP wait for the save to end; SIGTERM and SIGHUP
// then end the process by the signal.
void WriteParams(const UserSettings& settings);
