// Under LeakSanitizer: fontconfig keeps its configuration, read on first
// use, for the life of the process and frees it nowhere we can call safely
// while fonts may still be in use. That is not a leak of ours.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEX3D_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VEX3D_ASAN 1
#endif

#ifdef VEX3D_ASAN
extern "C" const char *__lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
