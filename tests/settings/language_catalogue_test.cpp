// The language catalogue: where the file is found, how its lines are read, and which
// language the stored code chooses.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/process/module_path.h"
#include "settings/language_catalogue.h"
#include "settings/memory_pick_list.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::CLanguageCatalogue;
using tessaly::CMemoryPickList;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
using Texts = std::vector<std::string>;

// An installation in a folder of its own: the program in bin/, the catalogue in dat/.
class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    ::mkdir((m_dir / "bin").c_str(), 0755);
    ::mkdir((m_dir / "dat").c_str(), 0755);
    platform::process::SetExecutablePath(m_dir / "bin/host");
  }
  void TearDown() override { platform::process::SetExecutablePath({}); }

  std::string CataloguePath() const { return m_dir / "dat/lang_code.txt"; }
  void WriteCatalogue(std::string_view content) const { WriteFile(CataloguePath(), content); }

  TempDir m_dir;
  CMemoryPickList m_list{true};
  CLanguageCatalogue m_catalogue;
};

struct LineCase {
  const char* name;
  std::string file;
  std::string storedCode;
  Texts shown;
  std::optional<std::string> chosen;
  // Name and the code that choosing it stores.
  std::vector<std::pair<std::string, std::string>> codes;
};

class CatalogueLines : public Installation, public ::testing::WithParamInterface<LineCase> {};

TEST_P(CatalogueLines, FillTheListAndMap) {
  const LineCase& c = GetParam();
  WriteCatalogue(c.file);
  m_catalogue.Read(CataloguePath(), c.storedCode, m_list);
  EXPECT_EQ(m_catalogue.OpenFailure(), "");
  EXPECT_EQ(m_list.Entries(), c.shown);
  EXPECT_EQ(m_list.Selection() ? std::optional<std::string>(m_list.Text()) : std::nullopt, c.chosen);
  for (const auto& [name, code] : c.codes) EXPECT_EQ(m_catalogue.CodeFor(name), code) << name;
}

// clang-format off
const LineCase kLineCases[] = {
    {"ShownSortedChosenByCode", "fr-fr;French (France)\nde-de;German (Germany)\nen-us;English (United States)\n", "de-de",
     {"English (United States)", "French (France)", "German (Germany)"}, "German (Germany)",
     {{"French (France)", "fr-fr"}, {"German (Germany)", "de-de"}}},
    {"CrLfLineEnds", "en-us;English\r\nde;German\r\n", "de", {"English", "German"}, "German", {{"English", "en-us"}}},
    {"LoneCrStaysInTheName", "en;Eng\rlish\n", "en", {"Eng\rlish"}, "Eng\rlish", {{"Eng\rlish", "en"}}},
    {"CrBeforeCrLfStays", "en;English\r\r\n", "en", {"English\r"}, "English\r", {}},
    {"LinesWithoutSemicolonSkipped", "\n\nno separator\n;\nen;English\n\n", "en", {"", "English"}, "English",
     {{"", ""}, {"English", "en"}}},
    {"LeadingSemicolonGivesEmptyCode", ";Unnamed\nen;English\n", "", {"English", "Unnamed"}, "Unnamed", {{"Unnamed", ""}}},
    {"SecondSemicolonStaysInName", "x;a;b\n", "x", {"a;b"}, "a;b", {{"a;b", "x"}}},
    {"NothingTrimmed", " en ; English \n", "en", {" English "}, std::nullopt, {{" English ", " en "}, {"English", ""}}},
    {"DuplicateNamesMapToLaterCode", "a;Same\nb;Same\n", "a", {"Same", "Same"}, "Same", {{"Same", "b"}}},
    {"DuplicateCodesChooseLaterLine", "x;Zulu\nx;Alpha\n", "x", {"Alpha", "Zulu"}, "Alpha", {}},
    {"DuplicateCodesChooseLaterLineSortedAfter", "x;Alpha\nx;Zulu\n", "x", {"Alpha", "Zulu"}, "Zulu", {}},
    {"LastLineWithoutLineEnd", "en;English\nde;German", "de", {"English", "German"}, "German", {{"German", "de"}}},
    {"StoredCodeCaseDiffers", "en-us;English\n", "EN-US", {"English"}, std::nullopt, {}},
    {"NoneChoosesOnlyANoneLine", "en;English\nNone;No language\n", "None", {"English", "No language"}, "No language", {}},
    {"DefaultChoosesNothingWithoutNoneLine", "en;English\n", "None", {"English"}, std::nullopt, {}},
    {"NulEndsTheLine", std::string("en;Eng\0lish\nx\0;y\n", 17), "en", {"Eng"}, "Eng", {{"Eng", "en"}}},
    // pieces of at most 259 characters, each read as a line
    {"LongLineSplitsIntoPieces", "c;" + std::string(298, 'n') + "\n", "c", {std::string(257, 'n')}, std::string(257, 'n'), {}},
    {"SecondPieceCanBeAnEntry", std::string(270, 'a') + ";tail\n", std::string(11, 'a'), {"tail"}, "tail", {{"tail", std::string(11, 'a')}}},
    {"LineOfExactlyAPiece", "c;" + std::string(257, 'n') + "\nd;next\n", "d", {"next", std::string(257, 'n')}, "next", {}},
    {"CrLfDoesNotCountTowardsThePiece", "c;" + std::string(256, 'n') + "\r\n", "c", {std::string(256, 'n')}, std::string(256, 'n'), {}},
    {"EmptyFile", "", "", {}, std::nullopt, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, CatalogueLines, ::testing::ValuesIn(kLineCases), tessaly::test::CaseName{});

TEST_F(Installation, PieceOfLongLineSkippedWithoutSemicolon) {
  // 300 characters: a piece of 259 with the separator, then one of 41 without it.
  WriteCatalogue(std::string(100, 'c') + ";" + std::string(199, 'n') + "\nen;English\n");
  m_catalogue.Read(CataloguePath(), "en", m_list);
  EXPECT_EQ(m_list.Entries(), (Texts{"English", std::string(158, 'n')}));
  EXPECT_EQ(m_catalogue.CodeFor(std::string(158, 'n')), std::string(100, 'c'));
  EXPECT_EQ(m_catalogue.Names().size(), 2u);
}

TEST_F(Installation, NamesKeepFileOrder) {
  WriteCatalogue("z;Zulu\na;Alpha\nz;Zulu\n");
  m_catalogue.Read(CataloguePath(), "", m_list);
  EXPECT_EQ(m_catalogue.Names(), (Texts{"Zulu", "Alpha", "Zulu"}));
}

TEST_F(Installation, LoadFindsTheFileBesideTheProgramFolder) {
  WriteCatalogue("en-us;English (United States)\nde-de;German (Germany)\n");
  const std::string settings = m_dir / "settings.ini";
  WriteFile(settings, "[WEB]\nBrowserLanguage=en-us\n");
  m_catalogue.Load(settings, m_list);
  EXPECT_EQ(m_list.Text(), "English (United States)");
  EXPECT_EQ(m_catalogue.CodeFor("German (Germany)"), "de-de");
  EXPECT_EQ(m_catalogue.CodeFor("german (germany)"), "");
}

TEST_F(Installation, LoadChoosesAStoredCodeLongerThanTheDialogsBuffer) {
  const std::string code(200, 'x');
  WriteCatalogue("en;English\n" + code + ";Long\n");
  const std::string settings = m_dir / "settings.ini";
  WriteFile(settings, "[WEB]\nBrowserLanguage=" + code + "\n");
  m_catalogue.Load(settings, m_list);
  EXPECT_EQ(m_list.Text(), "Long");
}

TEST_F(Installation, LoadAgainStartsAfresh) {
  WriteCatalogue("en;English\n");
  m_catalogue.Read(CataloguePath(), "en", m_list);
  m_catalogue.Read(CataloguePath(), "de", m_list);
  EXPECT_EQ(m_list.Entries(), Texts{"English"});
  EXPECT_EQ(m_list.Selection(), std::nullopt);
  EXPECT_EQ(m_catalogue.Names().size(), 1u);
}

TEST_F(Installation, MissingFileLeavesTheListEmptyAndSaysWhy) {
  m_list.Add("stale");
  m_catalogue.Load(m_dir / "absent.ini", m_list);
  EXPECT_EQ(m_list.Count(), 0u);
  EXPECT_EQ(m_list.Selection(), std::nullopt);
  EXPECT_EQ(m_catalogue.OpenFailure(), "Cannot open file '" + CataloguePath() + "'");
  EXPECT_EQ(m_catalogue.CodeFor(""), "");
}

TEST_F(Installation, FolderInPlaceOfTheFileCannotBeRead) {
  ::mkdir(CataloguePath().c_str(), 0755);
  m_catalogue.Read(CataloguePath(), "", m_list);
  EXPECT_EQ(m_catalogue.OpenFailure(), "Cannot open file '" + CataloguePath() + "'");
}

TEST_F(Installation, FailureClearsOnASuccessfulRead) {
  m_catalogue.Read(CataloguePath(), "", m_list);
  ASSERT_NE(m_catalogue.OpenFailure(), "");
  WriteCatalogue("en;English\n");
  m_catalogue.Read(CataloguePath(), "", m_list);
  EXPECT_EQ(m_catalogue.OpenFailure(), "");
}

struct PathCase {
  const char* name;
  std::string program;
  std::string catalogue;
};

class CataloguePath : public ::testing::TestWithParam<PathCase> {
 protected:
  void TearDown() override { platform::process::SetExecutablePath({}); }
};

TEST_P(CataloguePath, LiesInDatOfTheFolderAboveTheProgram) {
  platform::process::SetExecutablePath(GetParam().program);
  EXPECT_EQ(CLanguageCatalogue::CataloguePath(), GetParam().catalogue);
}

const std::string kLongFolder = "/" + std::string(300, 'd');

// clang-format off
const PathCase kPathCases[] = {
    {"Installed", "/opt/trevalon/bin/host", "/opt/trevalon/dat/lang_code.txt"},
    {"Relative", "bin/host", "./dat/lang_code.txt"},
    {"ProgramAtRoot", "/host", "//dat/lang_code.txt"},
    {"FolderTooLongForTheCall", kLongFolder + "/bin/host", kLongFolder + "/bin/../dat/lang_code.txt"},
    {"ProgramPathLongerThanItsFirstBuffer", "/opt/" + std::string(250, 'd') + "/bin/host", "/opt/" + std::string(250, 'd') + "/dat/lang_code.txt"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Programs, CataloguePath, ::testing::ValuesIn(kPathCases), tessaly::test::CaseName{});

}  // namespace
