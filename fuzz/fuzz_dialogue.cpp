// Fuzz target: the whole command dialogue.
//
// The input is what a user might type, optionally followed by a NUL byte and
// the text of tmap.txt, and by a second NUL byte and the text of tiklora.txt
// (a settings file present at start-up). Each run starts the program's own
// start-up and command loop on that standard input, in a fresh scratch
// folder, and ends when die() throws its exit back here.
//
// Containment and bounds, so that runs are independent and finite:
// - inputs holding '/' are refused, so no file name leaves the folder;
// - the folder is emptied before every run;
// - files are capped at 2 MiB by RLIMIT_FSIZE with SIGXFSZ ignored, so a long
//   track fails its write with EFBIG and must end the run with status 2;
// - ALSA reads only a configuration of our own in which "default", "null"
//   and the other usual names are null devices (every other name fails to
//   open, and the command returns to the menu);
// - playback is cut after 2^20 frames per run (the run then counts as
//   ended): a long audition is legitimate work, not a hang;
// - streams and PCM handles left open by a fatal exit are closed after the
//   run; standard output goes to /dev/null.
// After every run, however it ended (a write stopped by the file cap
// included), every WAV file the run wrote must have sizes that match its
// length: the program never leaves a file whose header lies.
#include <alsa/asoundlib.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "console/session.h"
#include "fuzz_exit.h"

// Link-time wrappers (-Wl,--wrap=...): the program's own calls land here.
extern "C" {
std::FILE* __real_fopen(const char* name, const char* mode);
int __real_fclose(std::FILE* f);
int __real_snd_pcm_open(snd_pcm_t** pcm, const char* name, snd_pcm_stream_t stream, int mode);
int __real_snd_pcm_close(snd_pcm_t* pcm);
snd_pcm_sframes_t __real_snd_pcm_writei(snd_pcm_t* pcm, const void* buffer, snd_pcm_uframes_t size);
}

namespace {

constexpr rlim_t fileSizeLimit = 2 << 20;
constexpr snd_pcm_uframes_t playbackBudget = 1 << 20;

struct Harness {
    std::string work;          // scratch folder of the runs
    int workDir = -1;
    int startDir = -1;         // where the fuzzer was started
    bool inRun = false;
    std::set<std::FILE*> openFiles;
    std::set<snd_pcm_t*> openPcms;
    snd_pcm_uframes_t framesPlayed = 0;
};

Harness& harness()
{
    static Harness h;
    return h;
}

struct PlaybackBudgetSpent {};

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "dialogue check failed: %s\n", what);
    std::abort();
}

void quiet_alsa(const char*, int, const char*, int, const char*, ...) {}

const char alsaConfig[] =
    "pcm.!default { type null }\n"
    "pcm.!null { type null }\n"
    "pcm.!sysdefault { type null }\n"
    "pcm.!dmix { type null }\n"
    "pcm.!plug { type null }\n"
    "pcm.!hw { type null }\n"
    "pcm.!plughw { type null }\n"
    "pcm.!pulse { type null }\n"
    "pcm.!capture { type null }\n"
    "ctl.!default { type hw card 0 }\n";

void write_text(const std::string& path, const char* data, size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "cannot create a seed file");
    check(size == 0 || std::fwrite(data, 1, size, f) == size, "cannot write a seed file");
    check(std::fclose(f) == 0, "cannot close a seed file");
}

void empty_folder(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    check(dir != nullptr, "cannot list the scratch folder");
    std::vector<std::string> names;
    while (dirent* e = readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.push_back(e->d_name);
    closedir(dir);
    for (const std::string& name : names) unlink((path + "/" + name).c_str());
}

uint32_t le32(const unsigned char* b)
{
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

// Every file of the folder that starts like a WAV header and is not one of
// the seeded texts must state the sizes of the file as it stands.
void check_wav_sizes(const std::string& path, const std::set<std::string>& seeded)
{
    DIR* dir = opendir(path.c_str());
    check(dir != nullptr, "cannot list the scratch folder");
    while (dirent* e = readdir(dir)) {
        if (seeded.count(e->d_name)) continue;
        std::string file = path + "/" + e->d_name;
        struct stat st;
        if (stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        int fd = open(file.c_str(), O_RDONLY);
        unsigned char head[44];
        ssize_t got = fd >= 0 ? read(fd, head, sizeof head) : -1;
        if (fd >= 0) close(fd);
        if (got != 44 || std::memcmp(head, "RIFF", 4) != 0) continue;
        const uint64_t length = static_cast<uint64_t>(st.st_size);
        check(le32(head + 4) == static_cast<uint32_t>(length - 8), "RIFF size is not length - 8");
        check(le32(head + 40) == static_cast<uint32_t>(length - 44), "data size is not length - 44");
    }
    closedir(dir);
}

void close_leftovers(Harness* h)
{
    for (std::FILE* f : h->openFiles) __real_fclose(f);
    h->openFiles.clear();
    for (snd_pcm_t* pcm : h->openPcms) __real_snd_pcm_close(pcm);
    h->openPcms.clear();
}

}  // namespace

extern "C" {

std::FILE* __wrap_fopen(const char* name, const char* mode)
{
    std::FILE* f = __real_fopen(name, mode);
    if (f && harness().inRun) harness().openFiles.insert(f);
    return f;
}

int __wrap_fclose(std::FILE* f)
{
    harness().openFiles.erase(f);
    return __real_fclose(f);
}

int __wrap_snd_pcm_open(snd_pcm_t** pcm, const char* name, snd_pcm_stream_t stream, int mode)
{
    int result = __real_snd_pcm_open(pcm, name, stream, mode);
    if (result == 0) harness().openPcms.insert(*pcm);
    return result;
}

int __wrap_snd_pcm_close(snd_pcm_t* pcm)
{
    harness().openPcms.erase(pcm);
    return __real_snd_pcm_close(pcm);
}

snd_pcm_sframes_t __wrap_snd_pcm_writei(snd_pcm_t* pcm, const void* buffer, snd_pcm_uframes_t size)
{
    Harness& h = harness();
    if (h.framesPlayed >= playbackBudget) throw PlaybackBudgetSpent{};
    h.framesPlayed += size;
    return __real_snd_pcm_writei(pcm, buffer, size);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Harness& h = harness();
    char pattern[] = "/tmp/tikvane-fuzz-dialogue-XXXXXX";
    check(mkdtemp(pattern) != nullptr, "mkdtemp");
    const std::string base = pattern;
    h.work = base + "/work";
    const std::string home = base + "/home";
    check(mkdir(h.work.c_str(), 0700) == 0 && mkdir(home.c_str(), 0700) == 0, "mkdir");
    write_text(home + "/.asoundrc", alsaConfig, sizeof alsaConfig - 1);
    write_text(home + "/asound.conf", alsaConfig, sizeof alsaConfig - 1);
    setenv("HOME", home.c_str(), 1);
    // Only our own configuration: no system device, no plugin that could
    // reach outside the folder.
    setenv("ALSA_CONFIG_PATH", (home + "/asound.conf").c_str(), 1);
    snd_lib_error_set_handler(quiet_alsa);

    h.workDir = open(h.work.c_str(), O_RDONLY | O_DIRECTORY);
    h.startDir = open(".", O_RDONLY | O_DIRECTORY);
    check(h.workDir >= 0 && h.startDir >= 0, "cannot open the folders");

    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {fileSizeLimit, fileSizeLimit};
    check(setrlimit(RLIMIT_FSIZE, &limit) == 0, "setrlimit");

    int devnull = open("/dev/null", O_WRONLY);
    check(devnull >= 0 && dup2(devnull, 1) == 1, "cannot silence standard output");
    close(devnull);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    if (size == 0 || std::memchr(data, '/', size)) return 0;
    Harness& h = harness();
    // libFuzzer installs its own SIGXFSZ handler after the initialisation;
    // the writer must see EFBIG instead.
    signal(SIGXFSZ, SIG_IGN);

    // dialogue NUL tmap.txt NUL tiklora.txt
    const char* end = bytes + size;
    const char* dialogueEnd = static_cast<const char*>(std::memchr(bytes, 0, size));
    if (!dialogueEnd) dialogueEnd = end;
    if (dialogueEnd == bytes) return 0;
    empty_folder(h.work);
    std::set<std::string> seeded;
    if (dialogueEnd < end) {
        const char* mapStart = dialogueEnd + 1;
        const char* mapEnd = static_cast<const char*>(std::memchr(mapStart, 0, end - mapStart));
        if (!mapEnd) mapEnd = end;
        write_text(h.work + "/tmap.txt", mapStart, mapEnd - mapStart);
        seeded.insert("tmap.txt");
        if (mapEnd < end) {
            write_text(h.work + "/tiklora.txt", mapEnd + 1, end - mapEnd - 1);
            seeded.insert("tiklora.txt");
        }
    }

    std::vector<char> input(bytes, dialogueEnd);
    check(fchdir(h.workDir) == 0, "fchdir");
    h.framesPlayed = 0;
    h.inRun = true;
    Session* session = new Session;
    session->in = fmemopen(input.data(), input.size(), "r");
    check(session->in != nullptr, "fmemopen");
    try {
        start_up(session);
        run_command_loop(session);
    } catch (const FuzzExit& exit) {
        check(exit.status == 2, "exit status other than 2");
    } catch (const PlaybackBudgetSpent&) {
    }
    h.inRun = false;
    std::fflush(stdout);
    std::fclose(session->in);
    delete session;
    close_leftovers(&h);
    check_wav_sizes(h.work, seeded);
    check(fchdir(h.startDir) == 0, "fchdir back");
    return 0;
}
