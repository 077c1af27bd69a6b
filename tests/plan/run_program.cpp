// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_program.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <stdexcept>
#include <system_error>

namespace plan_test {
namespace {

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes until the program has closed them, without letting either fill up.
void drain(int out_fd, int err_fd, Finished& finished) {
    std::array<pollfd, 2> fds{{{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&finished.out, &finished.err};
    int open_pipes = (out_fd >= 0) + (err_fd >= 0);
    while (open_pipes > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            fail("poll");
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open_pipes;
            }
        }
    }
}

}  // namespace

Finished run_program(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const RunOptions& options) {
    std::vector<std::string> argv_texts{program};
    argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env_texts = environment;
    std::vector<char*> argv = pointers_to(argv_texts);
    std::vector<char*> envp = pointers_to(env_texts);

    int out_pipe[2];
    int err_pipe[2];
    if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) fail("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err_pipe[1], STDERR_FILENO);
    for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    // An ignored signal stays ignored in the program; one at its default is set to its default there.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    struct sigaction ignore {
    }, before{};
    ignore.sa_handler = SIG_IGN;
    if (options.ignore_sigpipe) {
        sigaction(SIGPIPE, &ignore, &before);
    } else {
        sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    }
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), envp.data());
    if (options.ignore_sigpipe) {
        sigaction(SIGPIPE, &before, nullptr);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(out_pipe[1]);
    close(err_pipe[1]);
    if (spawned != 0) {
        close(out_pipe[0]);
        close(err_pipe[0]);
        throw std::system_error(spawned, std::generic_category(), "posix_spawn " + program);
    }

    if (options.close_output) {
        close(out_pipe[0]);
        out_pipe[0] = -1;
    }
    Finished finished;
    drain(out_pipe[0], err_pipe[0], finished);
    int wait_status = 0;
    while (waitpid(pid, &wait_status, 0) < 0) {
        if (errno != EINTR) fail("waitpid");
    }
    finished.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    finished.signal = WIFSIGNALED(wait_status) ? WTERMSIG(wait_status) : 0;
    return finished;
}

}  // namespace plan_test
