#pragma once
// Plugin types, notifier permissions, the export markers and the plugin API
// version, as the host's SDK declares them.

enum PLUGINTYPE {
    PLUGINTYPE_FREEPLAY = 0x01,
};

// Where a notifier may run; 0 is everywhere.
enum NOTIFIER_PERMISSION {
    PERMISSION_ALL = 0,
};

// The host's SDK marks plugin exports and its own classes for MSVC's DLLs;
// elsewhere the stand-in library and plugins are ELF objects built with
// hidden visibility, so the same markers make their symbols visible.
#if defined(_WIN32)
#ifdef _BAKKESMOD // defined when building the host library, never a plugin
#define BAKKESMOD_PLUGIN_EXPORT
#define BAKKESMOD_PLUGIN_IMPORT __declspec(dllexport)
#else
#define BAKKESMOD_PLUGIN_EXPORT __declspec(dllexport)
#define BAKKESMOD_PLUGIN_IMPORT __declspec(dllimport)
#endif
#else
#define BAKKESMOD_PLUGIN_EXPORT __attribute__((visibility("default")))
#define BAKKESMOD_PLUGIN_IMPORT __attribute__((visibility("default")))
#endif

#define BAKKESMOD_PLUGIN_API_VERSION 95
