#pragma once

// The library as a host uses it: loaded by name, its tab made by create_new_tab1 and placed in
// a property sheet inside the host's frame, driven through the tab's virtual operations and
// through user input on the window layer, with the virtual clock. What the library shows or
// starts on the way (message boxes, help programs, compiled help) is recorded.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "framework/cfg_tab.h"
#include "platform/afx/property_sheet.h"
#include "platform/help/html_help.h"
#include "platform/process/process.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "tests/support/temp_dir.h"

namespace tessaly::test {

// The library, loaded once for the whole test program, as a host keeps it while it has pages.
class Tessaly {
 public:
  static Tessaly& Loaded();
  bool Ready() const { return m_createTab && m_setAdditionalData; }

  CPropertyPage* CreateTab(const char* settingsFile, const char* extra, const char* protocol) const {
    return m_createTab(settingsFile, extra, protocol);
  }
  void SetAdditionalData(const char* scriptTypes) const { m_setAdditionalData(0, 0, scriptTypes); }

 private:
  Tessaly();
  void* m_handle;
  CPropertyPage* (*m_createTab)(const char*, const char*, const char*) = nullptr;
  void (*m_setAdditionalData)(int, int, const char*) = nullptr;
};

// What a user does inside a modal dialog, one step each time the dialog waits for input. When
// the steps run out, the dialog is cancelled as a user leaving it would.
class ModalSteps final : public platform::window::InputSource {
 public:
  void Then(std::function<void(HWND dialog)> step) { m_steps.push(std::move(step)); }
  bool WaitForInput() override;
  bool Done() const { return m_steps.empty(); }

 private:
  std::queue<std::function<void(HWND)>> m_steps;
};

// A control the pointer comes onto, and the hint it shows.
struct HoverCase {
  const char* name;
  int id;
  std::string hint;
};

struct ShownMessageBox {
  std::string text;
  UINT helpId;
};

class PageTest : public ::testing::Test, private platform::window::MessageBoxPresenter {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the tab on the settings file and shows it in the sheet; the start hint is shown
  // once what is due at once has been delivered.
  void Open(const char* protocol = "HTTP");
  // Creates the tab without its window, as the host has it before the sheet shows it.
  void Create(const char* protocol = "HTTP");
  // Before Open: the tab works on this file instead.
  void UseSettingsFile(std::string path) { m_settingsFile = std::move(path); }
  void WriteSettings(std::string_view content) const { WriteFile(m_settingsFile, content); }
  CCfgTab& Tab() const { return *m_pTab; }
  HWND Page() const { return m_pTab ? m_pTab->m_hWnd : nullptr; }
  HWND Frame() const { return m_frame; }
  const std::string& SettingsFile() const { return m_settingsFile; }
  const TempDir& Folder() const { return m_folder; }
  CPropertySheet& Sheet() { return m_sheet; }

  // The window the user works in: the innermost modal dialog, else the page.
  HWND Active() const;
  HWND Control(int id) const;
  int Check(int id) const;
  bool Enabled(int id) const;
  std::string Text(int id) const;
  std::vector<std::string> Entries(int comboId) const;
  std::vector<std::pair<std::string, int>> ListItems(int checkListId) const;
  // "title / description" as the hint panel of the active window shows them.
  std::string Hint() const;
  void Click(int id);
  void Hover(int id);
  void Wait(std::uint64_t ms);
  // With the pointer settled on `from` and its hint shown, moves onto `to`: the old hint stays
  // until the dwell time has passed in full, then `hint` replaces it.
  void ExpectHintAfterDwell(int from, int to, const std::string& hint);

  // The settings file's value, or "<missing>".
  std::string Stored(const char* key) const;

  ModalSteps& Steps() { return m_steps; }
  const std::vector<ShownMessageBox>& MessageBoxes() const { return m_messageBoxes; }
  const std::vector<platform::process::SpawnRecord>& Spawns() const { return m_spawns; }
  const std::vector<platform::help::HtmlHelpRecord>& CompiledHelp() const { return m_compiledHelp; }

 private:
  int Present(HWND owner, std::string_view text, std::string_view caption, UINT type, UINT helpId) override;

  TempDir m_folder;
  std::string m_settingsFile;
  HWND m_frame = nullptr;
  CPropertySheet m_sheet{"Run-time settings"};
  CCfgTab* m_pTab = nullptr;
  ModalSteps m_steps;
  std::vector<ShownMessageBox> m_messageBoxes;
  std::vector<platform::process::SpawnRecord> m_spawns;
  std::vector<platform::help::HtmlHelpRecord> m_compiledHelp;
  int m_windowsBefore = 0;
};

}  // namespace tessaly::test
