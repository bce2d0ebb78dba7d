#include "common/text.h"

#include <algorithm>
#include <cerrno>

int read_whole_stream(std::FILE* stream, std::string* text)
{
    char chunk[65536];
    size_t got;
    // One byte past the limit tells a file of exactly textLimit bytes from
    // a longer one.
    while (text->size() <= textLimit &&
           (got = std::fread(chunk, 1, std::min(sizeof chunk, textLimit + 1 - text->size()),
                             stream)) > 0)
        text->append(chunk, got);
    const int error = std::ferror(stream) ? errno : text->size() > textLimit ? EFBIG : 0;
    std::fclose(stream);
    text->resize(std::min(text->size(), textLimit));
    return error;
}
