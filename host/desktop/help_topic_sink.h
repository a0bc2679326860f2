#pragma once

// The desktop's answer to what the framework dialogs send the application's top-level window
// on the help key (0x0365, wParam the help id): the help topic of that id is shown, through
// the same help route as the tab's own help key (the help viewer beside the host).

#include <functional>

#include "platform/window/frame_window.h"

namespace tessaly::desktop {

class HelpTopicSink final : public platform::window::TopLevelSink {
 public:
  using ShowTopic = std::function<void(int helpId)>;
  // By default the help launcher shows the topic.
  explicit HelpTopicSink(ShowTopic show = {});

  std::optional<LRESULT> OnMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Show(int helpId) const { m_show(helpId); }

 private:
  ShowTopic m_show;
};

}  // namespace tessaly::desktop
