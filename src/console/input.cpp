#include "console/input.h"

#include <cctype>
#include <cstdlib>

// Longest piece of a word looked at for a number. Longer numbers are read
// as their first 512 characters, the rest left as the next word.
static const size_t numberWindow = 512;

static int next_char(Input* in)
{
    if (!in->pushedBack.empty()) {
        unsigned char c = static_cast<unsigned char>(in->pushedBack.back());
        in->pushedBack.pop_back();
        return c;
    }
    return std::getc(in->stream);
}

static void give_back(Input* in, int c)
{
    if (c != EOF) in->pushedBack.push_back(static_cast<char>(c));
}

// Skips white space; returns the first other character, or EOF.
static int skip_space(Input* in)
{
    int c;
    do c = next_char(in);
    while (c != EOF && std::isspace(c));
    return c;
}

bool read_word(Input* in, std::string* word, size_t keep, size_t* length)
{
    word->clear();
    *length = 0;
    int c = skip_space(in);
    if (c == EOF) return false;
    for (; c != EOF && !std::isspace(c); c = next_char(in)) {
        if (*length < keep) word->push_back(static_cast<char>(c));
        ++*length;
    }
    give_back(in, c);
    return true;
}

// Takes up to numberWindow characters of the next word out of the input.
// Returns false at the end of the input.
static bool take_number_text(Input* in, std::string* text)
{
    text->clear();
    int c = skip_space(in);
    if (c == EOF) return false;
    while (c != EOF && !std::isspace(c) && text->size() < numberWindow) {
        text->push_back(static_cast<char>(c));
        c = next_char(in);
    }
    give_back(in, c);
    return true;
}

// Gives back what a conversion did not use, so the next read starts there.
static void give_back_rest(Input* in, const std::string& text, size_t used)
{
    for (size_t i = text.size(); i > used; i--) give_back(in, static_cast<unsigned char>(text[i - 1]));
}

bool read_int(Input* in, uint32_t* value)
{
    std::string text;
    if (!take_number_text(in, &text)) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    long long v = std::strtoll(begin, &end, 0);
    size_t used = static_cast<size_t>(end - begin);
    give_back_rest(in, text, used);
    if (used == 0) return false;
    *value = static_cast<uint32_t>(static_cast<unsigned long long>(v));
    return true;
}

bool read_float(Input* in, float* value)
{
    std::string text;
    if (!take_number_text(in, &text)) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    float v = std::strtof(begin, &end);
    size_t used = static_cast<size_t>(end - begin);
    give_back_rest(in, text, used);
    if (used == 0) return false;
    *value = v;
    return true;
}
