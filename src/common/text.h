// Whole-file text reading shared by the two plain-text readers (the settings
// file and the tempo map).
//
// Both readers tokenise a NUL-terminated copy of the file in place, so they
// need the file whole, whatever its size, and never trust a size reported
// ahead of the read: a pipe or a file that changes while it is read must not
// cause an overrun.
#pragma once

#include <cstdio>
#include <string>

// Reads `stream` from its current position to its end into `text`, in
// chunks, and closes the stream. Returns true when the end was reached;
// false when a read failed (what was read before the failure is kept).
// `text` keeps any NUL bytes read; callers that want C text use c_str(),
// which ends the text at the first NUL.
bool read_whole_stream(std::FILE* stream, std::string* text);
