#include "common/text.h"

#include <cerrno>

int read_whole_stream(std::FILE* stream, std::string* text)
{
    char chunk[65536];
    size_t got;
    while (text->size() <= textLimit && (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text->append(chunk, got);
    int error = std::ferror(stream) ? errno : 0;
    if (!error && text->size() > textLimit) {
        text->resize(textLimit);
        error = EFBIG;
    }
    std::fclose(stream);
    return error;
}
