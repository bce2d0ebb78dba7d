#include "support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "tikvane-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    path = buf.data();
}

TempDir::~TempDir()
{
    std::error_code ec;
    // A test may have made a folder read-only; give write back first.
    for (auto it = fs::recursive_directory_iterator(path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool file_exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

uint32_t le32(const std::string& b, size_t o)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(b.at(o))) |
           static_cast<uint32_t>(static_cast<uint8_t>(b.at(o + 1))) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b.at(o + 2))) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b.at(o + 3))) << 24;
}

std::string hex(const std::string& bytes)
{
    std::string s;
    char pair[4];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", c);
        if (!s.empty()) s += ' ';
        s += pair;
    }
    return s;
}

RunResult run_tikvane(const std::string& cwd, const std::string& input,
                      const std::string& home, int timeoutSeconds)
{
    // Standard input, output and error go through files, so no pipe can
    // fill up and stall either side.
    TempDir io;
    write_file(io.file("in"), input);
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        int in = open(io.file("in").c_str(), O_RDONLY);
        int out = open(io.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(io.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || chdir(cwd.c_str()) != 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        setenv("HOME", (home.empty() ? cwd : home).c_str(), 1);
        execl(TIKVANE_BIN, "tikvane", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    RunResult r;
    r.out = read_file(io.file("out"));
    r.err = read_file(io.file("err"));
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return r;
}

RunResult run_in_child(const std::function<void()>& body, const std::string& home)
{
    TempDir io;
    const std::string outPath = io.file("out"), errPath = io.file("err");
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        if (!home.empty()) setenv("HOME", home.c_str(), 1);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
        body();
        std::fflush(nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return RunResult{read_file(outPath), read_file(errPath),
                     WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
}

testing::AssertionResult ends_with(const std::string& text, const std::string& tail)
{
    if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
        return testing::AssertionSuccess();
    const size_t shown = std::min(text.size(), tail.size() + 40);
    return testing::AssertionFailure() << "the text ends with \"" << text.substr(text.size() - shown)
                                       << "\", not with \"" << tail << "\"";
}

static std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
static std::string format(const char* fmt, ...)
{
    char buf[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

std::string menu(const MenuValues& v)
{
    std::string s = "\nGlobal settings:\n";
    s += format("\tEnter 't' to adjust tempo (%.1f bpm).\n", v.tempo);
    s += format("\tEnter 'f' to set the lowest click frequency (%.1f Hz).\n", v.Hz);
    s += format("\tEnter 'b' to set beats per measure (%i)\n", v.meter);
    s += "\tEnter 'h' for tempo map file help\n"
         "\tEnter 's' to save current settings to 'tiklora.txt'\n"
         "\tEnter 'x' to exit.\n"
         "\nAudition settings:\n"
         "\tEnter 'a' to audition click.\n";
    s += format("\tEnter 'al' to set the audition length (%.1f sec).\n", v.atime);
    s += format("\tEnter 'o' to change output device from '%s'.\n", v.device.c_str());
    s += "\tEnter 'ptm' to play tempo map file.\n"
         "\nOutput file settings:\n";
    s += format("\tEnter 'm' to set number of measures to write (%i).\n", v.meas);
    s += format("\tEnter 'n' to change the output file name from '%s'.\n", v.save.c_str());
    s += format("\tEnter 'w' to write from beginning of '%s'.\n", v.save.c_str());
    s += format("\tEnter '+' to add new click to end of '%s'.\n", v.save.c_str());
    s += "\tEnter 'rtm' to read tempo map file and write click track file.\n";
    return s;
}

std::string banner_text()
{
    return "\nTikvane v. 1.023 (m) by Velmorad\n\nChecking for tiklora.txt file...\n";
}

std::string first_run_text()
{
    return banner_text() +
           "\nEnter sample rate or\n"
           "0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000\n"
           "\nChoose Bit Depth (1 = 16 bits, 2 = 24 bits)\n"
           "ready\n";
}

std::string loaded_text(unsigned rate, int bits, const std::string& device,
                        int meter, int meas, float atime, float Hz,
                        const std::string& save, const std::string& map)
{
    return banner_text() + "Settings Loaded\n-------------------------\n" +
           format("rate: %i\tbits: %i\tdevice: %s\n", static_cast<int>(rate), bits, device.c_str()) +
           format("meter: %i\tmeas: %i\tatime: %.1f\n", meter, meas, atime) +
           format("Hz: %.2f\tsave: %s\ttmap: %s\n", Hz, save.c_str(), map.c_str()) +
           "-------------------------\nready\n";
}
