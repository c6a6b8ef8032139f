#include "output/CompanionModule.h"
#include "ui/remote/net/HttpRemote.h"

// The module's entry point (see RemoteNet.h).
extern "C" __attribute__((visibility("default"))) korvanel::RemoteNet *
korvanel_make_remote_net(korvanel::RemoteNet::Events &events, const QByteArray &page)
{
    return new korvanel::HttpRemote(events, page);
}

// What the module is, asked before anything else of it (output/CompanionModule.h).
extern "C" __attribute__((visibility("default"))) const KorvanelModuleInfo *korvanel_module_info()
{
    static const KorvanelModuleInfo info{korvanel::RemoteNetModuleKind, korvanel::RemoteNetInterfaceVersion,
                                         KORVANEL_REMOTE_MODULE_BUILD_ID};
    return &info;
}
