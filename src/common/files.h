// Opening the program's own files: tiklora.txt, the tempo map and the track.
//
// Each of them belongs in the song's folder as a regular file. Something
// else of that name is refused at once, never opened as it stands: a FIFO
// would hold the program in its open (or its first read or write) until
// another program came along, a device may do anything on an open, and a
// folder holds no text or samples. Every open of those three files goes
// through open_regular(), which never waits.
#pragma once

#include <cstdio>

// The error open_regular() gives for a name that is there but is not a
// regular file or a folder (a FIFO, a device, a socket). No system error
// number is negative.
constexpr int notRegularFile = -1;

// Opens the regular file `name` as std::fopen() opens it with `mode`, one
// of "r", "rb", "rb+" and "wb" ("wb" creates a missing file, and empties
// one only after it proved regular). Returns the stream, or nullptr with
// errno set: the system's error number, EISDIR for a folder, or
// notRegularFile for anything else that is not a regular file.
std::FILE* open_regular(const char* name, const char* mode);

// The text of an error number from open_regular(): "it is not a regular
// file" for notRegularFile, else the system's text.
const char* file_error_text(int error);
