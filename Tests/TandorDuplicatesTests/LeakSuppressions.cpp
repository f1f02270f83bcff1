// The HEVC encoder behind HEIC fixtures keeps a few one-time allocations until
// the process ends; the leak checker of sanitized builds reads this list
// (nothing else does) and ignores that library alone. Kept apart from the
// photo fixture, so that other programs can compile the fixture in beside
// suppressions of their own.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libx265.so\n";
}
