#include "tests/host/tab_double/double_dialog.h"

#include "platform/afx/afx_functions.h"
#include "platform/afx/data_exchange.h"
#include "tests/host/tab_double/double_module.h"

namespace tessaly::test::double_tab {

CDoubleDialog::CDoubleDialog() : CBaseDialog(kDialogTemplate) {}

const MessageMap* CDoubleDialog::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {afx::Command<&CDoubleDialog::OnMore>(kMore)};
  static constexpr MessageMap kMap{&CBaseDialog::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CDoubleDialog::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CDoubleDialog::OnInitDialog() {
  CBaseDialog::OnInitDialog();
  SetHint(kStartTitle, kStartText, 0, 0);
  return TRUE;
}

void CDoubleDialog::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, kHintText, m_wndHintText);
  DDX_Control(exchange, kHintTitle, m_wndHintTitle);
  DDX_Text(exchange, kDialogName, m_strName);
}

void CDoubleDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_strName.IsEmpty()) {
    AfxMessageBox(kNameMissing);
    return;
  }
  EndDialog(IDOK);
}

void CDoubleDialog::OnMore() {
  CDoubleDialog more;
  more.DoModal();
}

}  // namespace tessaly::test::double_tab
