#include "common/text.h"

bool read_whole_stream(std::FILE* stream, std::string* text)
{
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) text->append(chunk, got);
    const bool ok = !std::ferror(stream);
    std::fclose(stream);
    return ok;
}
