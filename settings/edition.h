#pragma once

// The edition of the library, fixed when it is built.

namespace tessaly {

enum class Edition { Current, Earlier };

#if defined(TESSALY_EDITION_EARLIER)
inline constexpr Edition kEdition = Edition::Earlier;
#else
inline constexpr Edition kEdition = Edition::Current;
#endif

}  // namespace tessaly
