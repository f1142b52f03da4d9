#include "picture_helper/confinement.h"

#include "picture_helper/font_broker.h"

#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageReader>
#include <cerrno>
#include <initializer_list>
#include <memory>

namespace picture_helper {

void loadImagePlugins() {
    // Making a reader for a format loads its plugin (and the libraries the
    // plugin needs); asking it anything makes the handler.
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        QImageReader reader(&empty, format);
        reader.canRead();
    }
}

namespace {

struct FilterDeleter {
    void operator()(void* filter) const { seccomp_release(filter); }
};

bool allowAll(scmp_filter_ctx filter, std::initializer_list<int> calls) {
    for (int call : calls)
        if (seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0) != 0) return false;
    return true;
}

bool installFilter() {
    const std::unique_ptr<void, FilterDeleter> owner(seccomp_init(SCMP_ACT_KILL_PROCESS));
    scmp_filter_ctx filter = owner.get();
    if (!filter) return false;
    // Only the calls decoding and the messages need, all of them on what
    // the helper already holds.
    const bool plain = allowAll(
        filter,
        {SCMP_SYS(read), SCMP_SYS(readv), SCMP_SYS(pread64), SCMP_SYS(write), SCMP_SYS(writev),
         SCMP_SYS(lseek), SCMP_SYS(close), SCMP_SYS(fstat), SCMP_SYS(newfstatat), SCMP_SYS(statx), SCMP_SYS(fcntl),
         SCMP_SYS(recvmsg), SCMP_SYS(poll), SCMP_SYS(ppoll),
         SCMP_SYS(brk), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(madvise),
         SCMP_SYS(futex), SCMP_SYS(eventfd2), SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(sched_yield),
         SCMP_SYS(sched_getaffinity), SCMP_SYS(gettid), SCMP_SYS(getpid),
         SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack),
         SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday), SCMP_SYS(clock_nanosleep),
         SCMP_SYS(nanosleep), SCMP_SYS(pause), SCMP_SYS(getrusage), SCMP_SYS(sysinfo), SCMP_SYS(getrandom), SCMP_SYS(exit), SCMP_SYS(exit_group)});
    if (!plain) return false;
    // Opening a file traps to the font broker, which hands out the font
    // files opened before and ends the helper for any other name.
    for (int call : {SCMP_SYS(open), SCMP_SYS(openat)})
        if (seccomp_rule_add(filter, SCMP_ACT_TRAP, call, 0) != 0) return false;
    // Memory, but never executable: every library was loaded before.
    for (int call : {SCMP_SYS(mmap), SCMP_SYS(mprotect)})
        if (seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0)) != 0)
            return false;
    // Threads of its own (Qt scales large pictures on several), no new
    // process. clone3 hides its flags from the filter: the C library falls
    // back to clone when it is missing.
    if (seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) != 0 ||
        seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
                         SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD)) != 0)
        return false;
    // Its own CPU limit, its threads' names, a signal to itself (abort).
    if (seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), 2, SCMP_A0(SCMP_CMP_EQ, 0),
                         SCMP_A1(SCMP_CMP_EQ, RLIMIT_CPU)) != 0 ||
        seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME)) != 0 ||
        seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(::getpid()))) != 0)
        return false;
    return seccomp_load(filter) == 0;
}

bool setLimit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    return ::setrlimit(resource, &limit) == 0;
}

}  // namespace

bool confine() {
    openFontFiles();
    installOpenTrap();
    return setLimit(RLIMIT_DATA, kDataLimitBytes) && setLimit(RLIMIT_CORE, 0) && installFilter();
}

void limitCpuForNextPicture() {
    rusage used{};
    rlimit cpu{};
    if (::getrusage(RUSAGE_SELF, &used) != 0 || ::getrlimit(RLIMIT_CPU, &cpu) != 0) return;
    const rlim_t soFar = rlim_t(used.ru_utime.tv_sec + used.ru_stime.tv_sec) + 1;
    cpu.rlim_cur = soFar + rlim_t(kCpuSecondsPerPicture);
    if (cpu.rlim_max != RLIM_INFINITY && cpu.rlim_cur > cpu.rlim_max) cpu.rlim_cur = cpu.rlim_max;
    ::setrlimit(RLIMIT_CPU, &cpu);
}

}  // namespace picture_helper
