#pragma once

// A pick list over a drop-down list of a dialog, so that the User-Agent model chooses and
// reads entries in the control itself. The control is looked up by its id on every call; while
// it is missing the list is empty and changes to it are dropped.

#include "platform/afx/wnd.h"
#include "settings/pick_list.h"

class CComboPickList : public tessaly::CPickList {
 public:
  CComboPickList(const CWnd& dialog, int controlId) : m_dialog(dialog), m_nControlId(controlId) {}

  std::size_t Count() const override;
  std::string Entry(std::size_t index) const override;
  std::optional<std::size_t> Selection() const override;
  void Reset() override;
  std::size_t Add(std::string_view entry) override;
  void Select(std::optional<std::size_t> index) override;
  bool Sorts() const override;

 private:
  HWND Control() const;

  const CWnd& m_dialog;
  int m_nControlId;
};
