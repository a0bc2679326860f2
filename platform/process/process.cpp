#include "platform/process/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "platform/process/command_line.h"
#include "platform/support/observer_slot.h"

extern char** environ;

namespace platform::process {

namespace {

// A started program as its two handles see it; the thread handle stands for its main thread.
struct ProcessHandle {
  pid_t pid;
};

struct HandleTable {
  std::mutex lock;
  std::unordered_set<ProcessHandle*> live;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

HANDLE NewHandle(pid_t pid) {
  auto* handle = new ProcessHandle{pid};
  std::lock_guard guard(Handles().lock);
  Handles().live.insert(handle);
  return handle;
}

ObserverSlot<SpawnObserver>& Observer() {
  static ObserverSlot<SpawnObserver> slot;
  return slot;
}

// Everything the new program needs, made before forking: the children may only call
// async-signal-safe functions.
struct Launch {
  std::string path;
  std::vector<std::string> arguments;
  std::vector<char*> argv;
  std::vector<std::string> variables;
  std::vector<char*> envp;
  std::string folder;
  bool inheritHandles = false;
  int devNull = -1;
  int highestFd = 1024;
};

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::vector<std::string> EnvironmentBlock(const char* block) {
  std::vector<std::string> variables;
  while (*block) {
    variables.emplace_back(block);
    block += variables.back().size() + 1;
  }
  return variables;
}

// Messages from the two children on one pipe; each is written whole in one call.
enum class Note : int { kChild, kForkFailed, kStartFailed };
struct Message {
  Note note;
  int value;
};

void Send(int fd, Note note, int value) {
  const Message message{note, value};
  ssize_t written;
  do written = ::write(fd, &message, sizeof message);
  while (written < 0 && errno == EINTR);
}

[[noreturn]] void RunProgram(const Launch& launch, int statusFd) {
  ::setsid();
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal)
    if (signal != SIGKILL && signal != SIGSTOP) sigaction(signal, &standard, nullptr);
  if (launch.devNull >= 0) {
    ::dup2(launch.devNull, STDIN_FILENO);
    ::dup2(launch.devNull, STDOUT_FILENO);
  }
  if (!launch.inheritHandles && ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
    for (int fd = 3; fd <= launch.highestFd; ++fd) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  if (!launch.folder.empty() && ::chdir(launch.folder.c_str()) != 0) {
    Send(statusFd, Note::kStartFailed, errno);
    ::_exit(127);
  }
  ::execve(launch.path.c_str(), launch.argv.data(), launch.envp.data());
  Send(statusFd, Note::kStartFailed, errno);
  ::_exit(127);
}

void Reap(pid_t pid) {
  int status;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

struct Outcome {
  pid_t pid = -1;
  int error = 0;
};

// A middle child starts the program and exits at once, so the program is nobody's child
// to wait for; we reap only the middle child, by its id, and leave the host's own alone.
Outcome Start(const Launch& launch) {
  int status[2];
  if (::pipe2(status, O_CLOEXEC) != 0) return {-1, errno};
  const pid_t middle = ::fork();
  if (middle == 0) {
    const pid_t program = ::fork();
    if (program == 0) RunProgram(launch, status[1]);
    Send(status[1], program < 0 ? Note::kForkFailed : Note::kChild, program < 0 ? errno : program);
    ::_exit(0);
  }
  const int forkError = errno;
  ::close(status[1]);
  Outcome outcome;
  if (middle < 0) {
    ::close(status[0]);
    return {-1, forkError};
  }
  Reap(middle);
  Message message;
  ssize_t got;
  while ((got = ::read(status[0], &message, sizeof message)) != 0) {
    if (got < 0 && errno == EINTR) continue;
    if (got != static_cast<ssize_t>(sizeof message)) {
      outcome.error = EIO;
      break;
    }
    if (message.note == Note::kChild)
      outcome.pid = message.value;
    else
      outcome.error = message.value;
  }
  ::close(status[0]);
  if (outcome.pid < 0 && outcome.error == 0) outcome.error = ECHILD;
  if (outcome.error != 0) outcome.pid = -1;
  return outcome;
}

std::string CurrentFolder() {
  std::vector<char> buffer(PATH_MAX);
  if (!::getcwd(buffer.data(), buffer.size())) return {};
  return buffer.data();
}

// Windows takes a relative program path from the caller's folder, not the new working folder.
std::string ProgramPath(std::string program) {
  if (program.empty() || program.front() == '/') return program;
  const std::string folder = CurrentFolder();
  return folder.empty() ? std::string() : folder + "/" + program;
}

int Prepare(Launch& launch, LPCSTR applicationName, const std::string& commandLine, BOOL inheritHandles,
            LPVOID environment, LPCSTR currentDirectory) {
  launch.arguments = ArgumentVector(applicationName ? applicationName : "", commandLine);
  const std::string program = applicationName ? applicationName : launch.arguments.front();
  if (program.empty()) return ENOENT;
  if (currentDirectory && !*currentDirectory) return ENOENT;
  launch.path = ProgramPath(program);
  if (launch.path.empty()) return ENOENT;
  launch.argv = PointersTo(launch.arguments);
  if (environment) {
    launch.variables = EnvironmentBlock(static_cast<const char*>(environment));
    launch.envp = PointersTo(launch.variables);
  } else {
    for (char** variable = environ; variable && *variable; ++variable) launch.envp.push_back(*variable);
    launch.envp.push_back(nullptr);
  }
  launch.folder = currentDirectory ? currentDirectory : "";
  launch.inheritHandles = inheritHandles != FALSE;
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
    launch.highestFd = static_cast<int>(std::min<rlim_t>(limit.rlim_cur, INT_MAX));
  return 0;
}

}  // namespace

void SetSpawnObserver(SpawnObserver observer) { Observer().Set(std::move(observer)); }

}  // namespace platform::process

using namespace platform::process;

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                    BOOL inheritHandles, DWORD, LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInformation) {
  SpawnRecord record;
  record.commandLine = commandLine ? commandLine : "";
  record.workingFolder = currentDirectory ? currentDirectory : "";
  record.program = applicationName ? applicationName : "";
  Launch launch;
  int error = (!startupInfo || !processInformation) ? EINVAL : 0;
  if (!error)
    error = Prepare(launch, applicationName, record.commandLine, inheritHandles, environment, currentDirectory);
  if (!applicationName && !launch.arguments.empty()) record.program = launch.arguments.front();
  Outcome outcome{-1, error};
  if (!error) {
    launch.devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    outcome = Start(launch);
    if (launch.devNull >= 0) ::close(launch.devNull);
  }
  record.started = outcome.pid > 0;
  record.error = outcome.error;
  if (record.started) {
    processInformation->hProcess = NewHandle(outcome.pid);
    processInformation->hThread = NewHandle(outcome.pid);
    processInformation->dwProcessId = static_cast<DWORD>(outcome.pid);
    processInformation->dwThreadId = static_cast<DWORD>(outcome.pid);
  }
  Observer().Notify(record);
  if (!record.started) errno = record.error;
  return record.started ? TRUE : FALSE;
}

BOOL CloseHandle(HANDLE handle) {
  auto* process = static_cast<ProcessHandle*>(handle);
  {
    std::lock_guard guard(Handles().lock);
    if (!Handles().live.erase(process)) return FALSE;
  }
  delete process;
  return TRUE;
}
