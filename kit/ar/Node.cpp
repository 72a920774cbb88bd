#include "kit/ar/Node.h"

#include "kit/ar/SceneGraphLock.h"

#include <algorithm>

namespace kit::ar {

std::recursive_mutex& sceneGraphMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

Matrix4 Node::transform() const {
    SceneGraphLock lock;
    return Matrix4::translation(position_) * rotationFromEuler(euler_) * Matrix4::scaling(scale_);
}

void Node::setTransform(const Matrix4& t) {
    Vector3 columns[3] = {{t.at(0, 0), t.at(1, 0), t.at(2, 0)},
                          {t.at(0, 1), t.at(1, 1), t.at(2, 1)},
                          {t.at(0, 2), t.at(1, 2), t.at(2, 2)}};
    Vector3 scale{length(columns[0]), length(columns[1]), length(columns[2])};
    // A mirrored basis keeps its mirror in the x scale.
    if (dot(cross(columns[0], columns[1]), columns[2]) < 0) scale.x = -scale.x;
    Matrix4 rotation;
    float factors[3] = {scale.x, scale.y, scale.z};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) rotation.at(r, c) = factors[c] != 0 ? t.at(r, c) / factors[c] : (r == c ? 1.f : 0.f);
    SceneGraphLock lock;
    position_ = t.translationPart();
    scale_ = scale;
    euler_ = eulerFromRotation(rotation);
}

Vector3 Node::position() const { return readLocked(position_); }

void Node::setPosition(const Vector3& position) { writeLocked(position_, position); }

Vector3 Node::eulerAngles() const { return readLocked(euler_); }

void Node::setEulerAngles(const Vector3& angles) { writeLocked(euler_, angles); }

Vector3 Node::scale() const { return readLocked(scale_); }

void Node::setScale(const Vector3& scale) { writeLocked(scale_, scale); }

Matrix4 Node::worldTransform() const {
    SceneGraphLock lock;
    auto parent = parent_.lock();
    return parent ? parent->worldTransform() * transform() : transform();
}

std::shared_ptr<PlaneGeometry> Node::geometry() const { return readLocked(geometry_); }

void Node::setGeometry(std::shared_ptr<PlaneGeometry> geometry) { writeLocked(geometry_, std::move(geometry)); }

std::shared_ptr<PhysicsBody> Node::physicsBody() const { return readLocked(physicsBody_); }

void Node::setPhysicsBody(std::shared_ptr<PhysicsBody> body) { writeLocked(physicsBody_, std::move(body)); }

std::vector<std::shared_ptr<Node>> Node::childNodes() const { return readLocked(children_); }

std::shared_ptr<Node> Node::parent() const {
    SceneGraphLock lock;
    return parent_.lock();
}

void Node::addChildNode(const std::shared_ptr<Node>& child) {
    if (!child || child.get() == this) return;
    SceneGraphLock lock;
    child->removeFromParentNode();
    child->parent_ = weak_from_this();
    children_.push_back(child);
}

void Node::removeFromParentNode() {
    SceneGraphLock lock;
    auto parent = parent_.lock();
    parent_.reset();
    if (!parent) return;
    // Keeps this node alive to the end of the call when the parent held the last reference.
    auto self = shared_from_this();
    auto& siblings = parent->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
}

} // namespace kit::ar
