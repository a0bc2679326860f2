#pragma once

// The double's framework dialog: a name that OK refuses while it is empty (with a message
// box), a check list, a button that runs another such dialog on top, and the hint panel.

#include "framework/base_dlg.h"

namespace tessaly::test::double_tab {

class CDoubleDialog : public CBaseDialog {
 public:
  CDoubleDialog();

  BOOL OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(CDataExchange* exchange) override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  void OnMore();

  CString m_strName;  // the name given, after OK
};

}  // namespace tessaly::test::double_tab
