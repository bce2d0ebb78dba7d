// Fuzz target: the console's reader of words and numbers.
//
// The input is what a user types, read to its end by the three reads in
// turn (a word, an integer, a word, a fractional number, ...), as the
// dialogue mixes them, the word keeping 0 to 8 characters. Besides running
// clean under the sanitizers, every read must keep its promises: a word is
// the start of the next run of non-blank characters, kept to its limit,
// with its whole length counted, and false comes only at the end of the
// input; a number that takes no digit (nor the n of inf or nan) leaves its
// target as it was.
#include <cctype>
#include <cstring>
#include <string>

#include "check.h"
#include "console/input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* in = fmemopen(const_cast<uint8_t*>(data), size, "r");  // none for no input
    for (int turn = 0; in; turn++) {
        size_t at = static_cast<size_t>(std::ftell(in));  // and then past the blanks a read skips
        while (at < size && std::isspace(data[at])) at++;
        const char* typed = reinterpret_cast<const char*>(data) + at;
        if (turn % 2 == 0) {
            std::string word;
            size_t length = 0;
            const size_t keep = static_cast<size_t>(turn % 9);
            if (!read_word(in, &word, keep, &length)) {
                check(at == size, "a word is read while there is one");
                break;
            }
            check(length > 0 && word.size() == std::min(length, keep) &&
                      !std::memcmp(word.data(), typed, word.size()),
                  "a word is what was typed, kept to its limit");
            for (size_t i = 0; i < length; i++) check(!std::isspace(typed[i]), "a word holds no blank");
            continue;
        }
        uint32_t whole = 0xdeadbeef;
        float fraction = 0.5f;
        if (turn % 4 == 1)
            read_int(in, &whole);
        else
            read_float(in, &fraction);
        const std::string taken(typed, static_cast<size_t>(std::ftell(in)) - at);
        check(taken.find_first_of("0123456789nN") != std::string::npos ||
                  (whole == 0xdeadbeef && fraction == 0.5f),
              "a read that takes no number changes nothing");
    }
    if (in) std::fclose(in);
    return 0;
}
