// The machine's own floor under a program that wakes once a second: no Qt, no event loop, a
// plain clock_nanosleep to each next whole second, doing nothing. Measured beside
// ampora-cli record by scripts/perf/record-cost --floor, as core_floor is.
//   sleep_floor [seconds]   (default: until it is stopped)
#include <cerrno>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : -1;
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (long done = 0; seconds < 0 || done < seconds; ++done) {
        ++next.tv_sec;
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
        }
    }
    return 0;
}
