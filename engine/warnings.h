#pragma once
// GCC 12 at -O3 warns falsely of overlapping copies (-Wrestrict) in std::string's assign and
// insert once they are inlined: a one-character literal assigned, or a literal put before a
// temporary string (GCC bugs 105329 and 105651). These bracket exactly such statements, so the
// warning stays on everywhere else.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#define TC_FALSE_RESTRICT_BEGIN                                                                    \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define TC_FALSE_RESTRICT_END _Pragma("GCC diagnostic pop")
#else
#define TC_FALSE_RESTRICT_BEGIN
#define TC_FALSE_RESTRICT_END
#endif
