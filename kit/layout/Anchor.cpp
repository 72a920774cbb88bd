#include "kit/layout/Anchor.h"

#include "kit/base/Console.h"
#include "kit/layout/Constraint.h"

namespace kit::layout {
namespace {

enum class Kind { horizontal, vertical, dimension };

Kind kindOf(Attribute a) {
    switch (a) {
    case Attribute::left:
    case Attribute::right:
    case Attribute::leading:
    case Attribute::trailing:
    case Attribute::centerX: return Kind::horizontal;
    case Attribute::top:
    case Attribute::bottom:
    case Attribute::centerY: return Kind::vertical;
    case Attribute::width:
    case Attribute::height: return Kind::dimension;
    }
    return Kind::dimension;
}

std::shared_ptr<Constraint> relate(const Anchor& a, Relation r, const Anchor& b, double multiplier, double constant) {
    if (kindOf(a.attribute()) != kindOf(b.attribute()))
        fatal("a constraint cannot relate anchors of different axes or an edge to a dimension");
    if (multiplier != 1 && kindOf(a.attribute()) != Kind::dimension)
        fatal("only dimension anchors take a multiplier");
    return Constraint::make(a, r, b, multiplier, constant);
}

std::shared_ptr<Constraint> relateConstant(const Anchor& a, Relation r, double constant) {
    if (kindOf(a.attribute()) != Kind::dimension) fatal("only dimension anchors can equal a constant");
    return Constraint::make(a, r, std::nullopt, 0, constant);
}

} // namespace

std::shared_ptr<Constraint> Anchor::equalTo(const Anchor& o, double c) const { return relate(*this, Relation::equal, o, 1, c); }
std::shared_ptr<Constraint> Anchor::greaterThanOrEqualTo(const Anchor& o, double c) const {
    return relate(*this, Relation::greaterThanOrEqual, o, 1, c);
}
std::shared_ptr<Constraint> Anchor::lessThanOrEqualTo(const Anchor& o, double c) const {
    return relate(*this, Relation::lessThanOrEqual, o, 1, c);
}
std::shared_ptr<Constraint> Anchor::equalToMultiplier(const Anchor& o, double m, double c) const {
    return relate(*this, Relation::equal, o, m, c);
}
std::shared_ptr<Constraint> Anchor::greaterThanOrEqualToMultiplier(const Anchor& o, double m, double c) const {
    return relate(*this, Relation::greaterThanOrEqual, o, m, c);
}
std::shared_ptr<Constraint> Anchor::lessThanOrEqualToMultiplier(const Anchor& o, double m, double c) const {
    return relate(*this, Relation::lessThanOrEqual, o, m, c);
}
std::shared_ptr<Constraint> Anchor::equalToConstant(double c) const { return relateConstant(*this, Relation::equal, c); }
std::shared_ptr<Constraint> Anchor::greaterThanOrEqualToConstant(double c) const {
    return relateConstant(*this, Relation::greaterThanOrEqual, c);
}
std::shared_ptr<Constraint> Anchor::lessThanOrEqualToConstant(double c) const {
    return relateConstant(*this, Relation::lessThanOrEqual, c);
}

} // namespace kit::layout
