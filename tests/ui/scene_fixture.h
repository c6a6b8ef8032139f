#pragma once
// A window over a cleared show whose scene rows hold recognisable levels.

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "core/Engine.h"
#include "ui/form_fixture.h"

class SceneFormTest : public FormTest {
protected:
    static std::uint8_t mark(std::size_t scene, std::size_t channel)
    {
        return static_cast<std::uint8_t>(scene * 11 + channel * 3 + 2);
    }

    void SetUp() override
    {
        korvanel::initialiseAtStart(*engine);
        form->ClearAll();
        for (std::size_t s = 0; s < korvanel::SceneCount; ++s)
            for (std::size_t c = 0; c < korvanel::RowSize; ++c)
                engine->SceneMemory.set(korvanel::sceneByte(s, c), mark(s, c));
        form->ReturnPageControlAll();
        form->StatusPanel0()->clear();
    }

    void setShow(std::uint8_t current, std::uint8_t last)
    {
        engine->setSys(korvanel::SysCurrentScene, current);
        engine->setSys(korvanel::SysLastScene, last);
        form->ReturnPageControlAll();
    }

    std::vector<std::uint8_t> row(std::size_t scene) const
    {
        std::vector<std::uint8_t> bytes;
        for (std::size_t c = 0; c < korvanel::RowSize; ++c)
            bytes.push_back(engine->level(scene, c));
        return bytes;
    }

    static std::vector<std::uint8_t> markedRow(std::size_t scene)
    {
        std::vector<std::uint8_t> bytes;
        for (std::size_t c = 0; c < korvanel::RowSize; ++c)
            bytes.push_back(mark(scene, c));
        return bytes;
    }

    QString status() const { return form->StatusPanel0()->text(); }

    QScrollBar *fader(int k) { return get<QScrollBar>(("ScrollBar" + std::to_string(k)).c_str()); }
    QCheckBox *box(int k) { return get<QCheckBox>(("CheckBox" + std::to_string(k)).c_str()); }
};
