#include "host/drive/control_json.h"

#include "platform/window/dialog_manager.h"
#include "platform/window/snapshot.h"

namespace tessaly::host {

using nlohmann::ordered_json;

namespace {

ordered_json ItemsJson(const platform::window::WindowSnapshot& shot) {
  ordered_json items = ordered_json::array();
  if (shot.listItems)
    for (const auto& [text, state] : *shot.listItems) items.push_back(ordered_json::array({text, state}));
  else
    for (const std::string& text : *shot.items) items.push_back(text);
  return items;
}

}  // namespace

ordered_json ControlJson(HWND control, HWND window) {
  const platform::window::WindowSnapshot shot = platform::window::Snapshot(control, window);
  ordered_json object{{"id", shot.id},           {"class", shot.className}, {"text", shot.text},
                      {"enabled", shot.enabled}, {"visible", shot.visible}, {"style", shot.style}};
  if (shot.check) object["check"] = *shot.check;
  if (shot.readOnly) object["readonly"] = *shot.readOnly;
  if (shot.items || shot.listItems) object["items"] = ItemsJson(shot);
  if (shot.selection) object["selection"] = *shot.selection;
  if (shot.font)
    object["font"] = {{"face", shot.font->face},
                      {"height", shot.font->height},
                      {"weight", shot.font->weight},
                      {"charset", shot.font->charSet}};
  object["rect"] = {
      {"left", shot.rect.left}, {"top", shot.rect.top}, {"right", shot.rect.right}, {"bottom", shot.rect.bottom}};
  return object;
}

ordered_json WindowJson(HWND window) {
  ordered_json controls = ordered_json::array();
  for (const HWND control : platform::window::Descendants(window)) controls.push_back(ControlJson(control, window));
  return {{"window", platform::window::DialogTemplateId(window)}, {"controls", std::move(controls)}};
}

}  // namespace tessaly::host
