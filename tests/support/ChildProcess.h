// Running a piece of a test in a forked child process: killed at a chosen system call, without the
// rights of root, or measured for the memory it makes resident (bytes). The child inherits the test's
// memory, so the work sees everything the test prepared; it ends with _exit and runs no destructors.
#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One system call of a traced child, stopped before it runs.
struct SyscallEntry {
    pid_t pid = 0;
    long number = -1;  // the architecture's system call number; -1 where registers are not read
    uint64_t arguments[6] = {};
};

// How a traced run ended.
enum class TracedEnd {
    Completed,  // work returned true and the child exited normally
    Failed,  // work returned false or the child died of something else
    Killed,  // killed before the chosen system call
    Untraceable,  // the system does not let this process trace its child
};

// Runs work in a traced child and calls beforeSyscall before each of its system calls; the child is
// killed (SIGKILL, so the call never runs) before the first call for which beforeSyscall returns
// true. Untraceable when tracing is refused.
TracedEnd RunTraced(const std::function<bool()>& work, const std::function<bool(const SyscallEntry&)>& beforeSyscall);

// What KillAtEverySyscall saw.
struct KillSeries {
    bool traceable = true;  // false: tracing refused, nothing ran
    int kills = 0;  // runs killed part way
    bool completed = false;  // the last run, killed nowhere, completed
    std::vector<long> syscalls;  // numbers of the calls killed at, in order (-1 where not read)
};

// Runs work once for each of its system calls and kills it before that call: first before its first
// call, then before its second, and so on, until a run is no longer reached by the kill and ends by
// itself (at most maxRuns runs). afterRun is called after every run, with the number of calls the
// child was allowed to make (the last run included).
KillSeries KillAtEverySyscall(const std::function<bool()>& work, const std::function<void(int allowedCalls)>& afterRun,
                              int maxRuns = 2000);

// KillAtEverySyscall repeated, at most three times, until runs were killed before a write, an fsync
// and a rename: the calls a child makes can differ slightly from run to run, so one series may step
// over a save step. The series are merged (kills added, call numbers appended, the last completion).
KillSeries KillAtEverySaveStep(const std::function<bool()>& work,
                               const std::function<void(int allowedCalls)>& afterRun);

// The calls among write, fsync and rename (the steps of a safe file save) that the series never
// killed a run before; empty where call numbers are not read (other than x86_64).
std::vector<long> SaveStepsNeverKilledAt(const KillSeries& series);

// The text path points to in the child's memory; "" when it cannot be read. At most 4096 bytes.
std::string ReadChildText(pid_t pid, uint64_t address);

// Runs work in a child that holds no root rights (as the user "nobody" when the test runs as root),
// so that file permissions apply to it; its text, or nothing when the child failed.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& work);

#if defined(__SANITIZE_ADDRESS__)
#define QUORVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_ADDRESS_SANITIZER 1
#endif
#endif

// How much more memory a program needs under AddressSanitizer: red zones around each allocation and
// the quarantine of freed ones.
#if defined(QUORVEL_ADDRESS_SANITIZER)
inline constexpr std::size_t kSanitizerMemoryFactor = 3;
#else
inline constexpr std::size_t kSanitizerMemoryFactor = 1;
#endif

// Bytes by which the peak resident memory of a child grew while it ran work; nothing when the child
// failed.
std::optional<std::size_t> PeakMemoryGrowth(const std::function<void()>& work);
