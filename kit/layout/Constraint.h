#pragma once
// One linear relation between two anchors (or an anchor and a constant):
//     first  (== | <= | >=)  second x multiplier + constant      at a priority of 1 to 1000.
// Made inactive by the anchors; active constraints take part in the layout of the tree that holds
// both items. A constraint does not keep its items alive: when an item is destroyed, every
// constraint that names it is deactivated and can no longer be activated.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/layout/Anchor.h"
#include "kit/layout/Priority.h"

namespace kit::layout {

enum class Relation { lessThanOrEqual = -1, equal = 0, greaterThanOrEqual = 1 };

class Constraint : public std::enable_shared_from_this<Constraint> {
public:
    static std::shared_ptr<Constraint> make(const Anchor& first, Relation relation, std::optional<Anchor> second,
                                            double multiplier, double constant);
    ~Constraint();
    Constraint(const Constraint&) = delete;
    Constraint& operator=(const Constraint&) = delete;

    // Null once the item has been destroyed.
    LayoutItem* firstItem() const { return first_; }
    Attribute firstAttribute() const { return firstAttribute_; }
    bool firstIsSafeArea() const { return firstSafeArea_; }
    LayoutItem* secondItem() const { return second_; }
    std::optional<Attribute> secondAttribute() const { return secondAttribute_; }
    bool secondIsSafeArea() const { return secondSafeArea_; }
    Relation relation() const { return relation_; }
    double multiplier() const { return multiplier_; }

    double constant() const { return constant_; }
    void setConstant(double constant);
    Priority priority() const { return priority_; }
    // Clamped to 1...1000.
    void setPriority(Priority priority);
    // Sets the priority and returns this constraint, for building lists in one expression.
    std::shared_ptr<Constraint> withPriority(Priority priority);

    bool isActive() const { return active_; }
    void setActive(bool active);
    static void activate(const std::vector<std::shared_ptr<Constraint>>& constraints);
    static void deactivate(const std::vector<std::shared_ptr<Constraint>>& constraints);

    // A name shown in diagnostics.
    std::string identifier;
    // "<label 0x...>.width == 200 @1000", for the unsatisfiable-constraint log.
    std::string description() const;

    // Order of activation: the layout adds constraints in this order, so a conflict always drops the
    // same (later) one.
    unsigned long long activationSequence() const { return sequence_; }

private:
    friend class LayoutItem;
    friend class Engine;
    Constraint() = default;
    void itemDestroyed(LayoutItem* item);
    void notifyItems();

    LayoutItem* first_ = nullptr;
    Attribute firstAttribute_ = Attribute::left;
    bool firstSafeArea_ = false;
    LayoutItem* second_ = nullptr;
    std::optional<Attribute> secondAttribute_;
    bool secondSafeArea_ = false;
    Relation relation_ = Relation::equal;
    double multiplier_ = 1;
    double constant_ = 0;
    Priority priority_ = priority::required;
    bool active_ = false;
    bool dead_ = false;
    bool reportedUnsatisfiable_ = false;
    unsigned long long sequence_ = 0;
};

using ConstraintList = std::vector<std::shared_ptr<Constraint>>;

} // namespace kit::layout
