#include "host/desktop/help_topic_sink.h"

#include "help/help_launcher.h"
#include "platform/win32/messages.h"

namespace tessaly::desktop {

HelpTopicSink::HelpTopicSink(ShowTopic show) : m_show(std::move(show)) {
  if (!m_show) m_show = [](int helpId) { tessaly::LaunchHelp(helpId); };
}

std::optional<LRESULT> HelpTopicSink::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMANDHELP) return std::nullopt;
  m_show(static_cast<int>(static_cast<DWORD>(wParam)));
  return TRUE;
}

}  // namespace tessaly::desktop
