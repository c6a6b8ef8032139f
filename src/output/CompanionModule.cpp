#include "output/CompanionModule.h"

#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

#include "output/FtdiBackends.h"

namespace korvanel {

std::string findCompanionModule(const std::string &fileName, const std::string &programFolder)
{
    // Relative to nothing but the program: a folder taken from the environment
    // or the current directory would let anyone who writes there run code in it.
    if (programFolder.empty() || programFolder.front() != '/' || fileName.find('/') != std::string::npos)
        return {};
    for (const std::string &place : {programFolder + "/" + fileName, programFolder + "/../lib/korvanel/" + fileName}) {
        if (access(place.c_str(), R_OK) == 0)
            return place;
    }
    return {};
}

std::string findCompanionModule(const std::string &fileName)
{
    return findCompanionModule(fileName, executableFolder());
}

LoadedModule loadCompanionModule(const std::string &path, const ModuleWanted &wanted)
{
    LoadedModule result;
    const auto loaderError = [] {
        const char *why = dlerror();
        return std::string(why ? why : "");
    };
    dlerror();
    // Never unloaded: what a module loads with it keeps state of its own.
    result.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (result.handle == nullptr) {
        result.loaderError = loaderError();
        return result;
    }
    const auto describe = reinterpret_cast<ModuleInfoFunction>(dlsym(result.handle, ModuleInfoName));
    const KorvanelModuleInfo *info = describe ? describe() : nullptr;
    if (info == nullptr) {
        result.refusal = ModuleRefusal::NoInfo;
        return result;
    }
    result.interfaceVersion = info->interfaceVersion;
    ModuleRefusal refusal = ModuleRefusal::None;
    if (info->kind == nullptr || std::strcmp(info->kind, wanted.kind) != 0)
        refusal = ModuleRefusal::OtherKind;
    else if (info->interfaceVersion != wanted.interfaceVersion)
        refusal = ModuleRefusal::OtherInterface;
    else if (info->buildId == nullptr || std::strcmp(info->buildId, wanted.buildId) != 0)
        refusal = ModuleRefusal::OtherBuild;
    if (refusal != ModuleRefusal::None) {
        result.refusal = refusal;
        return result;
    }
    dlerror();
    result.entry = dlsym(result.handle, wanted.entryName);
    if (result.entry == nullptr) {
        result.refusal = ModuleRefusal::NoEntry;
        result.loaderError = loaderError();
        return result;
    }
    result.refusal = ModuleRefusal::None;
    return result;
}

ModuleRefusalFacts refusalFacts(const std::string &path, const LoadedModule &module, const ModuleWanted &wanted)
{
    return {module.refusal, path, module.interfaceVersion, wanted.interfaceVersion, module.loaderError};
}

} // namespace korvanel
