#include "kit/ar/Node.h"
#include "kit/ar/PhysicsBody.h"
#include "kit/ar/PlaneGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kit::ar {
namespace {

constexpr float halfPi = std::numbers::pi_v<float> / 2;

void expectNear(const Vector3& a, const Vector3& b, float tolerance = 1e-5f) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

void expectNear(const Matrix4& a, const Matrix4& b, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a.m[i], b.m[i], tolerance) << "element " << i;
}

TEST(ArNode, EulerAnglesTurnAboutTheNodesOwnAxesRollFirstThenYawThenPitch) {
    Node node;
    node.setEulerAngles({0, halfPi, halfPi});
    // Yaw turns +z to +x, then roll about the fixed z turns +x to +y.
    expectNear(node.transform().transformDirection({0, 0, 1}), {0, 1, 0});
    // Laid flat by its pitch, a plane turns within the floor by its yaw: its normal stays up.
    node.setEulerAngles({-halfPi, 0.7f, 0});
    expectNear(node.transform().transformDirection({0, 0, 1}), {0, 1, 0});
    expectNear(node.transform().transformDirection({1, 0, 0}), {std::cos(0.7f), 0, -std::sin(0.7f)});
}

TEST(ArNode, TransformSplitsIntoPositionAnglesAndScale) {
    struct Case {
        Vector3 position, angles, scale;
    };
    const Case cases[] = {
        {{0.2f, 0, -1.5f}, {0, 0, 0}, {1, 1, 1}},
        {{0, 1, -3}, {halfPi, 0, 0}, {1, 1, 1}},          // a wall anchor
        {{1, 2, 3}, {0.3f, -0.7f, 1.1f}, {2, 0.5f, 1}},
        {{0, 0, 0}, {-halfPi, 0.4f, 0}, {-0.1f, 0.3f, 1}}, // scaled through zero: mirrored
    };
    for (const auto& c : cases) {
        Node source;
        source.setPosition(c.position);
        source.setEulerAngles(c.angles);
        source.setScale(c.scale);
        Node copy;
        copy.setTransform(source.transform());
        expectNear(copy.position(), c.position);
        expectNear(copy.eulerAngles(), c.angles, 1e-4f);
        expectNear(copy.scale(), c.scale);
        expectNear(copy.transform(), source.transform(), 1e-4f);
    }
}

TEST(ArNode, ChildrenMoveBetweenParentsAndComposeTransforms) {
    auto root = std::make_shared<Node>();
    auto anchor = std::make_shared<Node>();
    auto grid = std::make_shared<Node>();
    anchor->setPosition({1, 0, 0});
    grid->setPosition({0, 0, -2});
    root->addChildNode(anchor);
    anchor->addChildNode(grid);
    expectNear(grid->worldTransform().translationPart(), {1, 0, -2});

    root->addChildNode(grid); // taken from the anchor first
    EXPECT_TRUE(anchor->childNodes().empty());
    ASSERT_EQ(root->childNodes().size(), 2u);
    EXPECT_EQ(grid->parent(), root);

    for (const auto& child : root->childNodes()) child->removeFromParentNode();
    EXPECT_TRUE(root->childNodes().empty());
    EXPECT_FALSE(grid->parent());
    grid->removeFromParentNode(); // twice is harmless
}

TEST(ArNode, PhysicsBodiesKeepTheShapeTheyWereMadeWith) {
    PlaneGeometry plane(0.3, 0.2);
    auto body = PhysicsBody::staticBody(PhysicsShape::fromGeometry(plane));
    EXPECT_EQ(body->categoryBitMask(), PhysicsBody::staticCategory);
    body->setCategoryBitMask(8);
    plane.setWidth(1.0);
    EXPECT_EQ(body->shape().width, 0.3);
    EXPECT_EQ(body->categoryBitMask(), 8u);
}

} // namespace
} // namespace kit::ar
