#pragma once

// The list of content types whose URLs require content: its items, its two stored forms
// and the default list of each script type.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

struct ContentTypeItem {
  std::string text;
  bool enabled = false;
  bool operator==(const ContentTypeItem&) const = default;
};

// The items of a pair-form text ("text/xml;0;text/plain;1"). Empty tokens are skipped; a
// text of only ";" is one disabled item of that text; a token that is not followed by
// exactly "1" or "0" is an enabled item of its own.
std::vector<ContentTypeItem> ReadPairForm(std::string_view text);

// Appends one item to a pair-form text: ";" between items, never a trailing one.
void AppendPairFormItem(std::string& text, std::string_view itemText, bool enabled);
std::string WritePairForm(std::span<const ContentTypeItem> items);

// The enabled types of a pair-form text joined by ";": each type whose flag has a non-zero
// leading integer. Empty when the text holds no ";".
std::string EnabledTypesOf(std::string_view text);

// The script-type index (0 to 4) of a protocol name, compared exactly.
int ScriptTypeIndexOf(std::string_view protocol);
inline constexpr int kScriptTypeCount = 5;

// The default list of a script-type index, in pair form with one trailing ";".
std::string DefaultContentTypes(int scriptType);

}  // namespace tessaly
