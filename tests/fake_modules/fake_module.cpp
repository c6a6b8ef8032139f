// A module of the program from another version or build (see CMakeLists.txt).
#include <cstdlib>

#include "output/CompanionModule.h"
#include "output/OlaClientApi.h"

#define FAKE_ENTRY extern "C" __attribute__((visibility("default")))

#ifdef FAKE_MODULE_KIND
FAKE_ENTRY const KorvanelModuleInfo *korvanel_module_info()
{
    static const KorvanelModuleInfo info{FAKE_MODULE_KIND, FAKE_MODULE_INTERFACE, "a-build-of-another-program"};
    return &info;
}
#endif

// Called through an interface it does not have, it would do anything: it ends the test instead.
FAKE_ENTRY void korvanel_make_ola_client() { std::abort(); }
FAKE_ENTRY void korvanel_make_remote_net() { std::abort(); }
FAKE_ENTRY void korvanel_make_midi_ports() { std::abort(); }
