#include "output/CompanionModule.h"

#include <unistd.h>

#include "output/FtdiBackends.h"

namespace korvanel {

std::string findCompanionModule(const std::string &fileName, const std::string &builtPath)
{
    const std::string own = executableFolder();
    const std::string places[] = {own.empty() ? std::string() : own + "/" + fileName,
                                  own.empty() ? std::string() : own + "/../lib/korvanel/" + fileName, builtPath};
    for (const std::string &place : places) {
        if (!place.empty() && access(place.c_str(), R_OK) == 0)
            return place;
    }
    return {};
}

} // namespace korvanel
