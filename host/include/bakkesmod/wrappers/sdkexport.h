#pragma once
// Marks what the host library exports to plugins and host programs.
#if defined(_WIN32)
#if defined(PLUGINSDK_BUILD)
#define PLUGINSDK_API __declspec(dllexport)
#else
#define PLUGINSDK_API __declspec(dllimport)
#endif
#else
#define PLUGINSDK_API __attribute__((visibility("default")))
#endif
