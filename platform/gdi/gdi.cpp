#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <variant>

#include "platform/resource/resource_chain.h"

namespace {

struct BitmapObject {
  int width;
  int height;
  SIZE dimension;
};
struct DcObject {
  HWND window;  // null for a memory context
  HGDIOBJ selected;
};
using Object = std::variant<LOGFONTA, BitmapObject, DcObject>;

struct GdiState {
  std::map<UINT_PTR, Object> objects;
  std::map<UINT, UINT_PTR> icons;
  std::map<UINT_PTR, SIZE> iconSizes;
  UINT_PTR next = 0x0A000010;
  platform::gdi::DrawObserver observer;
  bool fontsFail = false;
};

GdiState& State() {
  static GdiState state;
  return state;
}

UINT_PTR Add(Object object) {
  GdiState& state = State();
  const UINT_PTR handle = state.next;
  state.next += 4;
  state.objects.emplace(handle, std::move(object));
  return handle;
}

template <typename T>
T* Find(const void* handle) {
  auto& objects = State().objects;
  auto it = objects.find(reinterpret_cast<UINT_PTR>(handle));
  return it == objects.end() ? nullptr : std::get_if<T>(&it->second);
}

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (!font || State().fontsFail) return nullptr;
  LOGFONTA record = *font;
  record.lfFaceName[LF_FACESIZE - 1] = '\0';
  return reinterpret_cast<HFONT>(Add(record));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONTA record{};
  record.lfHeight = height;
  record.lfWidth = width;
  record.lfEscapement = escapement;
  record.lfOrientation = orientation;
  record.lfWeight = weight;
  record.lfItalic = static_cast<BYTE>(italic);
  record.lfUnderline = static_cast<BYTE>(underline);
  record.lfStrikeOut = static_cast<BYTE>(strikeOut);
  record.lfCharSet = static_cast<BYTE>(charSet);
  record.lfOutPrecision = static_cast<BYTE>(outPrecision);
  record.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  record.lfQuality = static_cast<BYTE>(quality);
  record.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (faceName) std::strncpy(record.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&record);
}

HBITMAP CreateBitmap(int width, int height, UINT, UINT, const void*) {
  if (width < 0 || height < 0) return nullptr;
  return reinterpret_cast<HBITMAP>(Add(BitmapObject{width, height, {0, 0}}));
}

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, SIZE* previous) {
  BitmapObject* object = Find<BitmapObject>(bitmap);
  if (!object) return FALSE;
  if (previous) *previous = object->dimension;
  object->dimension = {width, height};
  return TRUE;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* dimension) {
  const BitmapObject* object = Find<BitmapObject>(bitmap);
  if (!object || !dimension) return FALSE;
  *dimension = object->dimension;
  return TRUE;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
  if (size <= 0 || !buffer) return 0;
  if (const LOGFONTA* font = Find<LOGFONTA>(object)) {
    const int bytes = std::min<int>(size, sizeof(LOGFONTA));
    std::memcpy(buffer, font, static_cast<std::size_t>(bytes));
    return bytes;
  }
  if (const BitmapObject* bitmap = Find<BitmapObject>(object)) {
    BITMAP record{0, bitmap->width, bitmap->height, bitmap->width * 4, 1, 32, nullptr};
    const int bytes = std::min<int>(size, sizeof(BITMAP));
    std::memcpy(buffer, &record, static_cast<std::size_t>(bytes));
    return bytes;
  }
  return 0;
}

BOOL DeleteObject(HGDIOBJ object) {
  auto& objects = State().objects;
  auto it = objects.find(reinterpret_cast<UINT_PTR>(object));
  if (it == objects.end() || std::holds_alternative<DcObject>(it->second)) return FALSE;
  objects.erase(it);
  return TRUE;
}

HDC GetDC(HWND window) { return reinterpret_cast<HDC>(Add(DcObject{window, nullptr})); }

int ReleaseDC(HWND, HDC dc) { return DeleteDC(dc); }

HDC CreateCompatibleDC(HDC) { return reinterpret_cast<HDC>(Add(DcObject{nullptr, nullptr})); }

BOOL DeleteDC(HDC dc) {
  if (!Find<DcObject>(dc)) return FALSE;
  State().objects.erase(reinterpret_cast<UINT_PTR>(dc));
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DcObject* context = Find<DcObject>(dc);
  if (!context || !Find<BitmapObject>(object)) return nullptr;
  HGDIOBJ previous = context->selected;
  context->selected = object;
  return previous;
}

namespace {
BOOL Blit(platform::gdi::DrawEvent::Kind kind, HDC dc, int x, int y, int width, int height, HDC source, int sourceX,
          int sourceY, int sourceWidth, int sourceHeight) {
  const DcObject* target = Find<DcObject>(dc);
  const DcObject* from = Find<DcObject>(source);
  if (!target || !from) return FALSE;
  platform::gdi::ReportDraw({kind, target->window, x, y, width, height, reinterpret_cast<HBITMAP>(from->selected),
                             sourceX, sourceY, sourceWidth, sourceHeight});
  return TRUE;
}
}  // namespace

BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD) {
  return Blit(platform::gdi::DrawEvent::Kind::BitBlt, dc, x, y, width, height, source, sourceX, sourceY, width, height);
}

BOOL StretchBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD) {
  return Blit(platform::gdi::DrawEvent::Kind::StretchBlt, dc, x, y, width, height, source, sourceX, sourceY,
              sourceWidth, sourceHeight);
}

HICON LoadIconFromChain(UINT id) {
  GdiState& state = State();
  if (auto it = state.icons.find(id); it != state.icons.end()) return reinterpret_cast<HICON>(it->second);
  const platform::IconResource* icon = platform::FindIcon(id);
  if (!icon) return nullptr;
  const UINT_PTR handle = state.next;
  state.next += 4;
  state.icons.emplace(id, handle);
  state.iconSizes.emplace(handle, SIZE{icon->width, icon->height});
  return reinterpret_cast<HICON>(handle);
}

namespace platform::gdi {

std::optional<LOGFONTA> FontRecord(HFONT font) {
  if (const LOGFONTA* record = Find<LOGFONTA>(font)) return *record;
  return std::nullopt;
}

std::optional<SIZE> IconSize(HICON icon) {
  auto& sizes = State().iconSizes;
  auto it = sizes.find(reinterpret_cast<UINT_PTR>(icon));
  if (it == sizes.end()) return std::nullopt;
  return it->second;
}

DrawObserver SetDrawObserver(DrawObserver observer) {
  DrawObserver previous = std::move(State().observer);
  State().observer = std::move(observer);
  return previous;
}

void ReportDraw(const DrawEvent& event) {
  if (State().observer) State().observer(event);
}

int LiveObjectCount() { return static_cast<int>(State().objects.size()); }

void faults::SetFontCreationFails(bool fails) { State().fontsFail = fails; }

}  // namespace platform::gdi
