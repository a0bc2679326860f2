#include "tests/support/run_program.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace tessaly::test {

namespace {

// Feeds `input` and drains both outputs together, so that neither pipe can fill and stall.
void Exchange(int in, int out, int err, std::string input, ProgramResult& result) {
  std::array<pollfd, 3> fds{{{out, POLLIN, 0}, {err, POLLIN, 0}, {in, POLLOUT, 0}}};
  if (input.empty()) {
    ::close(in);
    fds[2].fd = -1;
  }
  std::array<char, 4096> chunk{};
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t got = ::read(fds[i].fd, chunk.data(), chunk.size());
      if (got <= 0) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
      } else {
        (i == 0 ? result.out : result.err).append(chunk.data(), static_cast<std::size_t>(got));
      }
    }
    if (fds[2].fd >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
      const ssize_t put = ::write(in, input.data(), input.size());
      if (put > 0) input.erase(0, static_cast<std::size_t>(put));
      if (put <= 0 || input.empty()) {
        ::close(in);
        fds[2].fd = -1;
      }
    }
  }
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input) {
  std::signal(SIGPIPE, SIG_IGN);  // a program that exits before reading its input must not end the test
  int in[2], out[2], err[2];
  if (::pipe(in) || ::pipe(out) || ::pipe(err)) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  ProgramResult result;
  if (spawned != 0) {
    for (int fd : {in[1], out[0], err[0]}) ::close(fd);
    result.err = "cannot start " + program;
    return result;
  }
  Exchange(in[1], out[0], err[0], input, result);
  int status = 0;
  ::waitpid(child, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string BuiltProgram(const std::string& name) { return std::string(TESSALY_BINARY_DIR) + "/bin/" + name; }

}  // namespace tessaly::test
