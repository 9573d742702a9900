// Desktop handler start through a double fork and execvp: the intermediate child is
// reaped at once, so no zombie is left behind and the game never waits for the handler.
#include "platform/shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zembrol::platform {

bool OpenWithDesktop(const std::string& fileOrUrl) {
    int pipeFd[2];
    if (pipe2(pipeFd, O_CLOEXEC) != 0) return false;
    pid_t child = fork();
    if (child < 0) {
        close(pipeFd[0]);
        close(pipeFd[1]);
        return false;
    }
    if (child == 0) {
        // Intermediate child: start the handler in a grandchild and leave.
        pid_t grand = fork();
        if (grand == 0) {
            int devnull = open("/dev/null", O_RDWR);
            if (devnull >= 0) {
                dup2(devnull, 0);
                dup2(devnull, 1);
                dup2(devnull, 2);
            }
            const char* argv[] = {"xdg-open", fileOrUrl.c_str(), nullptr};
            execvp(argv[0], const_cast<char* const*>(argv));
            // exec failed: tell the parent through the pipe.
            char fail = 1;
            (void)!write(pipeFd[1], &fail, 1);
            _exit(127);
        }
        _exit(grand < 0 ? 1 : 0);
    }
    close(pipeFd[1]);
    int status = 0;
    waitpid(child, &status, 0);
    // The pipe closes on a successful exec (close-on-exec) and carries a byte on failure.
    char fail = 0;
    ssize_t n = read(pipeFd[0], &fail, 1);
    close(pipeFd[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n <= 0;
}

}  // namespace zembrol::platform
