#pragma once

// The holder of one content-type list text. Its items live only in the text and in the
// check-list control that FillControl and ReadControl move it to and from.

#include <string>

class CWnd;

class CStrCheckList {
 public:
  virtual ~CStrCheckList();

  // The default list of the script-type index (0 to 4).
  void LoadDefaults(int scriptType);

  // Shows the list's items in the control; 0 when there is no control. Defined with the
  // control binding of the pages.
  int FillControl(CWnd* control);
  // Takes the control's items back into the list; 0 (and the list unchanged) without control.
  int ReadControl(CWnd* control);

  std::string m_str;
};
