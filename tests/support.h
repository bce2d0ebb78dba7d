// Shared pieces of the test suite: a scratch folder, a run of the real
// binary with a given standard input, file helpers, and the texts of the
// dialogue that many tests expect.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with
// everything in it when the object goes.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;
    std::string file(const std::string& name) const { return path + "/" + name; }
};

struct RunResult {
    std::string out;  // standard output
    std::string err;  // standard error
    int status;       // exit status, or 128 + signal number
};

// Runs build/tikvane in `cwd` with `input` as its standard input. HOME is set
// to `home` (to `cwd` when empty), so a test's .asoundrc there is the one
// ALSA reads. Kills the program after `timeoutSeconds`.
RunResult run_tikvane(const std::string& cwd, const std::string& input,
                      const std::string& home = "", int timeoutSeconds = 120);

// Runs `body` in a forked child of the test process with its standard
// output and error captured, HOME set to `home` when it is not empty (so
// ALSA reads a test's .asoundrc), so that a routine that ends the process
// can be watched from outside. The child ends with status 0 when `body`
// returns.
RunResult run_in_child(const std::function<void()>& body, const std::string& home = "");

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
bool file_exists(const std::string& path);
// Little-endian unsigned 32-bit value at `offset` of `bytes`.
uint32_t le32(const std::string& bytes, size_t offset);
// Bytes as lower-case hex pairs separated by blanks: "52 49 46 46".
std::string hex(const std::string& bytes);

// The line each click rebuild prints.
inline const std::string tick = "\n";

// Passes when `text` ends with `tail`; shows the end of `text` otherwise.
testing::AssertionResult ends_with(const std::string& text, const std::string& tail);

// The values the menu shows.
struct MenuValues {
    float tempo = 120.0f;
    float Hz = 60.0f;
    int meter = 4;
    float atime = 10.0f;
    std::string device = "default";
    int meas = 48;
    std::string save = "click.wav";
};

// The whole menu as printed at the start of each pass.
std::string menu(const MenuValues& v = MenuValues());

// What start-up prints up to "ready" when no settings file exists and the
// two prompts are answered (the answers themselves are not echoed).
std::string first_run_text();
// What start-up prints up to "ready" after loading a settings file.
std::string loaded_text(unsigned rate, int bits, const std::string& device,
                        int meter, int meas, float atime, float Hz,
                        const std::string& save, const std::string& map);
// The banner and settings probe that open every run.
std::string banner_text();
