#include "settings/content_type_list.h"

#include <array>

#include "platform/crt/text.h"

namespace tessaly {

namespace {

// One row per default type: the type with its separator, and whether each script type
// enables it by default.
struct DefaultRow {
  std::string_view typeText;
  std::array<int, kScriptTypeCount> flags;
};
constexpr std::array<DefaultRow, 2> kDefaultTypes{{
    {"text/xml;", {0, 0, 0, 0, 0}},
    {"text/plain;", {0, 0, 0, 0, 0}},
}};

std::vector<std::string_view> NonEmptyTokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(';', start), text.size());
    if (end > start) tokens.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return tokens;
}

}  // namespace

std::vector<ContentTypeItem> ReadPairForm(std::string_view text) {
  std::vector<ContentTypeItem> items;
  if (text.empty()) return items;
  const std::vector<std::string_view> tokens = NonEmptyTokens(text);
  if (tokens.empty()) return {{std::string(text), false}};
  for (std::size_t i = 0; i < tokens.size(); i += 2) {
    if (i + 1 == tokens.size()) {
      items.push_back({std::string(tokens[i]), true});
      break;
    }
    const std::string_view flag = tokens[i + 1];
    if (flag == "1" || flag == "0") {
      items.push_back({std::string(tokens[i]), flag == "1"});
    } else {
      items.push_back({std::string(tokens[i]), true});
      items.push_back({std::string(flag), true});
    }
  }
  return items;
}

void AppendPairFormItem(std::string& text, std::string_view itemText, bool enabled) {
  if (!text.empty()) text += ';';
  text.append(itemText).append(enabled ? ";1" : ";0");
}

std::string WritePairForm(std::span<const ContentTypeItem> items) {
  std::string text;
  for (const ContentTypeItem& item : items) AppendPairFormItem(text, item.text, item.enabled);
  return text;
}

std::string EnabledTypesOf(std::string_view text) {
  if (text.find(';') == std::string_view::npos) return {};
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(';', start);
    fields.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  std::string enabled;
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    const std::string_view flag = i + 1 < fields.size() ? fields[i + 1] : std::string_view();
    if (platform::crt::LeadingInteger(flag) == 0) continue;
    if (!enabled.empty()) enabled += ';';
    enabled.append(fields[i]);
  }
  return enabled;
}

int ScriptTypeIndexOf(std::string_view protocol) {
  if (protocol == "WAP") return 1;
  if (protocol == "iMode") return 2;
  if (protocol == "VoiceXML") return 3;
  if (protocol == "SOAP") return 4;
  return 0;
}

std::string DefaultContentTypes(int scriptType) {
  std::string text;
  for (const DefaultRow& row : kDefaultTypes) {
    const bool enabled = scriptType >= 0 && scriptType < kScriptTypeCount && row.flags[scriptType] == 1;
    text.append(row.typeText).append(enabled ? "1;" : "0;");
  }
  return text;
}

}  // namespace tessaly
