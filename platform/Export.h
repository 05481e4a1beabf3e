#pragma once
// Symbols of the platform library, shared by the host and the plug-in.
#if defined(ORVAN_PLATFORM_LIBRARY)
#define ORVAN_PLATFORM_EXPORT __attribute__((visibility("default")))
#else
#define ORVAN_PLATFORM_EXPORT
#endif
