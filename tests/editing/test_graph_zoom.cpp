#include <gtest/gtest.h>

#include "editing/GraphZoom.h"

using namespace korvanel;

TEST(GraphZoom, LongerShowsGetSmallerColumns)
{
    EXPECT_EQ(graphZoomForLastScene(100), 2);
    EXPECT_EQ(graphZoomForLastScene(50), 3);
    EXPECT_EQ(graphZoomForLastScene(1), 3);
    EXPECT_EQ(graphZoomForLastScene(0), 3) << "one scene: no division by zero";
    EXPECT_EQ(graphZoomForLastScene(86), 2);
    EXPECT_EQ(graphZoomForLastScene(129), 1);
    EXPECT_EQ(graphZoomForLastScene(255), 1);
}

TEST(GraphZoom, EachZoomShows512PixelsOfColumns)
{
    const std::pair<int, int> table[] = {{1, 256}, {2, 128}, {4, 64}, {8, 32}};
    for (int zoom = 0; zoom <= 3; ++zoom) {
        const GraphView view = graphViewForZoom(zoom);
        EXPECT_EQ(view.zoom, zoom);
        EXPECT_EQ(view.GraphColumnScale, table[zoom].first);
        EXPECT_EQ(view.GraphScenesPerView, table[zoom].second);
    }
    EXPECT_EQ(graphViewForZoom(9).zoom, 3);
}

TEST(GraphZoom, ClearingTheShowResetsTheView)
{
    Engine engine;
    engine.graph = graphViewForZoom(0);
    ClearAll(engine);
    EXPECT_EQ(engine.graph.zoom, 3);
    EXPECT_EQ(engine.graph.GraphColumnScale, 8);
    EXPECT_EQ(engine.graph.GraphScenesPerView, 32);
}
