// tessaly ua ... and tessaly languages, run as a user runs them.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/edition.h"
#include "tests/support/case_name.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::ReadFile;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
using Args = std::vector<std::string>;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;
const std::string kBuiltTool = TESSALY_BINARY_DIR "/bin/tessaly";

using Outcome = tessaly::test::ProgramResult;

class ToolRun : public ::testing::Test {
 protected:
  Outcome Run(const Args& args, const std::string& tool = kBuiltTool) const {
    return tessaly::test::RunProgram(tool, args);
  }

  // A copy of the tool in an installation of its own, with or without a catalogue.
  std::string Installed(const std::string* catalogue) const {
    const std::string root = m_dir / "install";
    std::filesystem::create_directories(root + "/bin");
    std::filesystem::copy_file(kBuiltTool, root + "/bin/tessaly");
    std::filesystem::create_directory_symlink(TESSALY_BINARY_DIR "/lib", root + "/lib");
    if (catalogue) {
      std::filesystem::create_directories(root + "/dat");
      WriteFile(root + "/dat/lang_code.txt", *catalogue);
    }
    return root + "/bin/tessaly";
  }

  TempDir m_dir;
  std::string m_settings = m_dir / "settings.ini";
};

struct ComposeCase {
  const char* name;
  Args args;
  int exitCode;
  std::string out;
  std::string errContains;
};

class UaCompose : public ToolRun, public ::testing::WithParamInterface<ComposeCase> {};

TEST_P(UaCompose, PrintsTheUserAgentOrTheRefusal) {
  const ComposeCase& c = GetParam();
  Args args{"ua", "compose"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const Outcome outcome = Run(args);
  EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
  EXPECT_EQ(outcome.out, c.out);
  EXPECT_NE(outcome.err.find(c.errContains), std::string::npos) << outcome.err;
  if (c.exitCode == 0) {
    EXPECT_EQ(outcome.err, "");
  }
}

const std::string kIeOnUnix = "You cannot use Microsoft Internet Explorer on a Unix machine\n";

// clang-format off
const std::vector<ComposeCase> kCurrentComposeCases{
    {"IssueExample", {"--platform", "Windows 7", "--browser", "Microsoft Internet Explorer", "--version", "8.0", "--language", "English (United States)"},
     0, "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1; Trident/4.0; English (United States))\n", ""},
    {"WithoutLanguage", {"--platform", "Linux", "--browser", "Mozilla Firefox", "--version", "6.0"},
     0, "Mozilla/5.0 (X11; Linux i686; rv:6.0) Gecko/20060508 Firefox/6.0\n", ""},
    {"EmptyTextsAreChoicesNotMade", {"--platform", "", "--browser", "Google Chrome", "--version", "", "--language", ""},
     0, "Mozilla/5.0 () AppleWebKit/ (KHTML, like Gecko) Chrome/\n", ""},
    {"BrowserNotSupported", {"--platform", "WinXP", "--browser", "Netscape Navigator", "--version", "4.76"}, 13, "",
     "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Google Chrome, Mozilla Firefox\n"},
    {"IeOnUnix", {"--platform", "SunOs", "--browser", "Microsoft Internet Explorer", "--version", "6.0"}, 14, "", kIeOnUnix},
    {"MissingVersion", {"--platform", "WinXP", "--browser", "Google Chrome"}, 2, "", "--version"},
};
const std::vector<ComposeCase> kEarlierComposeCases{
    {"LanguageBracket", {"--platform", "WinXP", "--browser", "Microsoft Internet Explorer", "--version", "7.0", "--language", "English (United States)"},
     0, "Mozilla/4.0 [English (United States)] (compatible; MSIE 7.0; Windows NT 5.1)\n", ""},
    {"Navigator", {"--platform", "WinNT", "--browser", "Netscape Navigator", "--version", "4.76"}, 0, "Mozilla/4.76 (WinNT; U)\n", ""},
    {"BrowserNotSupported", {"--platform", "WinXP", "--browser", "Google Chrome", "--version", "15.0.860.0"}, 13, "",
     "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Netscape Navigator\n"},
    {"IeOnUnix", {"--platform", "Kestrix", "--browser", "Microsoft Internet Explorer", "--version", "6.0"}, 14, "", kIeOnUnix},
    {"MissingPlatform", {"--browser", "Mozilla Firefox", "--version", "1.5"}, 2, "", "--platform"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edition, UaCompose,
                         ::testing::ValuesIn(kEarlier ? kEarlierComposeCases : kCurrentComposeCases),
                         tessaly::test::CaseName{});

using UaSettings = ToolRun;

TEST_F(UaSettings, NewFileShowsTheFallbackAndLoadsTheDefaults) {
  const Outcome show = Run({"ua", "show", m_settings});
  EXPECT_EQ(show.exitCode, 0);
  EXPECT_EQ(show.out, kEarlier ? "Mozilla/4.0 (compatible; MSIE 6.0; Windows)\n"
                               : "Mozilla/4.0 (compatible; MSIE 6.0; Windows; English (United States))\n");
  const Outcome selection = Run({"ua", "selection", m_settings});
  EXPECT_EQ(selection.exitCode, 0);
  EXPECT_EQ(selection.out, std::string("browser=Microsoft Internet Explorer\nversions=") +
                               (kEarlier ? "7.0|6.0|5.5|5.01|5.0|4.0" : "10.0|9.0|8.0|7.0|6.0") +
                               "\nversion=6.0\nplatform=Windows\nlanguage=\n"
                               "custom=Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)\nuse_custom=1\n");
  EXPECT_EQ(selection.err, "");
  EXPECT_FALSE(tessaly::test::Exists(m_settings));
}

TEST_F(UaSettings, SetChoosesAsTheDialogAndStoresAsOk) {
  const Outcome set =
      Run({"ua", "set", m_settings, "--browser", "Mozilla Firefox", "--version", kEarlier ? "1.5" : "5.0", "--platform",
           "WinXP", "--language", "German (Germany)", "--use-custom", "0"});
  const std::string expected =
      kEarlier ? "Mozilla/5.0 (Windows; U; Windows NT 5.1; de-de; rv:1.8) Gecko/20051111 Firefox/1.5"
               : "Mozilla/5.0 (Windows NT 5.1; rv:5.0; de-de) Gecko/20110619 Firefox/5.0";
  EXPECT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, expected + "\n");
  EXPECT_EQ(Run({"ua", "show", m_settings}).out, expected + "\n");
  EXPECT_EQ(Run({"ua", "selection", m_settings}).out,
            std::string("browser=Mozilla Firefox\nversions=") +
                (kEarlier ? "1.5.0.6|1.5.0.4|1.5|1.0.7|1.0.6|1.0\nversion=1.5" : "6.0|5.0\nversion=5.0") +
                "\nplatform=WinXP\nlanguage=German (Germany)\n"
                "custom=Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)\nuse_custom=0\n");
}

TEST_F(UaSettings, BrowserChoiceRefillsTheVersions) {
  WriteFile(m_settings, "[WEB]\nBrowserVer=7.0\nUseCustomAgent=0\nBrowserPlatform=WinXP\n");
  const Outcome set = Run({"ua", "set", m_settings, "--browser", "Microsoft Internet Explorer"});
  EXPECT_EQ(set.out, kEarlier ? "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)\n"
                              : "Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 5.1; Trident/6.0)\n");
}

TEST_F(UaSettings, CustomTextIsStoredAndShown) {
  const Outcome set = Run({"ua", "set", m_settings, "--custom", "Agent/1.0 (x; y)", "--use-custom", "1"});
  EXPECT_EQ(set.exitCode, 0);
  EXPECT_EQ(set.out, "Agent/1.0 (x; y)\n");
  EXPECT_EQ(Run({"ua", "show", m_settings}).out, "Agent/1.0 (x; y)\n");
}

TEST_F(UaSettings, RefusalExitsWithItsNumberAndKeepsTheSelectionWritten) {
  WriteFile(m_settings, "[WEB]\nBrowserUserAgent=old\n");
  const Outcome set = Run({"ua", "set", m_settings, "--platform", "Linux", "--use-custom", "0"});
  EXPECT_EQ(set.exitCode, 14);
  EXPECT_EQ(set.out, "");
  EXPECT_NE(set.err.find(kIeOnUnix), std::string::npos);
  const std::string file = ReadFile(m_settings);
  EXPECT_NE(file.find("BrowserPlatform=Linux"), std::string::npos);
  EXPECT_NE(file.find("UseBrowserAgent=1"), std::string::npos);
  EXPECT_NE(file.find("BrowserUserAgent=old"), std::string::npos);
}

struct BadChoiceCase {
  const char* name;
  Args choice;
};

class UaBadChoice : public ToolRun, public ::testing::WithParamInterface<BadChoiceCase> {};

TEST_P(UaBadChoice, IsAUsageErrorAndWritesNothing) {
  Args args{"ua", "set", m_settings};
  args.insert(args.end(), GetParam().choice.begin(), GetParam().choice.end());
  const Outcome outcome = Run(args);
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err, "");
  EXPECT_FALSE(tessaly::test::Exists(m_settings));
}

// clang-format off
const BadChoiceCase kBadChoices[] = {
    {"BrowserCaseDiffers", {"--browser", "mozilla firefox"}},
    {"BrowserOfNoList", {"--browser", "Opera"}},
    {"VersionOfAnotherBrowser", {"--browser", "Mozilla Firefox", "--version", "10.0"}},
    {"VersionBeforeItsBrowser", {"--version", "1.5.0.6"}},
    {"PlatformPrefix", {"--platform", "Win"}},
    {"LanguageByCode", {"--language", "en-us"}},
    {"UseCustomOutOfRange", {"--use-custom", "2"}},
    {"UseCustomNotANumber", {"--use-custom", "yes"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Choices, UaBadChoice, ::testing::ValuesIn(kBadChoices), tessaly::test::CaseName{});

TEST_F(UaSettings, UnreadableAndUnwritableFilesFail) {
  const std::string folder = m_dir / "folder.ini";
  ::mkdir(folder.c_str(), 0755);
  for (const char* command : {"show", "selection", "set"}) {
    const Outcome outcome = Run({"ua", command, folder});
    EXPECT_EQ(outcome.exitCode, 1) << command;
    EXPECT_NE(outcome.err, "") << command;
  }
  const Outcome set = Run({"ua", "set", m_dir / "missing/settings.ini"});
  EXPECT_EQ(set.exitCode, 1);
  EXPECT_NE(set.err.find("cannot write"), std::string::npos) << set.err;
}

using Languages = ToolRun;

TEST_F(Languages, ShippedCatalogueListsSortedCodesAndNames) {
  const Outcome outcome = Run({"languages"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.err, "");
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t end; (end = outcome.out.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = outcome.out.substr(start, end - start);
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_GT(tab, 0u) << line;
    names.push_back(line.substr(tab + 1));
  }
  EXPECT_GE(names.size(), 60u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return std::tolower(x) < std::tolower(y); });
  }));
  EXPECT_NE(outcome.out.find("\nen-us\tEnglish (United States)\n"), std::string::npos);
}

TEST_F(Languages, CodeIsWhatChoosingTheNameStores) {
  const std::string catalogue = "b;Same\nzz;Zulu\nc;Same\na;alpha\n";
  const std::string tool = Installed(&catalogue);
  const Outcome outcome = Run({"languages"}, tool);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.out, "a\talpha\nc\tSame\nc\tSame\nzz\tZulu\n");
}

TEST_F(Languages, MissingCatalogueIsAWarning) {
  const std::string tool = Installed(nullptr);
  const std::string path = std::filesystem::path(tool).parent_path().parent_path().string() + "/dat/lang_code.txt";
  const Outcome languages = Run({"languages"}, tool);
  EXPECT_EQ(languages.exitCode, 0);
  EXPECT_EQ(languages.out, "");
  EXPECT_EQ(languages.err, "tessaly: warning: Cannot open file '" + path + "'\n");
  const Outcome selection = Run({"ua", "selection", m_settings}, tool);
  EXPECT_EQ(selection.exitCode, 0);
  EXPECT_NE(selection.out.find("\nlanguage=\n"), std::string::npos);
  EXPECT_EQ(selection.err, languages.err);
}

}  // namespace
