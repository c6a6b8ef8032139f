#include "ui/remote/net/HttpRemote.h"

// The module's entry point (see RemoteNet.h).
extern "C" __attribute__((visibility("default"))) korvanel::RemoteNet *
korvanel_make_remote_net(korvanel::RemoteNet::Events &events, const QByteArray &page)
{
    return new korvanel::HttpRemote(events, page);
}
