// Whole-file text reading shared by the two plain-text readers (the settings
// file and the tempo map).
//
// Both readers tokenise a NUL-terminated copy of the file in place, so they
// need the file whole, and never trust a size reported ahead of the read: a
// pipe or a file that changes while it is read must not cause an overrun.
// Neither file is ever large, so the read stops after textLimit bytes: a
// file that keeps growing while it is read cannot fill the memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

constexpr size_t textLimit = 1 << 20;

// Reads `stream` from its current position into the empty `text`, up to
// its end or its first textLimit bytes, and closes the stream. Returns 0
// when the end was reached; otherwise the system's error number of the
// failed read, or EFBIG when there was more than textLimit bytes (`text`
// then holds the first textLimit). What was read is kept, NUL bytes included; callers that
// want C text use c_str(), which ends the text at the first NUL.
int read_whole_stream(std::FILE* stream, std::string* text);
