#include "kit/ar/PhysicsBody.h"

#include "kit/ar/PlaneGeometry.h"
#include "kit/ar/SceneGraphLock.h"

namespace kit::ar {

PhysicsShape PhysicsShape::fromGeometry(const PlaneGeometry& geometry) {
    return {geometry.width(), geometry.height()};
}

std::shared_ptr<PhysicsBody> PhysicsBody::staticBody(PhysicsShape shape) {
    return std::make_shared<PhysicsBody>(shape);
}

unsigned PhysicsBody::categoryBitMask() const { return readLocked(categoryBitMask_); }

void PhysicsBody::setCategoryBitMask(unsigned mask) { writeLocked(categoryBitMask_, mask); }

} // namespace kit::ar
