#pragma once

// Context help of the tab and the User-Agent dialog: the product's help library first, then
// the help viewer beside the host, or the browser for the help area that lives in web pages.

#include <string>

namespace tessaly {

// Shows the help topic of `helpId`. Nothing is reported to the caller: the debug output is the
// only trace of a request that shows nothing.
void LaunchHelp(int helpId);

// The program registered for HTML files: the registry's open command for "htmlfile" (the text
// inside its first pair of double quotes), or, when that key is absent, the desktop's
// default program for text/html. Empty when there is none, or when it is too long to use.
std::string GetBrowserPath();

}  // namespace tessaly
