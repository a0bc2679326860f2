#pragma once

// The host's property sheet: the application's top-level frame window, holding the pages the
// library made. One page is current (the one created last, unless the user chose another);
// its window is made when it is first shown. Storing follows the sheet's buttons: OK and
// Apply store every page that has a window, once the page on show agrees to be left; Cancel
// stores nothing.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/win32/types.h"

class CCfgTab;

namespace platform::window {
class TopLevelSink;
}

namespace tessaly::host {

class HostSheet {
 public:
  // `sink` hears what windows send up to the application (the help message of a framework
  // dialog) and must outlive the sheet; null lets the frame's default processing answer.
  HostSheet(std::string_view caption, platform::window::TopLevelSink* sink);
  // Destroys every page, then the frame.
  ~HostSheet();
  HostSheet(const HostSheet&) = delete;
  HostSheet& operator=(const HostSheet&) = delete;

  HWND Frame() const { return m_hFrame; }

  // Takes the page over; it becomes the current page.
  void AddPage(CCfgTab* page);
  int PageCount() const { return static_cast<int>(m_pages.size()); }
  CCfgTab* Page(int index) const;
  CCfgTab* Current() const { return Page(m_nCurrent); }
  int CurrentIndex() const { return m_nCurrent; }

  // Makes the current page's window the first time and shows it in place of the others;
  // false when there is no page or its window cannot be made.
  bool ShowCurrent();
  // The user choosing another page: the page on show is asked to be left first; false, with
  // nothing changed, when it refuses or the new page's window cannot be made.
  bool Activate(int index);
  // Asks the current page whether it may be left, as leaving it would. A page whose window
  // was never made has nothing to check.
  bool QueryLeave();
  // Destroys the current page, its window first; the latest remaining page becomes current.
  // False when there is no page, or while a modal dialog runs (it may belong to the page).
  bool DestroyCurrent();

  // Apply, and OK before the front end closes the sheet: every page that has a window stores
  // its settings. False, with nothing stored, when the page on show refuses to be left. Cancel
  // is closing without it.
  bool Apply();

  // Where the user's input goes: the innermost modal dialog, else the current page's window
  // (null when it has none).
  HWND ActiveWindow() const;

 private:
  struct PageDeleter {
    void operator()(CCfgTab* page) const;
  };
  using OwnedPage = std::unique_ptr<CCfgTab, PageDeleter>;

  CCfgTab* Shown() const;

  HWND m_hFrame = nullptr;
  std::vector<OwnedPage> m_pages;
  int m_nCurrent = -1;
};

}  // namespace tessaly::host
