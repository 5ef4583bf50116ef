// The reference clock rate of the clock-accuracy figures: the time-stamp
// counter counted against the system's monotonic clock (the counter behind
// the performance counter under Wine) over a long stretch:
//
//   tsc_reference [SECONDS]      (default 10)
//
// Prints the rate in MHz with three decimals. Each end reads the two counters
// several times and keeps the pair read closest together, so that a
// preemption between the two reads doesn't count.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <x86intrin.h>

struct counter_pair {
    double seconds;
    uint64_t ticks;
};

static double monotonic_s()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}

static counter_pair read_pair()
{
    counter_pair best = {0, 0};
    uint64_t best_gap = UINT64_MAX;
    for (int i = 0; i < 50; i++) {
        uint64_t before = __rdtsc();
        double seconds = monotonic_s();
        uint64_t after = __rdtsc();
        if (after - before < best_gap) {
            best_gap = after - before;
            best.seconds = seconds;
            best.ticks = before + (after - before) / 2;
        }
    }
    return best;
}

int main(int argc, char **argv)
{
    double stretch_s = argc > 1 ? atof(argv[1]) : 10;
    if (stretch_s <= 0) {
        fprintf(stderr, "usage: tsc_reference [SECONDS]\n");
        return 2;
    }
    counter_pair start = read_pair();
    timespec pause = {(time_t)stretch_s, (long)((stretch_s - (double)(time_t)stretch_s) * 1e9)};
    nanosleep(&pause, NULL);
    counter_pair end = read_pair();
    printf("%.3f\n", (double)(end.ticks - start.ticks) / (end.seconds - start.seconds) / 1e6);
    return 0;
}
