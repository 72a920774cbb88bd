#pragma once
// A node of the scene graph: a place (position, Euler angles, scale) relative to its parent, an
// optional plane geometry and physics body, and child nodes. Parents hold their children; a child
// sees its parent weakly. All state is guarded by the scene-graph lock (SceneGraphLock.h), so nodes
// may be changed from the renderer's thread and the main thread alike.
#include "kit/ar/Matrix4.h"

#include <memory>
#include <vector>

namespace kit::ar {

class PhysicsBody;
class PlaneGeometry;

class Node : public std::enable_shared_from_this<Node> {
public:
    Node() = default;
    virtual ~Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // Translation * rotation (Euler, see Matrix4.h) * scale. Setting it splits it into the three.
    Matrix4 transform() const;
    void setTransform(const Matrix4& transform);
    Vector3 position() const;
    void setPosition(const Vector3& position);
    Vector3 eulerAngles() const;
    void setEulerAngles(const Vector3& angles);
    // Negative factors mirror; zero flattens.
    Vector3 scale() const;
    void setScale(const Vector3& scale);
    // The transform from this node's space to the scene's.
    Matrix4 worldTransform() const;

    std::shared_ptr<PlaneGeometry> geometry() const;
    void setGeometry(std::shared_ptr<PlaneGeometry> geometry);
    std::shared_ptr<PhysicsBody> physicsBody() const;
    void setPhysicsBody(std::shared_ptr<PhysicsBody> body);

    // A copy of the children, in the order they were added.
    std::vector<std::shared_ptr<Node>> childNodes() const;
    std::shared_ptr<Node> parent() const;
    // Takes the node from its former parent first.
    void addChildNode(const std::shared_ptr<Node>& child);
    void removeFromParentNode();

private:
    Vector3 position_;
    Vector3 euler_;
    Vector3 scale_{1, 1, 1};
    std::shared_ptr<PlaneGeometry> geometry_;
    std::shared_ptr<PhysicsBody> physicsBody_;
    std::vector<std::shared_ptr<Node>> children_;
    std::weak_ptr<Node> parent_;
};

// The root of what a scene view shows.
class Scene {
public:
    const std::shared_ptr<Node>& rootNode() const { return root_; }

private:
    std::shared_ptr<Node> root_ = std::make_shared<Node>();
};

} // namespace kit::ar
