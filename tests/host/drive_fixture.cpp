#include "tests/host/drive_fixture.h"

#include <sstream>

namespace tessaly::test {

namespace {

DriveResult Parse(const ProgramResult& ran) {
  DriveResult result{ran.exitCode, {}, ran.err};
  std::istringstream out(ran.out);
  for (std::string line; std::getline(out, line);) {
    const Json parsed = Json::parse(line, nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << "not JSON: " << line;
    result.lines.push_back(parsed);
  }
  return result;
}

}  // namespace

std::string HostProgram() { return BuiltProgram("tessaly-host"); }

std::string DoubleLibrary() { return std::string(TESSALY_BINARY_DIR) + "/tests/libtab_double.so"; }

std::vector<Json> LinesWith(const DriveResult& result, const std::string& key) {
  std::vector<Json> found;
  for (const Json& line : result.lines)
    if (line.is_object() && line.contains(key)) found.push_back(line);
  return found;
}

std::vector<Json> Events(const DriveResult& result, const std::string& kind) {
  std::vector<Json> found;
  for (const Json& line : LinesWith(result, "event"))
    if (line["event"] == kind) found.push_back(line);
  return found;
}

Json ControlOf(const Json& dump, int id) {
  if (!dump.contains("controls")) return nullptr;
  for (const Json& control : dump["controls"])
    if (control["id"] == id) return control;
  return nullptr;
}

// The registry stand-in of each test is its own.
DriveTest::DriveTest() : m_config("XDG_CONFIG_HOME", m_dir.Path().c_str()) {}

DriveResult DriveTest::Drive(const std::string& script, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"--drive", "--library", DoubleLibrary()});
  return Parse(RunProgram(HostProgram(), arguments, script));
}

DriveResult DriveTest::DriveLibrary(const std::string& script, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "--drive");
  return Parse(RunProgram(HostProgram(), arguments, script));
}

}  // namespace tessaly::test
