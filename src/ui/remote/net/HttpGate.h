#pragma once
// The gate every byte from the network passes first: the head of one HTTP
// request read with fixed limits, and what the server does with it. Nothing
// here touches a socket, so all of it runs under the fuzzer as well.

#include <QByteArray>
#include <QByteArrayView>

#include "ui/remote/net/RemoteAccess.h"

namespace korvanel {

// A page request is a kilobyte or two; a head larger than this is cut off.
inline constexpr qsizetype MaxHeadBytes = 8192;
inline constexpr int MaxHeaderLines = 64;

struct HttpHead {
    QByteArray method;
    QByteArray target;    // as sent: path and query
    int minorVersion = 1; // HTTP/1.x
    QByteArray host;
    QByteArray origin;
    QByteArray upgrade;
    QByteArray connection; // lower case
    QByteArray webSocketKey;
    QByteArray webSocketVersion;
    bool body = false;    // a length above nought or a transfer coding: a body follows the head
    qsizetype length = 0; // bytes of the head with its blank line
};

enum class HeadRead { Incomplete, Complete, Bad, TooLarge };

// Reads the head at the start of bytes.
HeadRead readHttpHead(QByteArrayView bytes, HttpHead &head);

struct GateRules {
    QByteArray token;
    quint16 port = 0;
    OwnAddress ownAddress; // set in the network mode
    bool roomForClient = true;
};

struct GateVerdict {
    enum class Serve { Page, WebSocket, Refusal };
    Serve serve = Serve::Refusal;
    int status = 400;
    bool wrongToken = false; // a token was given and it was not ours
    bool close = true;       // the connection ends after the answer
};

GateVerdict judgeRequest(const HttpHead &head, const GateRules &rules);

// The token in the target's query ("token"), or empty.
QByteArray tokenOf(const QByteArray &target);

// A whole answer: status line, the headers every answer carries, the body.
QByteArray httpAnswer(int status, const QByteArray &contentType, const QByteArray &body, bool close,
                      const QByteArray &extraHeaders = {});

} // namespace korvanel
