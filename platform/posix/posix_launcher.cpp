#include "posix_launcher.h"

#include "posix_paths.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

// Runs in the forked children, where only async-signal-safe calls are
// allowed: the program becomes a grandchild in a new session (adopted by
// init once its parent exits at once), and an exec failure's errno goes
// back through the pipe, which closes by itself on a successful exec.
[[noreturn]] void RunDetached(const char* program, char* const argv[], int errorPipe) {
    if (::setsid() < 0) ::_exit(127);
    const pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 127 : 0);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &defaultAction, nullptr);
    const int devNull = ::open("/dev/null", O_RDONLY);
    if (devNull >= 0) ::dup2(devNull, STDIN_FILENO);
    ::execv(program, argv);
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

void PosixLauncher::Launch(const std::string& path, int /*windowStyle*/) {
    std::string program = PosixPath(path);
    if (program.empty() || program.find('\0') != std::string::npos) throw LaunchError();
    char* const argv[] = {program.data(), nullptr};

    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) throw LaunchError();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(errorPipe[0]);
        RunDetached(program.c_str(), argv, errorPipe[1]);
    }
    ::close(errorPipe[1]);
    int execError = 0;
    ssize_t got = 0;
    if (child > 0) {
        do got = ::read(errorPipe[0], &execError, sizeof execError);
        while (got < 0 && errno == EINTR);
    }
    ::close(errorPipe[0]);
    int status = 0;
    if (child > 0) while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    const bool started = child > 0 && got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!started) throw LaunchError();
}

}  // namespace velmora::platform
