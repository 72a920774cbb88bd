#include "kit/ar/PlaneGeometry.h"

#include "kit/ar/SceneGraphLock.h"

namespace kit::ar {

MaterialContents Material::diffuseContents() const { return readLocked(diffuse_); }

void Material::setDiffuseContents(MaterialContents contents) { writeLocked(diffuse_, std::move(contents)); }

double PlaneGeometry::width() const { return readLocked(width_); }

void PlaneGeometry::setWidth(double width) { writeLocked(width_, width); }

double PlaneGeometry::height() const { return readLocked(height_); }

void PlaneGeometry::setHeight(double height) { writeLocked(height_, height); }

std::vector<std::shared_ptr<Material>> PlaneGeometry::materials() const { return readLocked(materials_); }

void PlaneGeometry::setMaterials(std::vector<std::shared_ptr<Material>> materials) { writeLocked(materials_, std::move(materials)); }

} // namespace kit::ar
