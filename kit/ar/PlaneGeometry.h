#pragma once
// A flat rectangle standing in its node's x-y plane, centred on the node, with the materials that
// paint it. Width and height may change while the scene is shown (a plane that grows).
#include "kit/graphics/Image.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kit::ar {

// What a material paints: nothing, a picture, or a named asset (read on the drawing thread, since
// assets are loaded there), stretched once over the surface.
using MaterialContents = std::variant<std::monostate, std::shared_ptr<const Image>, std::string>;

class Material {
public:
    MaterialContents diffuseContents() const;
    void setDiffuseContents(MaterialContents contents);

private:
    MaterialContents diffuse_;
};

class PlaneGeometry {
public:
    PlaneGeometry(double width, double height) : width_(width), height_(height) {}

    double width() const;
    void setWidth(double width);
    double height() const;
    void setHeight(double height);
    std::vector<std::shared_ptr<Material>> materials() const;
    void setMaterials(std::vector<std::shared_ptr<Material>> materials);

private:
    double width_;
    double height_;
    std::vector<std::shared_ptr<Material>> materials_;
};

} // namespace kit::ar
