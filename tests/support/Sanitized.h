// TERVAN_SANITIZED in a build under AddressSanitizer, which runs some ten
// times slower: its long runs are shorter.
#pragma once

// GCC says so by a macro, Clang by a feature.

#if defined(__SANITIZE_ADDRESS__)
#define TERVAN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TERVAN_SANITIZED 1
#endif
#endif
