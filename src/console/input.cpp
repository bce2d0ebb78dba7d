#include "console/input.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>

// Longest piece of a word looked at for a number. Longer numbers are read
// as their first 512 characters, the rest left as the next word.
static const size_t numberWindow = 512;

// Skips white space; returns the first other character, or EOF. Whatever
// the dialogue printed is shown before the program waits for the user.
static int skip_space(std::FILE* in)
{
    std::fflush(stdout);
    int c;
    do c = std::getc(in);
    while (c != EOF && std::isspace(c));
    return c;
}

bool read_word(std::FILE* in, std::string* word, size_t keep, size_t* length)
{
    word->clear();
    *length = 0;
    int c = skip_space(in);
    if (c == EOF) return false;
    for (; c != EOF && !std::isspace(c); c = std::getc(in)) {
        if (*length < keep) word->push_back(static_cast<char>(c));
        ++*length;
    }
    return true;  // the white space that ended the word is no loss
}

// Whether `text` followed by `c` can still begin an integer as "%i" reads
// it: a sign, then decimal digits, or 0 and octal digits, or 0x and
// hexadecimal digits.
static bool begins_integer(const std::string& text, int c)
{
    const char* s = text.c_str();
    s += *s == '+' || *s == '-';
    if (text.empty() && (c == '+' || c == '-')) return true;
    if (*s != '0') return std::isdigit(c);
    if (s[1] == 'x' || s[1] == 'X') return std::isxdigit(c);
    if (s[1] == '\0' && (c == 'x' || c == 'X')) return true;
    return c >= '0' && c <= '7';
}

// Whether `word` (lower case) begins with `text`'s letters followed by `c`.
static bool spells(const char* word, const char* text, int c)
{
    for (; *text; text++, word++)
        if (std::tolower(static_cast<unsigned char>(*text)) != *word) return false;
    return *word && std::tolower(c) == *word;
}

// Whether `text` followed by `c` can still begin a number as "%f" reads it:
// a sign, then inf, infinity or nan, or a decimal or 0x-hexadecimal
// mantissa with one point and an exponent (e or p, a sign, digits) once
// the mantissa has a digit.
static bool begins_float(const std::string& text, int c)
{
    const char* s = text.c_str();
    s += *s == '+' || *s == '-';
    if (text.empty() && (c == '+' || c == '-')) return true;
    if (spells("infinity", s, c) || spells("nan", s, c)) return true;
    if (std::isalpha(static_cast<unsigned char>(*s))) return false;
    const bool hex = s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (std::strcmp(s, "0") == 0 && (c == 'x' || c == 'X')) return true;
    const char* exponent = std::strpbrk(s, hex ? "pP" : "eE");
    if (exponent) {
        if (exponent[1] == '\0' && (c == '+' || c == '-')) return true;
        return std::isdigit(c);
    }
    const char* mantissa = hex ? s + 2 : s;
    const bool digits = std::strpbrk(mantissa, hex ? "0123456789abcdefABCDEF" : "0123456789");
    if (std::tolower(c) == (hex ? 'p' : 'e')) return digits;
    if (c == '.') return !std::strchr(mantissa, '.');
    return hex ? std::isxdigit(c) : std::isdigit(c);
}

// Takes out of the input, into the empty `text`, the longest piece of the
// next word, at most numberWindow characters, that can still begin a
// number, and gives back the one character that ended it.
static void take_number(std::FILE* in, bool (*begins)(const std::string&, int), std::string* text)
{
    int c = skip_space(in);
    while (c != EOF && text->size() < numberWindow && begins(*text, c)) {
        text->push_back(static_cast<char>(c));
        c = std::getc(in);
    }
    std::ungetc(c, in);
}

void read_int(std::FILE* in, uint32_t* value)
{
    std::string text;
    take_number(in, begins_integer, &text);
    const size_t digits = text.find_first_of("0123456789");
    if (digits == std::string::npos) return;
    const bool hex = text.find_first_of("xX") != std::string::npos;
    const int base = hex ? 16 : text[digits] == '0' ? 8 : 10;
    const long long v = std::strtoll(text.c_str(), nullptr, base);
    *value = static_cast<uint32_t>(static_cast<unsigned long long>(v));
}

void read_float(std::FILE* in, float* value)
{
    std::string text;
    take_number(in, begins_float, &text);
    const char* s = text.c_str() + (text[0] == '+' || text[0] == '-');
    const bool hex = s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const std::string mantissa(hex ? s + 2 : s, std::strcspn(hex ? s + 2 : s, hex ? "pP" : "eE"));
    const bool number = mantissa.find_first_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                        std::string::npos;
    if (number || !strcasecmp(s, "inf") || !strcasecmp(s, "infinity") || !strcasecmp(s, "nan"))
        *value = std::strtof(text.c_str(), nullptr);
}
