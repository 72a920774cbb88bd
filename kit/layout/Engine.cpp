#include "kit/layout/Engine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "kit/base/Console.h"
#include "kit/layout/LayoutItem.h"
#include "kit/layout/Solver.h"

namespace kit::layout {
namespace {

struct ItemVariables {
    Variable left, top, width, height;
};

// What a constraint of the system stands for: a Constraint (kind -1) or an item's content size
// (kind 0-3: width >=, width <=, height >=, height <=).
struct SpecKey {
    const void* source;
    int kind;
    friend auto operator<=>(const SpecKey&, const SpecKey&) = default;
};

struct Spec {
    SpecKey key;
    LinearConstraint linear;
    Priority priority;
    std::shared_ptr<Constraint> constraint; // null for content-size specs
    std::string contentDescription;
};

struct Added {
    Spec spec;
    std::optional<int> id; // none: refused as unsatisfiable
};

// Merged, ordered terms without zeros, so that equal systems compare equal.
Expression normalized(const Expression& e) {
    std::map<int, double> sums;
    for (const auto& t : e.terms) sums[t.variable.id] += t.coefficient;
    Expression out(e.constant);
    for (const auto& [id, c] : sums)
        if (c != 0) out.terms.push_back({Variable{id}, c});
    return out;
}

bool same(const Spec& a, const Spec& b) {
    if (a.priority != b.priority || a.linear.relation != b.linear.relation) return false;
    const auto& x = a.linear.expression;
    const auto& y = b.linear.expression;
    if (x.constant != y.constant || x.terms.size() != y.terms.size()) return false;
    for (std::size_t i = 0; i < x.terms.size(); ++i)
        if (x.terms[i].variable.id != y.terms[i].variable.id || x.terms[i].coefficient != y.terms[i].coefficient)
            return false;
    return true;
}

const char* attributeText(int kind) {
    static const char* names[] = {"width >=", "width <=", "height >=", "height <="};
    return names[kind];
}

} // namespace

struct Engine::State {
    std::unique_ptr<Solver> solver = std::make_unique<Solver>();
    std::unordered_map<const LayoutItem*, ItemVariables> variables;
    std::map<SpecKey, Added> added;
    // Heights of wrapping items at their last solved width.
    std::unordered_map<const LayoutItem*, double> wrapHeights;
    std::set<SpecKey> reportedContent;

    // Per pass.
    const LayoutItem* root = nullptr;
    std::vector<LayoutItem*> items;
    std::unordered_set<const LayoutItem*> inTree;
    std::unordered_map<const LayoutItem*, std::pair<Expression, Expression>> origins;

    bool placed(const LayoutItem* item) const { return item != root && !item->translatesAutoresizingMaskIntoConstraints(); }

    ItemVariables& vars(const LayoutItem* item) {
        auto it = variables.find(item);
        if (it == variables.end()) {
            std::string n = item->layoutDescription();
            it = variables
                     .emplace(item, ItemVariables{solver->variable(n + ".left"), solver->variable(n + ".top"),
                                                  solver->variable(n + ".width"), solver->variable(n + ".height")})
                     .first;
        }
        return it->second;
    }

    // The item's origin in the root's coordinates.
    const std::pair<Expression, Expression>& origin(const LayoutItem* item) {
        if (auto it = origins.find(item); it != origins.end()) return it->second;
        std::pair<Expression, Expression> o;
        if (item == root) {
            o = {Expression(0.0), Expression(0.0)};
        } else if (placed(item)) {
            o = {Expression(vars(item).left), Expression(vars(item).top)};
        } else if (const LayoutItem* super = item->layoutSuperitem(); !super || !inTree.count(super)) {
            // Not reachable through the tree walk; placed as if the root held it.
            Rect f = item->layoutFrame();
            o = {Expression(f.x()), Expression(f.y())};
        } else {
            auto base = origin(super); // copy: the map may grow below
            Point b = super->layoutBoundsOrigin();
            Rect f = item->layoutFrame();
            o = {base.first + (f.x() - b.x), base.second + (f.y() - b.y)};
        }
        return origins.emplace(item, std::move(o)).first->second;
    }

    Expression width(const LayoutItem* item) {
        return placed(item) ? Expression(vars(item).width) : Expression(item->layoutFrame().width());
    }
    Expression height(const LayoutItem* item) {
        return placed(item) ? Expression(vars(item).height) : Expression(item->layoutFrame().height());
    }

    Expression anchor(const LayoutItem* item, Attribute a, bool safeArea) {
        EdgeInsets in = safeArea ? item->safeAreaInsets() : EdgeInsets{};
        auto [x, y] = origin(item);
        Expression w = width(item), h = height(item);
        switch (a) {
        case Attribute::left:
        case Attribute::leading: return x + in.left;
        case Attribute::right:
        case Attribute::trailing: return x + w - in.right;
        case Attribute::top: return y + in.top;
        case Attribute::bottom: return y + h - in.bottom;
        case Attribute::centerX: return x + in.left + (w - (in.left + in.right)) * 0.5;
        case Attribute::centerY: return y + in.top + (h - (in.top + in.bottom)) * 0.5;
        case Attribute::width: return w - (in.left + in.right);
        case Attribute::height: return h - (in.top + in.bottom);
        }
        return Expression(0.0);
    }

    double evaluate(const Expression& e) const {
        double v = e.constant;
        for (const auto& t : e.terms) v += t.coefficient * solver->value(t.variable);
        return v;
    }

    void walk(LayoutItem& rootItem) {
        root = &rootItem;
        items.clear();
        inTree.clear();
        origins.clear();
        std::vector<LayoutItem*> stack{&rootItem};
        while (!stack.empty()) {
            LayoutItem* item = stack.back();
            stack.pop_back();
            if (!inTree.insert(item).second) continue;
            items.push_back(item);
            auto children = item->layoutSubitems();
            for (auto it = children.rbegin(); it != children.rend(); ++it)
                if (*it) stack.push_back(*it);
        }
    }

    std::vector<Spec> specs() {
        std::vector<std::shared_ptr<Constraint>> constraints;
        std::unordered_set<const Constraint*> seen;
        for (LayoutItem* item : items)
            for (const auto& c : item->constraints()) {
                if (!c->isActive() || !seen.insert(c.get()).second) continue;
                if (!c->firstItem() || !inTree.count(c->firstItem())) continue;
                if (c->secondItem() && !inTree.count(c->secondItem())) continue;
                constraints.push_back(c);
            }
        std::sort(constraints.begin(), constraints.end(),
                  [](const auto& a, const auto& b) { return a->activationSequence() < b->activationSequence(); });

        std::vector<Spec> out;
        for (const auto& c : constraints) {
            Expression first = anchor(c->firstItem(), c->firstAttribute(), c->firstIsSafeArea());
            Expression second(c->constant());
            if (c->secondItem())
                second = anchor(c->secondItem(), *c->secondAttribute(), c->secondIsSafeArea()) * c->multiplier() +
                         c->constant();
            LinearConstraint lc{normalized(first - second), static_cast<int>(c->relation())};
            out.push_back(Spec{{c.get(), -1}, std::move(lc), c->priority(), c, {}});
        }
        for (LayoutItem* item : items) {
            if (!placed(item)) continue;
            Size size = item->intrinsicContentSize();
            double wrapped = size.height;
            if (auto it = wrapHeights.find(item); it != wrapHeights.end())
                wrapped = it->second;
            else if (double w = item->layoutFrame().width(); w > 0)
                wrapped = item->heightForWidth(w).value_or(size.height);
            auto content = [&](int kind, const Expression& dimension, double value, Axis axis) {
                if (value < 0) return;
                bool atLeast = kind % 2 == 0;
                Priority p = atLeast ? item->contentCompressionResistancePriority(axis)
                                     : item->contentHuggingPriority(axis);
                LinearConstraint lc{normalized(dimension - value), atLeast ? 1 : -1};
                out.push_back(Spec{{item, kind}, std::move(lc), p, nullptr,
                                   item->layoutDescription() + " content " + attributeText(kind) + " " +
                                       std::to_string(value)});
            };
            content(0, Expression(vars(item).width), size.width, Axis::horizontal);
            content(1, Expression(vars(item).width), size.width, Axis::horizontal);
            content(2, Expression(vars(item).height), wrapped, Axis::vertical);
            content(3, Expression(vars(item).height), wrapped, Axis::vertical);
        }
        return out;
    }

    // Brings the solver to `wanted`. Returns false when an incremental change met a conflict; the
    // caller then starts afresh, so that conflicts always resolve as in a fresh solve (in activation
    // order, the later constraint giving way).
    bool apply(const std::vector<Spec>& wanted, bool fresh) {
        std::map<SpecKey, const Spec*> byKey;
        for (const auto& s : wanted) byKey[s.key] = &s;
        bool removed = false;
        for (auto it = added.begin(); it != added.end();) {
            auto w = byKey.find(it->first);
            if (w != byKey.end() && same(*w->second, it->second.spec)) {
                ++it;
                continue;
            }
            if (it->second.id) {
                solver->removeConstraint(*it->second.id);
                removed = true;
            }
            it = added.erase(it);
        }
        for (const auto& s : wanted) {
            auto it = added.find(s.key);
            if (it != added.end() && (it->second.id || !removed)) continue;
            auto id = solver->addConstraint(s.linear, s.priority);
            if (!id && !fresh) return false;
            added[s.key] = Added{s, id};
            if (!id) report(s);
        }
        return true;
    }

    void report(const Spec& s) {
        if (!logsUnsatisfiableConstraints()) return;
        std::string text;
        if (s.constraint) {
            if (s.constraint->reportedUnsatisfiable_) return;
            s.constraint->reportedUnsatisfiable_ = true;
            text = s.constraint->description();
        } else {
            if (!reportedContent.insert(s.key).second) return;
            text = s.contentDescription;
        }
        print("Unable to simultaneously satisfy constraints. Breaking " + text);
    }

    void reset() {
        solver = std::make_unique<Solver>();
        variables.clear();
        added.clear();
        origins.clear();
    }

    void solve() {
        auto wanted = specs();
        if (!apply(wanted, added.empty())) {
            reset();
            wanted = specs();
            apply(wanted, true);
        }
        solver->updateVariables();
    }
};

Engine::Engine(LayoutItem& root) : root_(root), state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

void Engine::layout() {
    State& s = *state_;
    s.walk(root_);
    // Wrapping content: its height depends on the width it gets, so solve again while it changes.
    for (int pass = 0; pass < 3; ++pass) {
        s.solve();
        bool changed = false;
        for (LayoutItem* item : s.items) {
            if (!s.placed(item)) continue;
            double w = s.solver->value(s.vars(item).width);
            auto h = item->heightForWidth(w);
            if (!h) continue;
            auto [it, inserted] = s.wrapHeights.try_emplace(item, *h);
            if (!inserted && std::fabs(it->second - *h) < 1e-6) continue;
            it->second = *h;
            changed = true;
        }
        if (!changed) break;
        s.origins.clear();
    }

    // Variables that no constraint mentions would read 0; such items keep their frames.
    std::unordered_set<int> mentioned;
    for (const auto& [key, a] : s.added)
        if (a.id)
            for (const auto& t : a.spec.linear.expression.terms) mentioned.insert(t.variable.id);
    for (LayoutItem* item : s.items) {
        if (!s.placed(item)) continue;
        const ItemVariables& v = s.vars(item);
        if (!mentioned.count(v.left.id) && !mentioned.count(v.top.id) && !mentioned.count(v.width.id) &&
            !mentioned.count(v.height.id))
            continue;
        const LayoutItem* super = item->layoutSuperitem();
        if (!super || !s.inTree.count(super)) continue;
        auto superOrigin = s.origin(super);
        Point b = super->layoutBoundsOrigin();
        Rect frame(s.solver->value(v.left) - s.evaluate(superOrigin.first) + b.x,
                   s.solver->value(v.top) - s.evaluate(superOrigin.second) + b.y, s.solver->value(v.width),
                   s.solver->value(v.height));
        Rect old = item->layoutFrame();
        auto differs = [](double a, double c) { return std::fabs(a - c) > 1e-9; };
        if (differs(frame.x(), old.x()) || differs(frame.y(), old.y()) || differs(frame.width(), old.width()) ||
            differs(frame.height(), old.height()))
            item->setLayoutFrame(frame);
    }
}

namespace {
std::atomic<bool (*)()> unsatisfiableConstraintsSetting{nullptr};
} // namespace

bool logsUnsatisfiableConstraints() {
    const auto readSetting = unsatisfiableConstraintsSetting.load();
    return !readSetting || readSetting();
}

void setUnsatisfiableConstraintsSetting(bool (*readSetting)()) { unsatisfiableConstraintsSetting = readSetting; }

} // namespace kit::layout
