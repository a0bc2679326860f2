#pragma once

// Starting programs the way the library's callers start them on Windows: a program path, a
// command line and a working folder. The program is run directly, never through a shell, with
// the arguments the command line splits into (command_line.h). It runs on its own: nobody
// waits for it, and no zombie is left behind.

#include <functional>
#include <string>

#include "platform/win32/types.h"

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Only `cb` is looked at; the callers zero the rest.
struct STARTUPINFOA {
  DWORD cb;
  DWORD dwFlags;
  WORD wShowWindow;
};
using LPSTARTUPINFOA = STARTUPINFOA*;

struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

// Starts `applicationName` (relative paths are taken from the current folder, as on Windows;
// null takes the program name of the command line) with `commandLine` split into its
// arguments, in `currentDirectory` (null: the caller's). The new program gets no descriptor of
// ours unless `inheritHandles`, reads from and writes its output to /dev/null (its error output
// is ours), starts a session of its own with default signal handling, and gets `environment`
// (a block of NUL-ended "NAME=value" texts ending in an empty one) or our environment. TRUE
// once the program runs; both returned handles are to be closed with CloseHandle. FALSE when
// it cannot be started, for instance a missing or empty program path or working folder.
BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                    LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInformation);

// Releases a handle that CreateProcessA returned; FALSE for anything else or a second close.
BOOL CloseHandle(HANDLE handle);

namespace platform::process {

// One attempt to start a program, as an observer hears of it.
struct SpawnRecord {
  std::string program;
  std::string commandLine;
  std::string workingFolder;  // empty when the caller's folder is kept
  bool started = false;
  int error = 0;  // errno of a failed start
};

using SpawnObserver = std::function<void(const SpawnRecord&)>;

// Every later CreateProcessA is reported to `observer` (an empty one stops the reports).
void SetSpawnObserver(SpawnObserver observer);

}  // namespace platform::process
