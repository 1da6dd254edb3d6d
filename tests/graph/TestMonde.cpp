#include <gtest/gtest.h>

#include "graph/GrapheSon.h"

TEST(Monde, CreateDonneLesValeursInitiales) {
    TgrapheSon g(nullptr, nullptr);
    EXPECT_EQ(g.mondeX.mini, 0.0);
    EXPECT_EQ(g.mondeX.maxi, 1.0);
    EXPECT_EQ(g.mondeY.a, 1.0);
    EXPECT_EQ(g.mondeY.b, 0.0);
    EXPECT_EQ(g.NbreTot, 0);
}
