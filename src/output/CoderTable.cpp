#include "output/CoderTable.h"

namespace korvanel {

void coderIdentityFill(Engine &engine)
{
    for (std::uint16_t i = 1; i < DmxFrameSize; ++i)
        engine.CoderTable.set(i, i);
}

CoderEntries coderEntries(const Engine &engine)
{
    CoderEntries entries{};
    engine.CoderTable.copyTo(entries);
    return entries;
}

void setCoderEntries(Engine &engine, const CoderEntries &entries) { engine.CoderTable.copyFrom(entries); }

} // namespace korvanel
