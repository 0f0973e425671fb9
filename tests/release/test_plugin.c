/* A stand-in for a built plugin DLL, linked by release_test.sh with mingw-w64
 * and no runtime: it imports one function from whichever DLL the test's import
 * library names (VCRUNTIME140.dll for an MSVC-like /MD build, a mingw runtime
 * DLL for a refused one) and exports the plugin's three symbols, its record
 * carrying the version text VTX_TEST_VERSION. */
struct PluginInfo {
    int apiVersion;
    const char* sourceFile;
    const char* className;
    const char* displayName;
    const char* versionText;
    int pluginType;
    unsigned long long (*createFunc)(void);
    void (*destroyFunc)(void);
};

void __std_terminate(void);

__declspec(dllexport) unsigned long long getPlugin(void) { return 0; }
__declspec(dllexport) void deleteMe(void) { __std_terminate(); }

#ifndef VTX_TEST_NO_RECORD
__declspec(dllexport) struct PluginInfo exports = {
    95, "Vantrix.cpp", "Vantrix", "Vantrix", VTX_TEST_VERSION, 1, &getPlugin, &deleteMe,
};
#endif

int __stdcall DllMain(void* module, unsigned reason, void* reserved) {
    (void)module;
    (void)reason;
    (void)reserved;
    return 1;
}
