#include "tests/pages/page_fixture.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/afx/win_thread.h"
#include "platform/process/module_path.h"
#include "platform/profile/profile.h"
#include "platform/text/code_page.h"
#include "platform/window/check_list.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "tests/platform/window_test_support.h"

namespace tessaly::test {

namespace {
const std::string kLibrary = std::string(TESSALY_BINARY_DIR) + "/lib/libTessaly.so";
}

Tessaly& Tessaly::Loaded() {
  // Never unloaded: the library stays as long as anything it made may still be around.
  static Tessaly* library = new Tessaly;
  return *library;
}

Tessaly::Tessaly() : m_handle(::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!m_handle) ADD_FAILURE() << ::dlerror();
  m_createTab = reinterpret_cast<decltype(m_createTab)>(::dlsym(m_handle, "create_new_tab1"));
  m_setAdditionalData = reinterpret_cast<decltype(m_setAdditionalData)>(::dlsym(m_handle, "SetAdditionalData"));
}

bool ModalSteps::WaitForInput() {
  if (m_steps.empty()) return false;
  auto step = std::move(m_steps.front());
  m_steps.pop();
  step(platform::window::ActiveModalDialog());
  return true;
}

void PageTest::SetUp() {
  ASSERT_TRUE(Tessaly::Loaded().Ready());
  RegisterWindowClass(kRecorderClass, RecordingProc);
  ReceivedMessages().clear();
  m_windowsBefore = platform::window::LiveWindowCount();
  m_settingsFile = m_folder / "script.cfg";
  std::filesystem::create_directories(m_folder / "bin");
  // The host lies in bin/ of the installation: the language file and the help are found from it.
  platform::process::SetExecutablePath(m_folder / "bin/host");
  platform::window::SetMessageBoxPresenter(this);
  platform::window::SetInputSource(&m_steps);
  platform::process::SetSpawnObserver(
      [this](const platform::process::SpawnRecord& spawn) { m_spawns.push_back(spawn); });
  platform::help::SetHtmlHelpObserver(
      [this](const platform::help::HtmlHelpRecord& request) { m_compiledHelp.push_back(request); });
  m_frame = CreateWindowExA(0, kRecorderClass, "Run-time settings", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 900, 700, nullptr,
                            0, nullptr);
  AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_frame);
  Tessaly::Loaded().SetAdditionalData("");
}

void PageTest::TearDown() {
  delete m_pTab;
  m_sheet.DestroyWindow();
  AfxGetThread()->m_pMainWnd = nullptr;
  DestroyWindow(m_frame);
  Tessaly::Loaded().SetAdditionalData("");
  platform::help::SetHtmlHelpObserver({});
  platform::process::SetSpawnObserver({});
  platform::window::SetInputSource(nullptr);
  platform::window::SetMessageBoxPresenter(nullptr);
  platform::process::SetExecutablePath("");
  EXPECT_TRUE(m_steps.Done()) << "steps left that the dialog never asked for";
  EXPECT_EQ(platform::window::LiveWindowCount(), m_windowsBefore) << "windows left behind";
}

void PageTest::Create(const char* protocol) {
  CPropertyPage* page = Tessaly::Loaded().CreateTab(m_settingsFile.c_str(), "", protocol);
  ASSERT_NE(page, nullptr);
  m_pTab = static_cast<CCfgTab*>(page);
}

void PageTest::Open(const char* protocol) {
  ASSERT_NO_FATAL_FAILURE(Create(protocol));
  m_sheet.AddPage(m_pTab);
  ASSERT_TRUE(m_sheet.Create(CWnd::FromHandle(m_frame)));
  ASSERT_NE(Page(), nullptr);
  platform::window::PumpPending();
}

HWND PageTest::Active() const {
  const HWND modal = platform::window::ActiveModalDialog();
  return modal ? modal : Page();
}

HWND PageTest::Control(int id) const { return platform::window::FindDescendant(Active(), id); }

int PageTest::Check(int id) const { return static_cast<int>(SendMessageA(Control(id), BM_GETCHECK, 0, 0)); }

bool PageTest::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

std::string PageTest::Text(int id) const {
  const HWND control = Control(id);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<std::string> PageTest::Entries(int comboId) const {
  const HWND combo = Control(comboId);
  std::vector<std::string> entries;
  for (LRESULT i = 0, count = SendMessageA(combo, CB_GETCOUNT, 0, 0); i < count; ++i) {
    std::string entry(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)), '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
    entries.push_back(entry);
  }
  return entries;
}

std::vector<std::pair<std::string, int>> PageTest::ListItems(int checkListId) const {
  std::vector<std::pair<std::string, int>> items;
  for (const auto& item : platform::window::CheckListItems(Control(checkListId)))
    items.emplace_back(platform::text::WideToUtf8(item.text), item.state);
  return items;
}

std::string PageTest::Hint() const { return Text(1035) + " / " + Text(1059); }

void PageTest::Click(int id) {
  ASSERT_EQ(platform::window::input::Click(Control(id)), platform::window::input::Outcome::Done) << id;
}

void PageTest::Hover(int id) {
  const HWND target = id ? Control(id) : Active();
  ASSERT_EQ(platform::window::input::PointerOnto(target), platform::window::input::Outcome::Done) << id;
}

void PageTest::Wait(std::uint64_t ms) { platform::window::AdvanceClock(ms); }

void PageTest::ExpectHintAfterDwell(int from, int to, const std::string& hint) {
  constexpr std::uint64_t kDwellMs = 650;
  Hover(from);
  Wait(kDwellMs);
  const std::string first = Hint();
  Hover(to);
  Wait(kDwellMs - 1);
  EXPECT_EQ(Hint(), first) << to;
  Wait(1);
  EXPECT_EQ(Hint(), hint) << to;
}

std::string PageTest::Stored(const char* key) const {
  char value[1024];
  GetPrivateProfileStringA("WEB", key, "<missing>", value, sizeof value, m_settingsFile.c_str());
  return value;
}

int PageTest::Present(HWND, std::string_view text, std::string_view, UINT, UINT helpId) {
  m_messageBoxes.push_back({std::string(text), helpId});
  return IDOK;
}

}  // namespace tessaly::test
