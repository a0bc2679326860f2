#include "resources/string_table.h"

#include <array>

#include "resources/resource_ids.h"

namespace tessaly::res {

namespace {

#if defined(TESSALY_EDITION_EARLIER)
constexpr std::string_view kBrowserNotSupported =
    "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Netscape Navigator";
#else
constexpr std::string_view kBrowserNotSupported =
    "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Google Chrome, Mozilla Firefox";
#endif

// clang-format off
constexpr std::array kStrings{
    platform::StringResource{IDS_CANNOT_OPEN_FILE, "Cannot open file '%1'"},
    platform::StringResource{IDS_BROWSER_NOT_SUPPORTED, kBrowserNotSupported},
    platform::StringResource{IDS_IE_ON_UNIX, "You cannot use Microsoft Internet Explorer on a Unix machine"},
    platform::StringResource{3501, "Hint:"},
    platform::StringResource{3502, "Move the mouse over any item to see its description."},
    platform::StringResource{3503, "Simulate browser cache"},
    platform::StringResource{3504, "Instructs the Emulant to simulate a browser with a cache. By default, cache simulation is enabled. If you disable this option, all Emulants emulate a browser with no cache available."},
    platform::StringResource{3505, "Download non-HTML resources"},
    platform::StringResource{3506, "Instructs Emulants to load graphic images when accessing a Web page during replay. When real users access a Web page, they wait for the images to load. Enable this option if you are trying to test the entire system, including end-user time. To increase performance and not emulate real users, disable this option."},
    platform::StringResource{3507, "Simulate a new user each iteration"},
    platform::StringResource{3508, "Instructs Quillet to reset all HTTP contexts between iterations to their states at the end of the init section. This allows the Emulant to more accurately emulate a new user beginning a browsing session. This option is enabled by default."},
    platform::StringResource{3509, "Change"},
    platform::StringResource{3510, "Specify browser details such as browser type, version or language"},
    platform::StringResource{3513, "Instructs the browser to cache URL content (e.g. for HTML parsing, verification, or correlation). Other URLs are cached without content in order to reduce memory footprint. Click on Advanced to define URLs other than HTMLs that require content."},
    platform::StringResource{3514, "Cache URLs requiring content (HTMLs)"},
    platform::StringResource{3515, "Check for newer resources when simulating browser cache"},
    platform::StringResource{3516, "Instructs the browser to check for newer resources than those stored in the cache for the specified URL. This is done by adding the If-Modified-Since attribute to the header. By default, browsers do not automatically check for newer resources."},
    platform::StringResource{3517, "Browser cache"},
    platform::StringResource{3518, "Cache HTML pages"},
    platform::StringResource{3519, "Download non-HTML resources"},
    platform::StringResource{3520, "Simulate a new user each iteration"},
    platform::StringResource{3521, "Yes"},
    platform::StringResource{3522, "No"},
    platform::StringResource{3525, "Content types"},
    platform::StringResource{3526, "Add and enable content types that define URLs requiring content."},
    platform::StringResource{3527, "Specify URLs requiring content in addition to HTML pages"},
    platform::StringResource{3528, "Check this option to be able to specify content types of URLs  that require content in addition to HTML pages, e.g. for verification or correlation."},
    platform::StringResource{3529, "Advanced"},
    platform::StringResource{3530, "Use this option to be able to specify content types of URLs that require content in addition to HTML pages, e.g. for verification or correlation."},
    platform::StringResource{3531, "Restore List"},
    platform::StringResource{3532, "Reset the current content types list to a corresponding list of default content type filters."},
    platform::StringResource{3533, "Use Defaults"},
    platform::StringResource{3534, "Disable content types list, i.e. save content only for HTML pages."},
    platform::StringResource{3535, "Clear cache on each iteration"},
    platform::StringResource{3536, "Check this box when each iteration simulates a user freshly visiting the site.  Uncheck this box when each iteration simulates a user that has recently visited the site, so that the browser still retains pages from prior visits (using cached pages from previous iterations)"},
    platform::StringResource{3537, "Content Types"},
};
// clang-format on

}  // namespace

std::span<const platform::StringResource> LibraryStrings() { return kStrings; }

}  // namespace tessaly::res
