#pragma once

// What every command of the tool shares: failures with their exit codes, and the checks
// and output forms of interfaces that users rely on.

#include <CLI/CLI.hpp>

#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace tessaly::cli {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// A command that cannot do what it was asked; main prints the one line and exits with `code`.
class Failure : public std::runtime_error {
 public:
  Failure(int code, const std::string& message) : std::runtime_error(message), m_code(code) {}
  int Code() const { return m_code; }

 private:
  int m_code;
};

[[noreturn]] void FailUsage(const std::string& message);
[[noreturn]] void FailFile(std::string_view action, const std::string& file, std::error_code error);

// A settings file that exists but cannot be read stops the command; a missing one reads as empty.
void RequireReadable(const std::string& file);

// Reports a failed write the way the user must hear of it.
void RequireWritten(const std::string& file, std::error_code error);

void PrintPair(std::string_view name, std::string_view value);

// The groups of commands, each in a file of its own.
void AddIniCommands(CLI::App& app);
void AddRegistryCommands(CLI::App& app);
void AddSettingsCommands(CLI::App& app);
void AddContentTypesCommands(CLI::App& app);
void AddUaCommands(CLI::App& app);

}  // namespace tessaly::cli
