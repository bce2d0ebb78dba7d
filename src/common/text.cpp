#include "common/text.h"

#include <algorithm>
#include <cerrno>

int read_whole_stream(std::FILE* stream, std::string* text)
{
    // Whole chunks until the end or past the limit: what lies past it tells
    // a file of exactly textLimit bytes from a longer one, and is dropped.
    char chunk[BUFSIZ];
    size_t got;
    while (text->size() <= textLimit && (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text->append(chunk, got);
    const int error = std::ferror(stream) ? errno : text->size() > textLimit ? EFBIG : 0;
    std::fclose(stream);
    text->resize(std::min(text->size(), textLimit));
    return error;
}
