#pragma once

// The fixed entries of the User-Agent dialog's lists, as its template holds them, and the
// versions offered for each browser type.

#include <array>
#include <span>
#include <string_view>

#include "settings/edition.h"

namespace tessaly {

namespace browser_lists {

inline constexpr std::array<std::string_view, 3> kCurrentBrowserTypes{"Microsoft Internet Explorer", "Google Chrome",
                                                                      "Mozilla Firefox"};
inline constexpr std::array<std::string_view, 3> kEarlierBrowserTypes{"Microsoft Internet Explorer",
                                                                      "Netscape Navigator", "Mozilla Firefox"};

inline constexpr std::array<std::string_view, 11> kCurrentPlatforms{
    "Windows", "Win32",        "WinNT",        "WinXP",         "Linux",    "SunOs",
    "Kestrix", "Windows 2003", "Windows 2008", "Windows Vista", "Windows 7"};
inline constexpr std::array<std::string_view, 7> kEarlierPlatforms{"Windows", "Win32", "WinNT",  "WinXP",
                                                                   "Linux",   "SunOs", "Kestrix"};

using Entries = std::span<const std::string_view>;

inline constexpr std::array<std::string_view, 5> kExplorerVersions{"10.0", "9.0", "8.0", "7.0", "6.0"};
inline constexpr std::array<std::string_view, 2> kChromeVersions{"15.0.860.0", "14.0.794.0"};
inline constexpr std::array<std::string_view, 2> kFirefoxVersions{"6.0", "5.0"};
inline constexpr std::array<std::string_view, 6> kEarlierExplorerVersions{"7.0", "6.0", "5.5", "5.01", "5.0", "4.0"};
inline constexpr std::array<std::string_view, 6> kEarlierFirefoxVersions{"1.5.0.6", "1.5.0.4", "1.5",
                                                                         "1.0.7",   "1.0.6",   "1.0"};
inline constexpr std::array<std::string_view, 6> kNavigatorVersions{"6.2", "6.0", "4.76", "4.6", "4.5", "4.0"};

// Indexed by the position of the browser type in its list as shown, which in the earlier
// edition is the sorted order: Internet Explorer, Firefox, Navigator.
inline constexpr std::array<Entries, 3> kCurrentVersions{kExplorerVersions, kChromeVersions, kFirefoxVersions};
inline constexpr std::array<Entries, 3> kEarlierVersions{kEarlierExplorerVersions, kEarlierFirefoxVersions,
                                                         kNavigatorVersions};

}  // namespace browser_lists

inline constexpr bool kEarlierLists = kEdition == Edition::Earlier;

// The browser types in the order the template gives them; the earlier edition's list sorts them.
inline constexpr std::span<const std::string_view> kBrowserTypeEntries =
    kEarlierLists ? browser_lists::Entries(browser_lists::kEarlierBrowserTypes)
                  : browser_lists::Entries(browser_lists::kCurrentBrowserTypes);
inline constexpr bool kBrowserTypeListSorts = kEarlierLists;

// The platforms; the list shows them sorted in both editions.
inline constexpr std::span<const std::string_view> kPlatformEntries =
    kEarlierLists ? browser_lists::Entries(browser_lists::kEarlierPlatforms)
                  : browser_lists::Entries(browser_lists::kCurrentPlatforms);
inline constexpr bool kPlatformListSorts = true;

// The version list holds one empty entry until it is first filled.
inline constexpr std::array<std::string_view, 1> kInitialVersionEntries{""};
inline constexpr bool kVersionListSorts = false;
inline constexpr bool kLanguageListSorts = true;

// The versions offered for each position of the browser type list.
inline constexpr std::array<std::span<const std::string_view>, 3> kVersionsByPosition =
    kEarlierLists ? browser_lists::kEarlierVersions : browser_lists::kCurrentVersions;

}  // namespace tessaly
