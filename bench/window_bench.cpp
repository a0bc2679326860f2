// The window layer's costs that a front end or the driver pays often: a dialog made from a
// template and destroyed, a hover with its hint request, and a timer through the clock.

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "platform/resource/resource_chain.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace {

constexpr std::array<std::string_view, 3> kEntries = {"a", "b", "c"};
constexpr platform::DialogControl kControls[] = {
    {1064, "Button", WS_VISIBLE | BS_AUTOCHECKBOX, "&Specify", 37, 14, 199, 10},
    {IDOK, "Button", WS_VISIBLE | BS_DEFPUSHBUTTON, "OK", 241, 9, 50, 14},
    {IDCANCEL, "Button", WS_VISIBLE, "Cancel", 241, 26, 50, 14},
    {1068, "TessalyCheckList", WS_VISIBLE, "", 49, 28, 181, 88},
    {1035, "Button", WS_VISIBLE | BS_GROUPBOX, "Help Title", 7, 120, 284, 45},
    {1059, "Static", WS_VISIBLE, "This is item description", 11, 129, 273, 34},
    {1052, "ComboBox", WS_VISIBLE | CBS_SORT, "", 78, 26, 132, 71, 0, kEntries},
};
constexpr platform::DialogTemplate kDialog{1,        WS_POPUP | WS_VISIBLE, "Bench", "MS Sans Serif", 8, 0, 298, 172,
                                           kControls};

void DialogFromTemplate(benchmark::State& state) {
  for (auto _ : state) {
    const HWND dialog = platform::window::CreateDialogFromTemplate(kDialog, nullptr, nullptr, 0);
    platform::window::FillInitialEntries(dialog, kDialog);
    benchmark::DoNotOptimize(dialog);
    DestroyWindow(dialog);
  }
}
BENCHMARK(DialogFromTemplate);

void HoverAndTimer(benchmark::State& state) {
  const HWND dialog = platform::window::CreateDialogFromTemplate(kDialog, nullptr, nullptr, 0);
  const HWND box = GetDlgItem(dialog, 1064);
  for (auto _ : state) {
    platform::window::input::PointerOnto(box);
    SetTimer(dialog, 1, 650, nullptr);
    platform::window::AdvanceClock(650);
    KillTimer(dialog, 1);
  }
  DestroyWindow(dialog);
}
BENCHMARK(HoverAndTimer);

}  // namespace
