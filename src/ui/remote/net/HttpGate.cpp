#include "ui/remote/net/HttpGate.h"

#include <algorithm>

namespace korvanel {

namespace {

constexpr qsizetype MaxTarget = 2048;
constexpr qsizetype MaxTokenLength = 128;

bool tokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool visible(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 0x20 && c != 0x7F; });
}

// Header values: visible characters, blanks and tabs, and bytes above ASCII.
bool fieldValue(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == '\t' || (u >= 0x20 && u != 0x7F);
    });
}

bool readRequestLine(QByteArrayView line, HttpHead &head)
{
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first <= 0 || last <= first + 1)
        return false;
    const QByteArrayView method = line.first(first);
    const QByteArrayView target = line.sliced(first + 1, last - first - 1);
    const QByteArrayView version = line.sliced(last + 1);
    if (!std::all_of(method.begin(), method.end(), tokenChar) || target.size() > MaxTarget || !visible(target) ||
        !target.startsWith('/'))
        return false;
    if (version == "HTTP/1.1")
        head.minorVersion = 1;
    else if (version == "HTTP/1.0")
        head.minorVersion = 0;
    else
        return false;
    head.method = method.toByteArray();
    head.target = target.toByteArray();
    return true;
}

bool readHeader(QByteArrayView line, HttpHead &head, bool &sawHost)
{
    const qsizetype colon = line.indexOf(':');
    // A line that continues the one before it (obsolete folding) is refused, as the standard allows.
    if (colon <= 0 || !std::all_of(line.begin(), line.begin() + colon, tokenChar))
        return false;
    const QByteArray name = line.first(colon).toByteArray().toLower();
    const QByteArrayView value = line.sliced(colon + 1).trimmed();
    if (!fieldValue(value))
        return false;
    if (name == "host") {
        if (sawHost)
            return false;
        sawHost = true;
        head.host = value.toByteArray();
    } else if (name == "origin") {
        head.origin = value.toByteArray();
    } else if (name == "upgrade") {
        head.upgrade = value.toByteArray();
    } else if (name == "connection") {
        if (!head.connection.isEmpty())
            head.connection += ',';
        head.connection += value.toByteArray().toLower();
    } else if (name == "sec-websocket-key") {
        head.webSocketKey = value.toByteArray();
    } else if (name == "sec-websocket-version") {
        head.webSocketVersion = value.toByteArray();
    } else if (name == "content-length") {
        if (value.isEmpty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        head.body = head.body || value.count('0') != value.size();
    } else if (name == "transfer-encoding") {
        head.body = true;
    }
    return true;
}

bool hasConnectionOption(const QByteArray &connection, QByteArrayView option)
{
    for (const QByteArray &part : connection.split(',')) {
        if (part.trimmed() == option)
            return true;
    }
    return false;
}

GateVerdict refusal(int status, bool wrongToken = false)
{
    return {GateVerdict::Serve::Refusal, status, wrongToken, true};
}

} // namespace

HeadRead readHttpHead(QByteArrayView bytes, HttpHead &head)
{
    head = {};
    const QByteArrayView window = bytes.first(std::min(bytes.size(), MaxHeadBytes));
    const qsizetype end = window.indexOf("\r\n\r\n");
    if (end < 0)
        return bytes.size() >= MaxHeadBytes ? HeadRead::TooLarge : HeadRead::Incomplete;
    head.length = end + 4;
    qsizetype at = 0;
    bool sawHost = false;
    for (int n = 0; at < end; ++n) {
        if (n > MaxHeaderLines)
            return HeadRead::Bad;
        qsizetype next = window.indexOf("\r\n", at);
        const QByteArrayView line = window.sliced(at, next - at);
        if (n == 0 ? !readRequestLine(line, head) : !readHeader(line, head, sawHost))
            return HeadRead::Bad;
        at = next + 2;
    }
    if (head.method.isEmpty() || (head.minorVersion == 1 && !sawHost))
        return HeadRead::Bad;
    return HeadRead::Complete;
}

QByteArray tokenOf(const QByteArray &target)
{
    const qsizetype q = target.indexOf('?');
    if (q < 0)
        return {};
    for (const QByteArray &item : target.sliced(q + 1).split('&')) {
        if (item.startsWith("token="))
            return QByteArray::fromPercentEncoding(item.sliced(6));
    }
    return {};
}

GateVerdict judgeRequest(const HttpHead &head, const GateRules &rules)
{
    const qsizetype q = head.target.indexOf('?');
    const QByteArray path = q < 0 ? head.target : head.target.first(q);
    if (!hostIsOurs(head.host, rules.port, rules.ownAddress))
        return refusal(403);
    const QByteArray token = tokenOf(head.target);
    if (token.isEmpty())
        return refusal(401);
    if (token.size() > MaxTokenLength || !sameToken(token, rules.token))
        return refusal(403, true);

    // A client that asked for another protocol cannot go on with this one.
    const bool close = head.body || !head.upgrade.isEmpty() || hasConnectionOption(head.connection, "close") ||
        (head.minorVersion == 0 && !hasConnectionOption(head.connection, "keep-alive"));
    if (path == "/") {
        if (head.method != "GET")
            return refusal(405);
        return {GateVerdict::Serve::Page, 200, false, close};
    }
    if (path == "/ws") {
        if (head.method != "GET")
            return refusal(405);
        if (head.minorVersion != 1 || head.upgrade.compare("websocket", Qt::CaseInsensitive) != 0 ||
            !hasConnectionOption(head.connection, "upgrade") || head.webSocketKey.isEmpty() || head.body)
            return refusal(400);
        if (head.webSocketVersion != "13")
            return refusal(426);
        if (!originMatches(head.origin, head.host))
            return refusal(403);
        if (!rules.roomForClient)
            return refusal(503);
        return {GateVerdict::Serve::WebSocket, 101, false, false};
    }
    return refusal(404);
}

QByteArray httpAnswer(int status, const QByteArray &contentType, const QByteArray &body, bool close,
                      const QByteArray &extraHeaders)
{
    const char *reason = "Error";
    switch (status) {
    case 200:
        reason = "OK";
        break;
    case 400:
        reason = "Bad Request";
        break;
    case 401:
        reason = "Unauthorized";
        break;
    case 403:
        reason = "Forbidden";
        break;
    case 404:
        reason = "Not Found";
        break;
    case 405:
        reason = "Method Not Allowed";
        break;
    case 426:
        reason = "Upgrade Required";
        break;
    case 429:
        reason = "Too Many Requests";
        break;
    case 431:
        reason = "Request Header Fields Too Large";
        break;
    case 503:
        reason = "Service Unavailable";
        break;
    default:
        break;
    }
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + contentType +
        "\r\nContent-Length: " + QByteArray::number(body.size()) +
        "\r\nCache-Control: no-store\r\nConnection: " + (close ? "close" : "keep-alive") + "\r\n" + extraHeaders +
        "\r\n" + body;
}

} // namespace korvanel
