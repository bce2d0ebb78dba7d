#include "common/text.h"

#include <cerrno>

int read_whole_stream(std::FILE* stream, std::string* text)
{
    char chunk[65536];
    size_t got;
    while (text->size() <= textLimit && (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text->append(chunk, got);
    const int error = std::ferror(stream) ? errno : text->size() > textLimit ? EFBIG : 0;
    std::fclose(stream);
    return error;
}
