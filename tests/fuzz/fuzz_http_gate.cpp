// The remote page's HTTP gate: any bytes from the network taken as the head of
// a request and judged by a server with a known token. The head is read within
// its limits, and nothing but the right token opens the page or a WebSocket.

#include <QHostAddress>

#include "FuzzSupport.h"
#include "ui/remote/net/HttpGate.h"

using namespace korvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QByteArray token = QByteArray("0123456789abcdef0123456789abcdef01234567");
    static const QHostAddress own(QStringLiteral("192.0.2.1"));
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    HttpHead head;
    const HeadRead read = readHttpHead(bytes, head);
    if (read == HeadRead::Incomplete)
        FUZZ_CHECK(bytes.size() < MaxHeadBytes);
    if (read != HeadRead::Complete)
        return 0;
    FUZZ_CHECK(head.length >= 4 && head.length <= MaxHeadBytes && head.length <= bytes.size());
    FUZZ_CHECK(head.target.startsWith('/') && (head.minorVersion == 0 || head.minorVersion == 1));

    for (const bool network : {false, true}) {
        const GateRules rules{token, 9080,
                              network ? OwnAddress([](const QHostAddress &address) { return address == own; })
                                      : OwnAddress(),
                              size % 2 == 0};
        const GateVerdict verdict = judgeRequest(head, rules);
        const QByteArray given = tokenOf(head.target);
        if (verdict.serve != GateVerdict::Serve::Refusal)
            FUZZ_CHECK(given == token && hostIsOurs(head.host, 9080, rules.ownAddress) && head.method == "GET");
        if (verdict.serve == GateVerdict::Serve::WebSocket)
            FUZZ_CHECK(rules.roomForClient && originMatches(head.origin, head.host) && !verdict.close);
        if (verdict.serve == GateVerdict::Serve::Refusal)
            FUZZ_CHECK(verdict.close && verdict.status >= 400 && verdict.status < 600);
        if (verdict.wrongToken)
            FUZZ_CHECK(!given.isEmpty() && given != token);
    }
    return 0;
}
