#include "system/posix/timed_stats.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace quarvo {
namespace {

// Runs in the forked child: only system calls, no allocation, since the
// parent may have had other threads holding locks when it forked.
[[noreturn]] void answerFromChild(const std::string& folder, int out) {
    if (const std::optional<VolumeStats> stats = readVolumeStats(folder)) {
        [[maybe_unused]] const auto written = ::write(out, &*stats, sizeof *stats);
    }
    ::_exit(0);
}

bool readable(int fd, int milliseconds) {
    pollfd p{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&p, 1, milliseconds);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A child stuck in the file system may not die at once; it is not waited for,
// and once it ends the kernel keeps only its exit status.
void giveUp(pid_t child) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, WNOHANG);
}

StatsAnswer answerOf(pid_t child, int in, int milliseconds) {
    if (!readable(in, milliseconds)) {
        giveUp(child);
        return {.stats = std::nullopt, .timedOut = true};
    }
    StatsAnswer answer;
    VolumeStats stats;
    if (::read(in, &stats, sizeof stats) == sizeof stats) answer.stats = stats;
    ::waitpid(child, nullptr, 0);
    return answer;
}

}  // namespace

StatsAnswer readVolumeStatsWithin(const std::string& folder, int milliseconds) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        answerFromChild(folder, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    // Without a child the query was not made: a failure, not a time-out.
    const StatsAnswer answer =
        child < 0 ? StatsAnswer{} : answerOf(child, pipeEnds[0], milliseconds);
    ::close(pipeEnds[0]);
    return answer;
}

}  // namespace quarvo
