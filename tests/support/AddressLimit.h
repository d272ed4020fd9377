#pragma once
// Running a load in a child process whose address space is limited, to see a
// file the system has not the memory for refused rather than ending the
// program. The sanitizers reserve more address space than any such limit
// allows, so tests that use it are built without them only.
#include <QByteArray>
#include <QFile>

#include <functional>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if !defined(__SANITIZE_ADDRESS__) && !(defined(__has_feature) && __has_feature(address_sanitizer))
#define QUILLON_CAN_LIMIT_ADDRESS_SPACE 1
#endif

namespace quillon::test {

// body's result (0..127) in a child limited to extraMb of address space
// beyond what it holds already; 124 when an exception left it; 125 when no
// limit could be set; a signal (a failed allocation ending the program) as
// 128 + it; -1 when no child ran.
inline int runUnderAddressLimit(qint64 extraMb, const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0) {
        mallopt(M_ARENA_MAX, 1); // every thread's allocations in one arena: no 64 MB per thread
        QFile status(QStringLiteral("/proc/self/status"));
        qint64 sizeKb = -1;
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmSize:"))
                    sizeKb = line.mid(7).trimmed().split(' ').value(0).toLongLong();
            }
        }
        const rlim_t limit = rlim_t(sizeKb + extraMb * 1024) * 1024;
        const rlimit r{limit, limit};
        if (sizeKb < 0 || setrlimit(RLIMIT_AS, &r) != 0)
            _exit(125);
        try {
            _exit(body());
        } catch (...) {
            _exit(124); // never back into the test program's own run
        }
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace quillon::test
