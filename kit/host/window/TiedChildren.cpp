#include "kit/host/window/TiedChildren.h"

#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <mutex>

namespace kit::host {
namespace {

pid_t forkingProcess = 0;

void beforeFork() { forkingProcess = ::getpid(); }

void inChild() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have ended between the fork and the line above, which the signal would then miss.
    if (::getppid() != forkingProcess) ::_exit(1);
}

} // namespace

void tieForkedChildren() {
    static std::once_flag once;
    std::call_once(once, [] { ::pthread_atfork(beforeFork, nullptr, inChild); });
}

} // namespace kit::host
