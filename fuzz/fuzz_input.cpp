// Fuzz target: the console's reader of words and numbers.
//
// The input is what a user types, read to its end by the three reads in
// turn (a word, an integer, a word, a fractional number, ...), as the
// dialogue mixes them, the word keeping 0 to 8 characters. Besides running
// clean under the sanitizers, every read must keep its promises: a word is
// the start of the next run of non-blank characters, kept to its limit,
// with its whole length counted, and false comes only at the end of the
// input; a number takes at most 512 characters after the white space it
// skips, and one that takes no digit (nor the n of inf or nan) leaves its
// target as it was.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "console/input.h"

namespace {

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "input check failed: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* in = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!in) return 0;  // an empty input
    for (int turn = 0;; turn++) {
        const size_t at = static_cast<size_t>(std::ftell(in));
        size_t blank = at;
        while (blank < size && std::isspace(data[blank])) blank++;
        const char* typed = reinterpret_cast<const char*>(data) + blank;
        std::string word;
        size_t length = 0;
        if (turn % 2 == 0) {
            const size_t keep = static_cast<size_t>(turn / 2 % 9);
            if (!read_word(in, &word, keep, &length)) {
                check(blank == size, "no word before the end of the input");
                break;
            }
            check(length > 0 && word.size() == std::min(length, keep), "word length");
            check(std::strncmp(word.c_str(), typed, word.size()) == 0, "word is not what was typed");
            for (size_t i = 0; i < length; i++) check(!std::isspace(typed[i]), "blank inside a word");
            continue;
        }
        const uint32_t before = 0xdeadbeef;
        uint32_t whole = before;
        float fraction = 1234.5f;
        if (turn % 4 == 1)
            read_int(in, &whole);
        else
            read_float(in, &fraction);
        const size_t taken = static_cast<size_t>(std::ftell(in)) - blank;
        word.assign(typed, taken);
        check(taken <= 512, "a number longer than 512 characters");
        if (word.find_first_of("0123456789nN") == std::string::npos)
            check(whole == before && fraction == 1234.5f, "a value with no digit");
    }
    std::fclose(in);
    return 0;
}
