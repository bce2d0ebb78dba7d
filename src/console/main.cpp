// Tikvane: a console metronome and click-track writer.
//
// main() owns the whole state of the run; it puts standard output and
// standard error on streams of its own, starts up and hands over to the
// command loop, which ends the process itself.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/stop.h"
#include "console/session.h"

namespace {

// Writes all `size` bytes to the stream's descriptor. A write that a signal
// broke off is made again, so that no line is lost, unless the signal is a
// kill: the process is about to end, and no wait may outlive it. The first
// other failure is kept in the record and, for standard output, told on
// standard error; later ones are not told again. Returns `size`, or 0 when
// the bytes did not all get there.
ssize_t write_whole(void* cookie, const char* bytes, size_t size)
{
    auto* stream = static_cast<StandardStream*>(cookie);
    for (size_t done = 0; done < size;) {
        const ssize_t n = write(stream->fd, bytes + done, size - done);
        if (n >= 0) {
            done += static_cast<size_t>(n);
        } else if (errno != EINTR) {
            if (!stream->error) {
                stream->error = errno;
                if (stream->fd == STDOUT_FILENO)  // not complain(): it flushes this stream
                    std::fprintf(stderr, "Could not write standard output: %s\n",
                                 std::strerror(errno));
            }
            return 0;
        } else if (stopSignal == SIGTERM || stopSignal == SIGHUP) {
            return 0;
        }
    }
    return static_cast<ssize_t>(size);
}

// Puts `*stream` on a stream that writes through write_whole() to the
// record's descriptor, buffered as `mode` says. When that cannot be made
// (no memory at the start), the stream is left as it was.
void write_through(std::FILE** stream, StandardStream* record, int mode)
{
    std::FILE* f = fopencookie(record, "w", {nullptr, write_whole, nullptr, nullptr});
    if (f && setvbuf(f, nullptr, mode, BUFSIZ) == 0) *stream = f;
}

}  // namespace

int main()
{
    Session session;
    // Buffered as the C library buffers them.
    write_through(&stdout, &session.output, isatty(STDOUT_FILENO) ? _IOLBF : _IOFBF);
    write_through(&stderr, &session.errors, _IONBF);
    start_up(&session);
    run_command_loop(&session);
}
