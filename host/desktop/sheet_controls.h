#pragma once

// What a property sheet of the host offers the window that shows it on the desktop: the
// layer's top-level window that holds the sheet and its pages, the pages' captions, moving
// between pages (which the page being left may refuse), and the sheet's three buttons.

#include <string>
#include <vector>

#include "platform/win32/types.h"

namespace tessaly::desktop {

class SheetControls {
 public:
  virtual ~SheetControls() = default;

  // The layer's top-level window that holds the sheet; shown inside the sheet's window.
  virtual HWND FrameWindow() const = 0;
  virtual std::string Caption() const = 0;  // UTF-8
  virtual std::vector<std::string> PageCaptions() const = 0;
  virtual int ActivePage() const = 0;
  // The window of the active page: the keys of the sheet's own buttons go to it.
  virtual HWND ActivePageWindow() const = 0;
  // False when the page being left refuses, or the page cannot be shown.
  virtual bool SelectPage(int index) = 0;

  // Stores the pages; false when the active page refuses to be left.
  virtual bool Apply() = 0;
  // Stores the pages as Apply does; true when the sheet may close.
  virtual bool Ok() = 0;
  virtual void Cancel() = 0;
};

}  // namespace tessaly::desktop
