#include "capture/ArStencilGrid.h"
#include "kit/ar/PhysicsBody.h"
#include "kit/ar/PlaneGeometry.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

namespace capture {
namespace {

using kit::ar::Vector3;

kit::ar::PlaneAnchor floorAnchor(Vector3 extent, Vector3 center = {}) {
    kit::ar::PlaneAnchor anchor;
    anchor.identifier = "floor";
    anchor.transform = kit::ar::Matrix4::translation({0, 0, -2});
    anchor.extent = extent;
    anchor.center = center;
    return anchor;
}

TEST(ArStencilGrid, LaysATexturedPlaneFlatOverTheAnchorOrigin) {
    auto grid = kit::make<ArStencilGrid>(floorAnchor({0.3f, 0, 0.2f}, {0.4f, 0, 0.1f}));
    ASSERT_EQ(grid->childNodes().size(), 1u);
    auto planeNode = grid->childNodes().front();
    ASSERT_EQ(planeNode->geometry(), grid->planeGeometry());
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->width(), 0.3f);
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->height(), 0.2f);
    auto materials = grid->planeGeometry()->materials();
    ASSERT_EQ(materials.size(), 1u);
    EXPECT_EQ(std::get<std::string>(materials[0]->diffuseContents()), "ar_grid");
    ASSERT_TRUE(planeNode->physicsBody());
    EXPECT_EQ(planeNode->physicsBody()->categoryBitMask(), 2u);
    EXPECT_DOUBLE_EQ(planeNode->physicsBody()->shape().width, 0.3f);
    // The plane's upright y axis now points away along -z, and its normal up.
    Vector3 up = planeNode->transform().transformDirection({0, 1, 0});
    Vector3 normal = planeNode->transform().transformDirection({0, 0, 1});
    EXPECT_NEAR(up.z, -1, 1e-6);
    EXPECT_NEAR(normal.y, 1, 1e-6);
    EXPECT_EQ(planeNode->position(), (Vector3{}));
    // Centred on the anchor's origin, not yet on the plane's centre.
    EXPECT_EQ(grid->position(), (Vector3{}));
}

TEST(ArStencilGrid, UpdateResizesAndRecentresButKeepsTheFirstAnchor) {
    auto grid = kit::make<ArStencilGrid>(floorAnchor({0.3f, 0, 0.2f}));
    auto firstBody = grid->childNodes().front()->physicsBody();
    grid->update(floorAnchor({1.0f, 0, 0.6f}, {0.25f, 0, -0.5f}));
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->width(), 1.0f);
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->height(), 0.6f);
    EXPECT_EQ(grid->position(), (Vector3{0.25f, 0, -0.5f}));
    auto body = grid->childNodes().front()->physicsBody();
    ASSERT_NE(body, firstBody);
    EXPECT_DOUBLE_EQ(body->shape().width, 1.0f);
    EXPECT_DOUBLE_EQ(body->shape().height, 0.6f);
    EXPECT_EQ(grid->anchor().extent, (Vector3{0.3f, 0, 0.2f}));
}

} // namespace
} // namespace capture
