// Reading and writing tiklora.txt.
#include "settings/settings.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/stop.h"
#include "common/text.h"

namespace {

// How a value is read and written: a 32-bit integer (its low 32 bits kept,
// written as a signed number), a float written with 2 or 1 decimals, or a
// text cut at its field's capacity.
enum class Kind { Integer, Decimals2, Decimal1, Text };

struct Key {
    const char* name;
    Kind kind;
    size_t field;     // offset of the field in UserSettings
    size_t capacity;  // bytes of the field
};

// The offset and size of a field of UserSettings.
#define FIELD(name) offsetof(UserSettings, name), sizeof UserSettings::name

// Every setting, in the order of the file's lines.
const Key keys[] = {
    {"rate", Kind::Integer, FIELD(rate)},     {"device", Kind::Text, FIELD(device)},
    {"bits", Kind::Integer, FIELD(bits)},     {"tempo", Kind::Decimals2, FIELD(tempo)},
    {"Hz", Kind::Decimals2, FIELD(Hz)},       {"atime", Kind::Decimal1, FIELD(atime)},
    {"meter", Kind::Integer, FIELD(meter)},   {"meas", Kind::Integer, FIELD(meas)},
    {"save", Kind::Text, FIELD(save)},        {"map", Kind::Text, FIELD(map)},
};

const Key* find_key(const char* word)
{
    for (const Key& key : keys)
        if (!std::strcmp(word, key.name)) return &key;
    return nullptr;
}

// Stores `value` into the key's field. Integers are converted in base 10
// (leading white space, optional sign, digits up to the first other
// character; none gives 0) and keep their low 32 bits; floats take the
// longest prefix that reads as a number.
void store(const Key& key, const char* value, UserSettings* settings)
{
    char* field = reinterpret_cast<char*>(settings) + key.field;
    if (key.kind == Kind::Text) {
        std::snprintf(field, key.capacity, "%s", value);
    } else if (key.kind == Kind::Integer) {
        const auto v = static_cast<uint32_t>(std::strtoll(value, nullptr, 10));
        std::memcpy(field, &v, sizeof v);
    } else {
        const auto v = static_cast<float>(std::strtod(value, nullptr));
        std::memcpy(field, &v, sizeof v);
    }
}

// Appends "key\tvalue\n" for one key.
void format(const Key& key, const UserSettings& settings, std::string* text)
{
    const char* field = reinterpret_cast<const char*>(&settings) + key.field;
    char line[256];
    if (key.kind == Kind::Text) {
        std::snprintf(line, sizeof line, "%s\t%s\n", key.name, field);
    } else if (key.kind == Kind::Integer) {
        int32_t v;
        std::memcpy(&v, field, sizeof v);
        std::snprintf(line, sizeof line, "%s\t%i\n", key.name, v);
    } else {
        float v;
        std::memcpy(&v, field, sizeof v);
        std::snprintf(line, sizeof line, "%s\t%.*f\n", key.name, key.kind == Kind::Decimal1 ? 1 : 2,
                      static_cast<double>(v));
    }
    text->append(line);
}

void save_failed(const char* name, const char* reason)
{
    std::printf("Could not save settings to '%s': %s\n", name, reason);
}

// Flushes to the disk the folder that holds `file`, so that a rename in it
// stays done after a power loss. Returns 0, or the system's error number.
int sync_folder(const std::string& file)
{
    const size_t slash = file.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return errno;
    const int error = fsync(fd) == 0 ? 0 : errno;
    return close(fd) != 0 && !error ? errno : error;
}

// Writes `text` into a new file beside `target`, with the mode `mode`,
// flushed to the disk, and renames it over `target`, then flushes the
// folder. Returns 0, or the system's error number: before the rename the
// new file is then removed and `target` is as it was; after it, only the
// folder's flush failed, and `target` is the new file, which a power loss
// may yet undo.
int replace_file(const std::string& target, const std::string& text, mode_t mode)
{
    std::string temporary = target + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0) return errno;
    std::FILE* f = fdopen(fd, "w");
    int error = f && std::fwrite(text.data(), 1, text.size(), f) == text.size() &&
                        std::fflush(f) == 0 && fchmod(fd, mode) == 0 && fsync(fd) == 0
                    ? 0
                    : errno;
    if ((f ? std::fclose(f) : close(fd)) != 0 && !error) error = errno;
    if (!error && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) unlink(temporary.c_str());
    return error ? error : sync_folder(target);
}

}  // namespace

void GET_PARAMS(std::FILE* stream, UserSettings* settings)
{
    std::string text;
    read_whole_stream(stream, &text);
    char* position = nullptr;
    for (char* word = strtok_r(&text[0], "\t \n", &position); word;
         word = strtok_r(nullptr, "\t \n", &position)) {
        const Key* key = find_key(word);
        if (!key) continue;
        // The value runs from just after the key's separator to the end of
        // its line; a key alone on its line takes the whole next line.
        const char* value = strtok_r(nullptr, "\n", &position);
        if (!value) break;  // nothing after the key: its field keeps its value
        store(*key, value, settings);
    }
}

std::string settings_text(const UserSettings& settings)
{
    std::string text;
    for (const Key& key : keys) format(key, settings, &text);
    return text;
}

void WriteParams(const UserSettings& settings)
{
    const char* name = "tiklora.txt";
    // The file replaced is the one tiklora.txt's symbolic links lead to, so
    // that a link stays a link to the same file; a first save (or a link
    // that leads nowhere) makes tiklora.txt itself. A loop of links fails.
    char* real = realpath(name, nullptr);
    if (!real && errno != ENOENT) return save_failed(name, std::strerror(errno));
    const std::string target = real ? real : name;
    std::free(real);
    // The new file takes the old one's permissions, or for a first save
    // what the umask allows. A file that may not be written is not replaced
    // either, and what is not a plain file (a folder, a device) is not
    // replaced at all.
    struct stat old;
    mode_t mode = 0666;
    if (stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return save_failed(name, "it is not a regular file");
        if (access(target.c_str(), W_OK) != 0) return save_failed(name, std::strerror(errno));
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    // A stop signal waits for the save to end, so that it leaves tiklora.txt
    // whole, old or new, and nothing beside it. SIGTERM and SIGHUP then end
    // the process; after Ctrl-C the menu comes back as after any save.
    StopHandlers handlers;
    catch_stops(&handlers);
    if (const int error = replace_file(target, settings_text(settings), mode))
        save_failed(name, std::strerror(error));
    else
        std::puts("Saved Settings");
    release_stops(&handlers);
}
