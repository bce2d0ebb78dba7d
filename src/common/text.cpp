#include "common/text.h"

#include <algorithm>
#include <cerrno>

int read_whole_stream(std::FILE* stream, std::string* text)
{
    // One byte past the limit tells a file of exactly textLimit bytes from
    // a longer one. The read goes on until it has them all or the end.
    text->resize(textLimit + 1);
    const size_t got = std::fread(&(*text)[0], 1, text->size(), stream);
    const int error = std::ferror(stream) ? errno : got > textLimit ? EFBIG : 0;
    std::fclose(stream);
    text->resize(std::min(got, textLimit));
    return error;
}
