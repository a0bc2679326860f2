#include "host/sheet/host_sheet.h"

#include "framework/cfg_tab.h"
#include "platform/afx/win_thread.h"
#include "platform/window/frame_window.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace tessaly::host {

namespace {
constexpr int kFrameWidth = 600;
constexpr int kFrameHeight = 520;
}  // namespace

void HostSheet::PageDeleter::operator()(CCfgTab* page) const {
  // The window goes while the page is still whole, so that its last messages find it so.
  if (page->m_hWnd) page->DestroyWindow();
  delete page;
}

HostSheet::HostSheet(std::string_view caption, platform::window::TopLevelSink* sink)
    : m_hFrame(platform::window::CreateFrameWindow(caption, kFrameWidth, kFrameHeight, sink)) {
  // Dialogs without a parent are owned by the application's main window.
  AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_hFrame);
}

HostSheet::~HostSheet() {
  while (!m_pages.empty()) m_pages.pop_back();
  if (AfxGetMainWnd() && AfxGetMainWnd()->m_hWnd == m_hFrame) AfxGetThread()->m_pMainWnd = nullptr;
  if (m_hFrame) DestroyWindow(m_hFrame);
}

void HostSheet::AddPage(CCfgTab* page) {
  if (!page) return;
  m_pages.emplace_back(page);
  m_nCurrent = PageCount() - 1;
}

CCfgTab* HostSheet::Page(int index) const {
  return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)].get() : nullptr;
}

CCfgTab* HostSheet::Shown() const {
  for (const OwnedPage& page : m_pages)
    if (page->m_hWnd && page->IsWindowVisible()) return page.get();
  return nullptr;
}

bool HostSheet::ShowCurrent() {
  CCfgTab* page = Current();
  if (!page || !m_hFrame) return false;
  if (!page->m_hWnd && !page->CreatePage(CWnd::FromHandle(m_hFrame))) return false;
  for (const OwnedPage& other : m_pages)
    if (other.get() != page && other->m_hWnd) other->ShowWindow(SW_HIDE);
  page->ShowWindow(SW_SHOW);
  page->OnSetActive();
  return true;
}

bool HostSheet::Activate(int index) {
  if (!Page(index)) return false;
  if (CCfgTab* shown = Shown(); shown && shown != Page(index) && !shown->OnKillActive()) return false;
  const int previous = m_nCurrent;
  m_nCurrent = index;
  if (ShowCurrent()) return true;
  m_nCurrent = previous;
  return false;
}

bool HostSheet::QueryLeave() {
  CCfgTab* page = Current();
  return !page || !page->m_hWnd || page->OnKillActive();
}

bool HostSheet::DestroyCurrent() {
  if (!Current() || platform::window::ActiveModalDialog()) return false;
  m_pages.erase(m_pages.begin() + m_nCurrent);
  m_nCurrent = PageCount() - 1;
  if (CCfgTab* page = Current(); page && page->m_hWnd) ShowCurrent();
  return true;
}

bool HostSheet::Apply() {
  if (CCfgTab* shown = Shown(); shown && !shown->OnKillActive()) return false;
  for (const OwnedPage& page : m_pages)
    if (page->m_hWnd) page->SaveSettings();
  return true;
}

HWND HostSheet::ActiveWindow() const {
  if (const HWND modal = platform::window::ActiveModalDialog()) return modal;
  const CCfgTab* page = Current();
  return page ? page->m_hWnd : nullptr;
}

}  // namespace tessaly::host
