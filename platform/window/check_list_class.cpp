#include "platform/window/check_list.h"

#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

detail::WindowRecord* CheckList(HWND control) {
  detail::WindowRecord* record = detail::Find(control);
  return record && record->classProc == CheckListProc ? record : nullptr;
}

bool IsType(const DispatchCall& call, std::size_t index, VARTYPE type, bool out) {
  if (index >= call.args.size()) return false;
  const DispatchArg& arg = call.args[index];
  return arg.type == type && (!out || (type == VT_I4 ? arg.i4Out != nullptr : arg.textOut != nullptr));
}

HRESULT Expect(const DispatchCall& call, std::size_t count) {
  return call.args.size() == count ? S_OK : DISP_E_BADPARAMCOUNT;
}

HRESULT Method(detail::WindowRecord& record, HWND control, DispatchCall& call) {
  auto& items = record.listItems;
  switch (call.id) {
    case kDispResetContent:
      if (HRESULT bad = Expect(call, 0)) return bad;
      items.clear();
      detail::NotifyChanged(control, Change::Items);
      return S_OK;
    case kDispAddItem:
      if (HRESULT bad = Expect(call, 3)) return bad;
      if (!IsType(call, 0, VT_BSTR, false) || !IsType(call, 1, VT_I4, false) || !IsType(call, 2, VT_I4, false))
        return DISP_E_TYPEMISMATCH;
      items.push_back({call.args[0].text, static_cast<int>(call.args[2].i4)});
      detail::NotifyChanged(control, Change::Items);
      return S_OK;
    case kDispGetCount:
      if (HRESULT bad = Expect(call, 1)) return bad;
      if (!IsType(call, 0, VT_I4, true)) return DISP_E_TYPEMISMATCH;
      *call.args[0].i4Out = static_cast<LONG>(items.size());
      return S_OK;
    case kDispGetItem: {
      if (HRESULT bad = Expect(call, 3)) return bad;
      if (!IsType(call, 0, VT_I4, false) || !IsType(call, 1, VT_BSTR, true) || !IsType(call, 2, VT_I4, true))
        return DISP_E_TYPEMISMATCH;
      const LONG index = call.args[0].i4;
      if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return DISP_E_BADINDEX;
      const auto& item = items[static_cast<std::size_t>(index)];
      BSTR text = SysAllocStringLen(item.text.data(), static_cast<UINT>(item.text.size()));
      if (!text) return E_OUTOFMEMORY;
      *call.args[1].textOut = text;
      *call.args[2].i4Out = item.state;
      return S_OK;
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT PutProperty(detail::WindowRecord& record, HWND control, DispatchCall& call) {
  if (HRESULT bad = Expect(call, 1)) return bad;
  switch (call.id) {
    case kDispCaption:
      if (!IsType(call, 0, VT_BSTR, false)) return DISP_E_TYPEMISMATCH;
      record.listCaption = call.args[0].text;
      detail::NotifyChanged(control, Change::Text);
      return S_OK;
    case kDispOption:
      if (!IsType(call, 0, VT_I4, false)) return DISP_E_TYPEMISMATCH;
      record.listOption = static_cast<int>(call.args[0].i4);
      return S_OK;
    case DISPID_ENABLED:
      if (!IsType(call, 0, VT_I4, false)) return DISP_E_TYPEMISMATCH;
      EnableWindow(control, call.args[0].i4 != 0);
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace

LRESULT CheckListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  detail::WindowRecord* record = CheckList(window);
  if (!record) return 0;
  switch (message) {
    case WM_CREATE: {
      RECT client{};
      GetClientRect(window, &client);
      CreateWindowExA(0, std::string(kListBoxClass).c_str(), "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                      client.bottom, window, kCheckListInnerId, nullptr);
      return 0;
    }
    case kDispatchMessage: {
      auto& call = *reinterpret_cast<DispatchCall*>(lParam);
      if (call.flags & DISPATCH_METHOD)
        call.result = Method(*record, window, call);
      else if (call.flags & DISPATCH_PROPERTYPUT)
        call.result = PutProperty(*record, window, call);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HRESULT Invoke(HWND control, DispatchCall& call) {
  call.result = DISP_E_MEMBERNOTFOUND;
  SendMessageA(control, kDispatchMessage, 0, reinterpret_cast<LPARAM>(&call));
  return call.result;
}

std::vector<CheckListItem> CheckListItems(HWND control) {
  std::vector<CheckListItem> items;
  if (const auto* record = CheckList(control))
    for (const auto& item : record->listItems) items.push_back({item.text, item.state});
  return items;
}

std::u16string CheckListCaption(HWND control) {
  const auto* record = CheckList(control);
  return record ? record->listCaption : std::u16string();
}

int CheckListOption(HWND control) {
  const auto* record = CheckList(control);
  return record ? record->listOption : 0;
}

bool CheckListAppend(HWND control, std::u16string text, int state) {
  auto* record = CheckList(control);
  if (!record) return false;
  record->listItems.push_back({std::move(text), state});
  detail::NotifyChanged(control, Change::Items);
  return true;
}

bool CheckListSetState(HWND control, int index, int state) {
  auto* record = CheckList(control);
  if (!record || index < 0 || static_cast<std::size_t>(index) >= record->listItems.size()) return false;
  record->listItems[static_cast<std::size_t>(index)].state = state;
  detail::NotifyChanged(control, Change::Items);
  return true;
}

bool CheckListRemove(HWND control, int index) {
  auto* record = CheckList(control);
  if (!record || index < 0 || static_cast<std::size_t>(index) >= record->listItems.size()) return false;
  record->listItems.erase(record->listItems.begin() + index);
  detail::NotifyChanged(control, Change::Items);
  return true;
}

}  // namespace platform::window
