#pragma once
// Marks what the stand-in library exports to host programs (the preview, the
// tests) beside the SDK's own classes.
#if defined(_WIN32)
#if defined(PLUGINSDK_BUILD)
#define PLUGINSDK_API __declspec(dllexport)
#else
#define PLUGINSDK_API __declspec(dllimport)
#endif
#else
#define PLUGINSDK_API __attribute__((visibility("default")))
#endif
