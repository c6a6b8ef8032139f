#include "editing/GraphZoom.h"

#include <algorithm>

namespace korvanel {

int graphZoomForLastScene(std::uint8_t lastScene)
{
    if (lastScene == 0)
        return 3;
    return std::min(256 / lastScene, 3);
}

GraphView graphViewForZoom(int zoom)
{
    zoom = std::clamp(zoom, 0, 3);
    const std::int32_t scale = 1 << zoom;
    return GraphView{zoom, scale, 256 / scale};
}

} // namespace korvanel
