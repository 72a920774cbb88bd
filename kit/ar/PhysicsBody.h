#pragma once
// Physics bodies are only stored, never simulated: the scene keeps what a screen gives its nodes.
#include <memory>

namespace kit::ar {

class PlaneGeometry;

// The shape of a body, taken from a geometry's size when it is made.
struct PhysicsShape {
    double width = 0;
    double height = 0;
    static PhysicsShape fromGeometry(const PlaneGeometry& geometry);
};

class PhysicsBody {
public:
    // Static bodies start in the static category (2), as the platform's do.
    static constexpr unsigned staticCategory = 2;
    static std::shared_ptr<PhysicsBody> staticBody(PhysicsShape shape);

    explicit PhysicsBody(PhysicsShape shape) : shape_(shape) {}
    const PhysicsShape& shape() const { return shape_; }
    unsigned categoryBitMask() const;
    void setCategoryBitMask(unsigned mask);

private:
    PhysicsShape shape_;
    unsigned categoryBitMask_ = staticCategory;
};

} // namespace kit::ar
