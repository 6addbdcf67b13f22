// Forked children for fault tests: tracing with ptrace, dropping root, reading the peak resident set.
#include "ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

#include <grp.h>
#include <malloc.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// The child's status after waiting; -1 when waiting failed.
int Wait(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

void Reap(pid_t pid) {
    ::kill(pid, SIGKILL);
    Wait(pid);
}

SyscallEntry ReadEntry(pid_t pid) {
    SyscallEntry entry;
    entry.pid = pid;
#if defined(__x86_64__)
    user_regs_struct registers{};
    if (::ptrace(PTRACE_GETREGS, pid, nullptr, &registers) == 0) {
        entry.number = static_cast<long>(registers.orig_rax);
        const uint64_t arguments[6] = {registers.rdi, registers.rsi, registers.rdx,
                                       registers.r10, registers.r8,  registers.r9};
        std::memcpy(entry.arguments, arguments, sizeof arguments);
    }
#endif
    return entry;
}

// Writes all of text to fd; a child's answer is small, so a short write means the parent is gone.
void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return text;
        text.append(buffer, static_cast<size_t>(n));
    }
}

// Runs work in a child and returns the text it wrote, or nothing when it did not exit with 0.
std::optional<std::string> RunForText(const std::function<std::string()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(pipeEnds[0]);
        WriteAll(pipeEnds[1], work());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text = ReadAll(pipeEnds[0]);
    ::close(pipeEnds[0]);
    const int status = Wait(pid);
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return text;
}

// The peak resident set of this process in bytes (VmHWM); 0 when unknown.
std::size_t PeakResident() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    }
    return 0;
}

}  // namespace

TracedEnd RunTraced(const std::function<bool()>& work, const std::function<bool(const SyscallEntry&)>& beforeSyscall) {
    const pid_t pid = ::fork();
    if (pid < 0) return TracedEnd::Untraceable;
    if (pid == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(3);
        ::raise(SIGSTOP);
        ::_exit(work() ? 0 : 1);
    }
    int status = Wait(pid);
    if (status < 0 || !WIFSTOPPED(status)) {
        Reap(pid);
        return TracedEnd::Untraceable;
    }
    if (::ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) != 0) {
        Reap(pid);
        return TracedEnd::Untraceable;
    }
    bool atEntry = true;  // stops alternate between a call's entry and its exit
    int signal = 0;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, pid, nullptr, signal) != 0) {
            Reap(pid);
            return TracedEnd::Failed;
        }
        signal = 0;
        status = Wait(pid);
        if (status < 0) return TracedEnd::Failed;
        if (WIFEXITED(status)) return WEXITSTATUS(status) == 0 ? TracedEnd::Completed : TracedEnd::Failed;
        if (WIFSIGNALED(status)) return TracedEnd::Failed;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // an ordinary signal goes on to the child
            continue;
        }
        const bool entry = atEntry;
        atEntry = !atEntry;
        if (entry && beforeSyscall(ReadEntry(pid))) {
            Reap(pid);
            return TracedEnd::Killed;
        }
    }
}

KillSeries KillAtEverySyscall(const std::function<bool()>& work, const std::function<void(int allowedCalls)>& afterRun,
                              int maxRuns) {
    KillSeries series;
    for (int allowed = 0; allowed < maxRuns; ++allowed) {
        int calls = 0;
        long killedAt = -1;
        const TracedEnd end = RunTraced(work, [&](const SyscallEntry& entry) {
            if (calls++ < allowed) return false;
            killedAt = entry.number;
            return true;
        });
        if (end == TracedEnd::Untraceable) {
            series.traceable = false;
            return series;
        }
        afterRun(allowed);
        if (end != TracedEnd::Killed) {
            series.completed = end == TracedEnd::Completed;
            return series;
        }
        ++series.kills;
        series.syscalls.push_back(killedAt);
    }
    return series;
}

KillSeries KillAtEverySaveStep(const std::function<bool()>& work,
                               const std::function<void(int allowedCalls)>& afterRun) {
    KillSeries merged;
    for (int pass = 0; pass < 3; ++pass) {
        const KillSeries series = KillAtEverySyscall(work, afterRun);
        if (!series.traceable) return series;
        merged.kills += series.kills;
        merged.completed = series.completed;
        merged.syscalls.insert(merged.syscalls.end(), series.syscalls.begin(), series.syscalls.end());
        if (SaveStepsNeverKilledAt(merged).empty()) break;
    }
    return merged;
}

std::vector<long> SaveStepsNeverKilledAt(const KillSeries& series) {
    std::vector<long> missed;
#if defined(__x86_64__)
    for (const long call : {long(SYS_write), long(SYS_fsync), long(SYS_rename)})
        if (std::find(series.syscalls.begin(), series.syscalls.end(), call) == series.syscalls.end())
            missed.push_back(call);
#endif
    return missed;
}

std::string ReadChildText(pid_t pid, uint64_t address) {
    std::string text(4096, '\0');
    iovec local{text.data(), text.size()};
    iovec remote{reinterpret_cast<void*>(address), text.size()};
    const ssize_t got = ::process_vm_readv(pid, &local, 1, &remote, 1, 0);
    if (got <= 0) {
        // A string near the end of a mapping: read what lies before the page end.
        const uint64_t toPageEnd = 4096 - (address % 4096);
        local.iov_len = remote.iov_len = toPageEnd;
        if (::process_vm_readv(pid, &local, 1, &remote, 1, 0) <= 0) return {};
    }
    return std::string(text.c_str());
}

std::optional<std::string> RunUnprivileged(const std::function<std::string()>& work) {
    return RunForText([&work]() -> std::string {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                                 ::setresuid(kNobody, kNobody, kNobody) != 0))
            ::_exit(2);
        return work();
    });
}

std::optional<std::size_t> PeakMemoryGrowth(const std::function<void()>& work) {
    const std::optional<std::string> text = RunForText([&work] {
        // A new child's peak starts at its resident set on leaving fork; free heap pages it inherited
        // are given back first, so that the work cannot reuse them unseen.
        ::malloc_trim(0);
        const std::size_t before = PeakResident();
        work();
        const std::size_t after = PeakResident();
        return std::to_string(after > before ? after - before : 0);
    });
    if (!text || text->empty()) return std::nullopt;
    return std::stoull(*text);
}
