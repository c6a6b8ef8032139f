#pragma once
// The main window with its OSC input switched on from the options page, on a
// free loopback port, and a client of the test's own.

#include "ui/live_fixture.h"

#include <QLabel>
#include <QSpinBox>
#include <map>
#include <string>

#include "control/osc/OscPacket.h"
#include "support/OscBytes.h"
#include "ui/osc/OscInput.h"

class OscTest : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        get<QSpinBox>("SpinEditOscPort")->setValue(korvanel::test::freeOscPort());
        click(get<QCheckBox>("CheckBoxOsc"));
        ASSERT_TRUE(input().listening()) << status().toStdString();
        client = std::make_unique<korvanel::test::OscClient>(input().port());
    }
    korvanel::OscInput &input() { return *form->oscInput(); }
    QString status() { return get<QLabel>("LabelOscStatus")->text(); }

    // Sends and waits until the window has applied or ignored it.
    void say(const korvanel::test::OscBytes &packet, const korvanel::test::OscClient *from = nullptr)
    {
        const auto before = input().applied() + input().ignored();
        (from ? *from : *client).send(packet);
        ASSERT_TRUE(waitFor([&] { return input().applied() + input().ignored() > before; }));
    }
    void say(const std::string &path, const std::string &types = {}, std::vector<double> numbers = {})
    {
        say(korvanel::test::oscMessage(path, types, std::move(numbers)));
    }

    // What a subscriber heard, by path (the latest value), until `done` holds or 3 s passed.
    static bool hear(const korvanel::test::OscClient &from, std::map<std::string, int> &heard,
                     const std::function<bool()> &done)
    {
        return waitFor([&] {
            for (auto bytes = from.receive(std::chrono::milliseconds(0)); !bytes.empty();
                 bytes = from.receive(std::chrono::milliseconds(0))) {
                const auto messages = korvanel::decodeOscPacket(bytes);
                EXPECT_TRUE(messages && messages->size() == 1 && messages->front().types == "i");
                if (messages && messages->size() == 1 && messages->front().types == "i")
                    heard[messages->front().path] = messages->front().ints[0];
            }
            return done();
        });
    }

    std::unique_ptr<korvanel::test::OscClient> client;
};
