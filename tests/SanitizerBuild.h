#pragma once
// Whether this test program was built with AddressSanitizer, which takes
// memory from its own allocator and needs far more address space: tests of
// page faults and memory limits skip themselves there.

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif
