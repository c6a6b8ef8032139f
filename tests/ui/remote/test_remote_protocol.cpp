// The page's messages, read with every number checked against its range.
#include <gtest/gtest.h>

#include "ui/remote/RemoteProtocol.h"

using namespace korvanel;
using Kind = RemoteCommand::Kind;

TEST(RemoteProtocol, EachCommandIsReadWithItsNumbersInRange)
{
    EXPECT_EQ(parseRemoteCommand(R"({"t":"fader","ch":1,"v":0})"), (RemoteCommand{Kind::Fader, 1, 0}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"fader","ch":255,"v":255})"), (RemoteCommand{Kind::Fader, 255, 255}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"pic","n":16,"down":true})"), (RemoteCommand{Kind::Picture, 16, 1}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"xy","x":3,"y":250,"down":false})"), (RemoteCommand{Kind::Pad, 3, 250, 0}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"step","d":-1})"), (RemoteCommand{Kind::Step, -1}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"page","off":228})"), (RemoteCommand{Kind::Page, 228}));
    EXPECT_EQ(parseRemoteCommand(R"({"t":"play"})"), (RemoteCommand{Kind::Play}));

    for (const char *bad : {R"({"t":"fader","ch":0,"v":10})",
                            R"({"t":"fader","ch":256,"v":10})",
                            R"({"t":"fader","ch":1,"v":-1})",
                            R"({"t":"fader","ch":1,"v":256})",
                            R"({"t":"fader","ch":1.5,"v":1})",
                            R"({"t":"fader","ch":"1","v":1})",
                            R"({"t":"fader","ch":1})",
                            R"({"t":"fader","ch":1e400,"v":1})",
                            R"({"t":"pic","n":17,"down":true})",
                            R"({"t":"pic","n":1,"down":1})",
                            R"({"t":"slot","n":0})",
                            R"({"t":"slot","n":21})",
                            R"({"t":"step","d":0})",
                            R"({"t":"tempo","v":9})",
                            R"({"t":"tempo","v":171})",
                            R"({"t":"page","off":229})",
                            R"({"t":"xy","x":256,"y":0,"down":true})",
                            R"({"t":"open","file":"/etc/passwd"})",
                            R"({"t":"fader")",
                            R"([{"t":"play"}])",
                            "play",
                            "",
                            "\xff\xfe"})
        EXPECT_FALSE(parseRemoteCommand(bad).has_value()) << bad;

    QByteArray huge = R"({"t":"play","pad":")";
    huge += QByteArray(MaxRemoteMessage, 'x') + "\"}";
    EXPECT_FALSE(parseRemoteCommand(huge).has_value());
}
