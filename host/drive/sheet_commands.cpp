// The commands that call the library's exports and the host's calls on the current page.

#include <climits>
#include <vector>

#include "framework/cfg_tab.h"
#include "host/drive/drive_command.h"
#include "host/drive/drive_output.h"
#include "host/sheet/read_only_options.h"
#include "host/sheet/summary_list.h"
#include "host/sheet/tab_host.h"
#include "platform/afx/bitmap.h"
#include "platform/gdi/gdi.h"
#include "platform/text/code_page.h"
#include "platform/window/message_loop.h"

namespace tessaly::host {

using nlohmann::ordered_json;

namespace {

constexpr char kNoPage[] = "no page: create one first";
constexpr char kNoWindow[] = "the page has no window: show it first";

// Texts other than paths reach the library in its code page; paths stay the bytes they are.
std::string Narrow(const std::string& utf8) { return platform::text::Utf8ToAnsi(utf8); }

CommandError AdditionalData(DriveContext& context, Arguments arguments) {
  context.host.Library().SetAdditionalData(Narrow(arguments[0]).c_str());
  return std::nullopt;
}

CommandError AdditionalDataNull(DriveContext& context, Arguments) {
  context.host.Library().SetAdditionalData(nullptr);
  return std::nullopt;
}

CommandError ActiveApp(DriveContext& context, Arguments arguments) {
  const auto application = ParseNumber(arguments[0], 0, INT64_MAX);
  if (!application) return NotANumber("N", arguments[0]);
  context.host.Library().SetActiveApp(static_cast<std::uintptr_t>(*application));
  return std::nullopt;
}

CommandError ProductDefault(DriveContext& context, Arguments arguments) {
  const auto code = ParseNumber(arguments[0], INT_MIN, INT_MAX);
  if (!code) return NotANumber("CODE", arguments[0]);
  context.host.Library().SetProductDefault(static_cast<int>(*code), arguments[1].c_str());
  return std::nullopt;
}

CommandError Create(DriveContext& context, Arguments arguments) {
  const std::string extra = arguments.size() > 1 ? Narrow(arguments[1]) : std::string();
  const std::string protocol = arguments.size() > 2 ? Narrow(arguments[2]) : std::string();
  if (!context.host.CreatePage(arguments[0].c_str(), extra.c_str(), protocol.c_str()))
    return "the library made no page";
  return std::nullopt;
}

CommandError Flag(std::string_view word, std::optional<bool>& flag) {
  if (word != "0" && word != "1") return "expected 0 or 1, not \"" + std::string(word) + "\"";
  flag = word == "1";
  return std::nullopt;
}

CommandError ParseReadOnly(Arguments arguments, ReadOnlyOptions& options) {
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& word = arguments[at];
    if (word == "ids") {
      options.ids.emplace();
      for (++at; at < arguments.size(); ++at) {
        const auto id = ParseNumber(arguments[at], INT_MIN, INT_MAX);
        if (!id) return NotANumber("ID", arguments[at]);
        options.ids->push_back(static_cast<int>(*id));
      }
      break;
    }
    if (word != "close-only" && word != "all") return "unknown setting \"" + word + "\"";
    if (at + 1 == arguments.size()) return word + " needs 0 or 1";
    if (CommandError error = Flag(arguments[++at], word == "all" ? options.allControls : options.closeOnly))
      return error;
  }
  return std::nullopt;
}

CommandError ReadOnly(DriveContext& context, Arguments arguments) {
  ReadOnlyOptions options;
  if (CommandError error = ParseReadOnly(arguments, options)) return error;
  CCfgTab* page = context.host.Sheet().Current();
  if (!page) return kNoPage;
  return ApplyReadOnly(*page, options);
}

CommandError Show(DriveContext& context, Arguments) {
  if (!context.host.Sheet().Current()) return kNoPage;
  if (!context.host.Sheet().ShowCurrent()) return "the page's window cannot be made";
  return std::nullopt;
}

// The page whose window the host calls on: storing a page that has no controls would write
// every option off.
CommandError ShownPage(DriveContext& context, CCfgTab*& page) {
  page = context.host.Sheet().Current();
  if (!page) return kNoPage;
  if (!page->m_hWnd) return kNoWindow;
  return std::nullopt;
}

CommandError Save(DriveContext& context, Arguments) {
  CCfgTab* page = nullptr;
  if (CommandError error = ShownPage(context, page)) return error;
  page->SaveSettings();
  return std::nullopt;
}

CommandError Defaults(DriveContext& context, Arguments) {
  CCfgTab* page = nullptr;
  if (CommandError error = ShownPage(context, page)) return error;
  page->SetDefaults();
  return std::nullopt;
}

CommandError ClearControls(DriveContext& context, Arguments) {
  CCfgTab* page = nullptr;
  if (CommandError error = ShownPage(context, page)) return error;
  page->ClearControls();
  return std::nullopt;
}

CommandError Summary(DriveContext& context, Arguments) {
  CCfgTab* page = context.host.Sheet().Current();
  if (!page) return kNoPage;
  SummaryList summary;
  if (!summary.CollectFrom(*page)) {
    context.output.Write({{"result", false}});
    return std::nullopt;
  }
  ordered_json rows = ordered_json::array();
  for (const SummaryRow& row : summary.Rows())
    rows.push_back(ordered_json::array({row.flag, WindowTextUtf8(row.title), WindowTextUtf8(row.value)}));
  context.output.Write({{"summary", std::move(rows)}});
  return std::nullopt;
}

CommandError Leave(DriveContext& context, Arguments) {
  if (!context.host.Sheet().Current()) return kNoPage;
  context.output.Write({{"leave", context.host.Sheet().QueryLeave()}});
  return std::nullopt;
}

CommandError QueryFlag(DriveContext& context, Arguments arguments) {
  // A 32-bit value, written signed or unsigned.
  const auto value = ParseNumber(arguments[0], INT32_MIN, UINT32_MAX);
  if (!value) return NotANumber("N", arguments[0]);
  CCfgTab* page = context.host.Sheet().Current();
  if (!page) return kNoPage;
  context.output.Write({{"query-flag", page->QueryFlag(static_cast<DWORD>(*value))}});
  return std::nullopt;
}

ordered_json BlitJson(const platform::gdi::DrawEvent& event) {
  const bool stretched = event.kind == platform::gdi::DrawEvent::Kind::StretchBlt;
  return {{"draw",
           {{"op", stretched ? "stretchblt" : "bitblt"},
            {"x", event.x},
            {"y", event.y},
            {"width", event.width},
            {"height", event.height}}}};
}

CommandError DrawPicture(DriveContext& context, Arguments arguments) {
  const auto id = ParseNumber(arguments[0], INT_MIN, INT_MAX);
  if (!id) return NotANumber("ID", arguments[0]);
  const auto width = ParseNumber(arguments[1], 0, INT_MAX);
  if (!width) return NotANumber("WIDTH", arguments[1]);
  const auto height = ParseNumber(arguments[2], 0, INT_MAX);
  if (!height) return NotANumber("HEIGHT", arguments[2]);
  CCfgTab* page = nullptr;
  if (CommandError error = ShownPage(context, page)) return error;
  CBitmap picture;
  if (!picture.CreateBitmap(static_cast<int>(*width), static_cast<int>(*height), 1, 32, nullptr))
    return "no bitmap of that size can be made";
  DriveOutput& output = context.output;
  platform::gdi::DrawObserver previous =
      platform::gdi::SetDrawObserver([&output](const platform::gdi::DrawEvent& event) {
        if (event.kind != platform::gdi::DrawEvent::Kind::Paint) output.Write(BlitJson(event));
      });
  page->DrawPicture(&picture, static_cast<int>(*id));
  platform::gdi::SetDrawObserver(std::move(previous));
  return std::nullopt;
}

CommandError Destroy(DriveContext& context, Arguments) {
  if (!context.host.Sheet().Current()) return kNoPage;
  if (platform::window::ActiveModalDialog()) return "a modal dialog is open";
  context.host.Sheet().DestroyCurrent();
  return std::nullopt;
}

constexpr std::size_t kAny = DriveCommand::kAny;

constexpr DriveCommand kCommands[] = {
    {"additional-data", "additional-data TEXT", 1, 1, AdditionalData},
    {"additional-data-null", "additional-data-null", 0, 0, AdditionalDataNull},
    {"active-app", "active-app N", 1, 1, ActiveApp},
    {"product-default", "product-default CODE FILE", 2, 2, ProductDefault},
    {"create", "create FILE [EXTRA [PROTOCOL]]", 1, 3, Create},
    {"readonly", "readonly [close-only 0|1] [all 0|1] [ids ID ...]", 0, kAny, ReadOnly},
    {"show", "show", 0, 0, Show},
    {"save", "save", 0, 0, Save},
    {"defaults", "defaults", 0, 0, Defaults},
    {"summary", "summary", 0, 0, Summary},
    {"clear-controls", "clear-controls", 0, 0, ClearControls},
    {"leave", "leave", 0, 0, Leave},
    {"query-flag", "query-flag N", 1, 1, QueryFlag},
    {"draw-picture", "draw-picture ID WIDTH HEIGHT", 3, 3, DrawPicture},
    {"destroy", "destroy", 0, 0, Destroy},
};

}  // namespace

std::span<const DriveCommand> SheetCommands() { return kCommands; }

}  // namespace tessaly::host
