#pragma once
// The program's own modules, loaded only when a feature is first used. They
// are looked for beside the program (a copied or unpacked program keeps its
// own), then in ../lib/korvanel/ from the program's folder (the package's
// bin/ and lib/korvanel/ under any prefix; the build tree has the same
// layout), and nowhere else. Each one says what it is before anything of it
// is called: a module of another version is refused, never called through an
// interface that has changed under it.

#include <string>

extern "C" {
// Plain C, so that a module of any version can be asked.
struct KorvanelModuleInfo {
    const char *kind;     // which interface it offers
    int interfaceVersion; // kept by hand in the interface's header
    const char *buildId;  // made by CMake from what the interface's layout depends on
};
}

namespace korvanel {

// Every module exports `const KorvanelModuleInfo *korvanel_module_info()`.
inline constexpr const char *ModuleInfoName = "korvanel_module_info";
using ModuleInfoFunction = const KorvanelModuleInfo *(*)();

// The first readable place for fileName from programFolder, or empty when there is none.
std::string findCompanionModule(const std::string &fileName, const std::string &programFolder);
// From the running program's folder.
std::string findCompanionModule(const std::string &fileName);

// What a loader expects of a module, and the name of the entry point it then calls.
struct ModuleWanted {
    const char *kind;
    int interfaceVersion;
    const char *buildId;
    const char *entryName;
};

enum class ModuleRefusal { None, NotLoaded, NoInfo, OtherKind, OtherInterface, OtherBuild, NoEntry };

struct LoadedModule {
    void *handle = nullptr; // stays loaded (Qt's and OLA's libraries keep state of their own)
    void *entry = nullptr;  // null when refused
    ModuleRefusal refusal = ModuleRefusal::NotLoaded;
    int interfaceVersion = 0; // the module's own, when it says
    std::string loaderError;  // the dynamic loader's words, for NotLoaded and NoEntry
};

// Loads the module at path, checks what it says of itself and finds its entry point.
LoadedModule loadCompanionModule(const std::string &path, const ModuleWanted &wanted);
// Why a module was refused, as facts for the window or the player to word.
struct ModuleRefusalFacts {
    ModuleRefusal reason = ModuleRefusal::None;
    std::string path;
    int found = 0;  // the module's interface version, for OtherInterface
    int wanted = 0; // the program's
    std::string loaderError;
};
ModuleRefusalFacts refusalFacts(const std::string &path, const LoadedModule &module, const ModuleWanted &wanted);

} // namespace korvanel
