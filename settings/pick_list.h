#pragma once

// A list the user picks one entry from: entries in display order and an optional selection.
// The User-Agent dialog binds one to each of its drop-down lists; the model and the tests use
// the in-memory one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

class CPickList {
 public:
  virtual ~CPickList() = default;

  virtual std::size_t Count() const = 0;
  virtual std::string Entry(std::size_t index) const = 0;
  virtual std::optional<std::size_t> Selection() const = 0;

  // Empties the list; nothing is selected afterwards.
  virtual void Reset() = 0;
  // Adds an entry where the list puts it (the end, or its sorted place) and returns that
  // position. A selection keeps its entry.
  virtual std::size_t Add(std::string_view entry) = 0;
  // An index out of range, like none, leaves nothing selected.
  virtual void Select(std::optional<std::size_t> index) = 0;
  virtual bool Sorts() const = 0;

  // The selected entry, or the empty text when nothing is selected.
  std::string Text() const;
  std::vector<std::string> Entries() const;
  // The first entry of exactly this text, case told apart.
  std::optional<std::size_t> IndexOf(std::string_view text) const;

  // The first entry that begins with `text`, ASCII case ignored; without one the selection
  // stays as it was.
  void SelectByBeginning(std::string_view text);
  // The first entry equal to `text`, ASCII case ignored; without one nothing is selected.
  void SelectByWholeText(std::string_view text);
};

}  // namespace tessaly
