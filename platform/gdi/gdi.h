#pragma once

// The graphics interface without a display: fonts and bitmaps are records behind handles,
// device contexts belong to windows, and what is painted is reported to an observer (a
// test, the driver, a front end) instead of reaching pixels.

#include <functional>
#include <optional>

#include "platform/win32/structs.h"
#include "platform/win32/types.h"

HFONT CreateFontIndirectA(const LOGFONTA* font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR faceName);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, SIZE* previous);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* dimension);

// Copies up to `size` bytes of the object's record (LOGFONTA for a font, BITMAP for a
// bitmap) and returns the bytes copied; 0 for an unknown handle.
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
BOOL DeleteObject(HGDIOBJ object);

HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Selects a bitmap into a memory context; returns the one it held (null at first).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
BOOL StretchBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD rop);

// Icons from the resource chain; one handle per icon id, kept for the life of the process.
HICON LoadIconFromChain(UINT id);

namespace platform::gdi {

template <typename Handle>
Handle As(HGDIOBJ object) {
  return reinterpret_cast<Handle>(object);
}
template <typename Handle>
HGDIOBJ AsObject(Handle handle) {
  return reinterpret_cast<HGDIOBJ>(handle);
}

std::optional<LOGFONTA> FontRecord(HFONT font);
std::optional<SIZE> IconSize(HICON icon);

// What reaches a window's surface.
struct DrawEvent {
  enum class Kind { Paint, BitBlt, StretchBlt };
  Kind kind;
  HWND window;
  int x;
  int y;
  int width;
  int height;
  HBITMAP bitmap;  // the bitmap selected into the source context of a blit
  int sourceX;
  int sourceY;
  int sourceWidth;
  int sourceHeight;
};
using DrawObserver = std::function<void(const DrawEvent&)>;
// Replaces the observer; returns the one it replaces.
DrawObserver SetDrawObserver(DrawObserver observer);
void ReportDraw(const DrawEvent& event);

// Live objects, for tests that look for leaks of handles.
int LiveObjectCount();

namespace faults {
// While set, font creation fails as it does when the system runs out of resources.
void SetFontCreationFails(bool fails);
}  // namespace faults

}  // namespace platform::gdi
