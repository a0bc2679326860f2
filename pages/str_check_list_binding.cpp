// The content-type list moved into and out of the check-list control, by the control's
// dispatch calls.

#include <string>

#include "platform/afx/wnd.h"
#include "platform/ole/bstr.h"
#include "platform/text/code_page.h"
#include "platform/window/check_list.h"
#include "settings/content_type_list.h"
#include "settings/str_check_list.h"

namespace {

constexpr BYTE kNoParams[] = {0};
constexpr BYTE kAddItemParams[] = {0x0E, 0x03, 0x03, 0};
constexpr BYTE kGetCountParams[] = {0x43, 0};
constexpr BYTE kGetItemParams[] = {0x03, 0x48, 0x43, 0};

constexpr LONG kChecked = platform::window::kCheckListChecked;
constexpr LONG kUnchecked = platform::window::kCheckListUnchecked;

// The item's text in the code page; a missing text or one that cannot be converted is empty.
std::string NarrowText(BSTR text, UINT codePage) {
  const UINT length = SysStringLen(text);
  if (!text || length == 0) return {};
  std::string narrow(2 * static_cast<std::size_t>(length) + 2, '\0');
  const int written = WideCharToMultiByte(codePage, 0, text, static_cast<int>(length), narrow.data(),
                                          static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return narrow;
}

}  // namespace

int CStrCheckList::FillControl(CWnd* control) {
  if (!control) return 0;
  control->InvokeHelper(platform::window::kDispResetContent, DISPATCH_METHOD, VT_EMPTY, nullptr, kNoParams);
  if (m_str.empty()) return 1;
  const std::string text = m_str;
  for (const tessaly::ContentTypeItem& item : tessaly::ReadPairForm(text))
    control->InvokeHelper(platform::window::kDispAddItem, DISPATCH_METHOD, VT_EMPTY, nullptr, kAddItemParams,
                          item.text.c_str(), LONG{0}, item.enabled ? kChecked : kUnchecked);
  return 1;
}

int CStrCheckList::ReadControl(CWnd* control) {
  if (!control) return 0;
  const UINT codePage = GetACP();
  LONG count = 0;
  control->InvokeHelper(platform::window::kDispGetCount, DISPATCH_METHOD, VT_EMPTY, nullptr, kGetCountParams, &count);
  // Built aside: a call that fails half way leaves the list as it was, not cut short.
  std::string text;
  for (LONG index = 0; index < count; ++index) {
    BSTR itemText = nullptr;
    LONG state = kUnchecked;
    control->InvokeHelper(platform::window::kDispGetItem, DISPATCH_METHOD, VT_EMPTY, nullptr, kGetItemParams, index,
                          &itemText, &state);
    const std::string narrow = NarrowText(itemText, codePage);
    SysFreeString(itemText);
    tessaly::AppendPairFormItem(text, narrow, state == kChecked);
  }
  m_str = std::move(text);
  return 1;
}
