#include "capture/ArStencilGrid.h"

#include "kit/ar/PhysicsBody.h"
#include "kit/ar/PlaneGeometry.h"

namespace capture {
namespace {

constexpr unsigned gridCategory = 2;
// A quarter turn back about x lays the upright plane into the anchor's x-z plane.
constexpr float layFlat = -1.5707964f;

} // namespace

void ArStencilGrid::setup() {
    planeGeometry_ = std::make_shared<kit::ar::PlaneGeometry>(anchor_.extent.x, anchor_.extent.z);
    auto material = std::make_shared<kit::ar::Material>();
    material->setDiffuseContents(std::string("ar_grid"));
    planeGeometry_->setMaterials({material});

    auto planeNode = std::make_shared<kit::ar::Node>();
    planeNode->setGeometry(planeGeometry_);
    auto body = kit::ar::PhysicsBody::staticBody(kit::ar::PhysicsShape::fromGeometry(*planeGeometry_));
    planeNode->setPhysicsBody(body);
    body->setCategoryBitMask(gridCategory);
    planeNode->setTransform(kit::ar::Matrix4::rotation(layFlat, 1, 0, 0));
    addChildNode(planeNode);
}

void ArStencilGrid::update(const kit::ar::PlaneAnchor& anchor) {
    planeGeometry_->setWidth(anchor.extent.x);
    planeGeometry_->setHeight(anchor.extent.z);
    setPosition({anchor.center.x, 0, anchor.center.z});
    auto children = childNodes();
    if (!children.empty())
        children.front()->setPhysicsBody(
            kit::ar::PhysicsBody::staticBody(kit::ar::PhysicsShape::fromGeometry(*planeGeometry_)));
}

} // namespace capture
