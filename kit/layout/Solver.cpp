#include "kit/layout/Solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "kit/base/Console.h"

namespace kit::layout {

// ---- Expressions ----

Expression operator+(Expression a, const Expression& b) {
    a.terms.insert(a.terms.end(), b.terms.begin(), b.terms.end());
    a.constant += b.constant;
    return a;
}
Expression operator-(Expression a, const Expression& b) { return std::move(a) + b * -1.0; }
Expression operator*(Expression a, double k) {
    for (auto& t : a.terms) t.coefficient *= k;
    a.constant *= k;
    return a;
}
LinearConstraint operator==(const Expression& a, const Expression& b) { return {a - b, 0}; }
LinearConstraint operator<=(const Expression& a, const Expression& b) { return {a - b, -1}; }
LinearConstraint operator>=(const Expression& a, const Expression& b) { return {a - b, 1}; }

double strengthWeight(Priority p) {
    // Exponential, so that one violation at 750 outweighs a hundred at 250; centred on 1 to keep
    // the objective's coefficients well inside double precision.
    p = std::clamp(p, Priority(1), Priority(999.999));
    return std::pow(10.0, (static_cast<double>(p) - 500.0) / 125.0);
}

namespace {

constexpr double epsilon = 1e-8;
bool nearZero(double v) { return std::fabs(v) < epsilon; }

enum class Kind : unsigned char { external, slack, error, dummy };

// A linear row: sum(cells) + constant, cells sorted by symbol.
class Row {
public:
    double constant = 0;
    std::vector<std::pair<int, double>> cells;

    double coefficientFor(int s) const {
        auto it = find(s);
        return it != cells.end() && it->first == s ? it->second : 0.0;
    }
    void insert(int s, double c) {
        auto it = find(s);
        if (it != cells.end() && it->first == s) {
            it->second += c;
            if (nearZero(it->second)) cells.erase(it);
        } else if (!nearZero(c)) {
            cells.insert(it, {s, c});
        }
    }
    void insert(const Row& other, double k = 1) {
        constant += other.constant * k;
        for (const auto& [s, c] : other.cells) insert(s, c * k);
    }
    void remove(int s) {
        auto it = find(s);
        if (it != cells.end() && it->first == s) cells.erase(it);
    }
    void reverseSign() {
        constant = -constant;
        for (auto& cell : cells) cell.second = -cell.second;
    }
    // Rewrites "0 = row" as "s = ...".
    void solveFor(int s) {
        double k = -1.0 / coefficientFor(s);
        remove(s);
        constant *= k;
        for (auto& cell : cells) cell.second *= k;
    }
    // Rewrites "lhs = row" as "rhs = ...".
    void solveFor(int lhs, int rhs) {
        insert(lhs, -1.0);
        solveFor(rhs);
    }
    void substitute(int s, const Row& row) {
        auto it = find(s);
        if (it == cells.end() || it->first != s) return;
        double c = it->second;
        cells.erase(it);
        insert(row, c);
    }

private:
    std::vector<std::pair<int, double>>::iterator find(int s) {
        return std::lower_bound(cells.begin(), cells.end(), s, [](const auto& cell, int v) { return cell.first < v; });
    }
    std::vector<std::pair<int, double>>::const_iterator find(int s) const {
        return std::lower_bound(cells.begin(), cells.end(), s, [](const auto& cell, int v) { return cell.first < v; });
    }
};

struct Tag {
    int marker = -1;
    int other = -1;
    double weight = 0; // 0 for required
};

struct EditInfo {
    Tag tag;
    int constraint;
    double constant = 0;
};

} // namespace

struct Solver::Impl {
    // Everything a failed required addition must be able to roll back.
    struct Tableau {
        std::vector<Kind> kinds;
        std::map<int, Row> rows;
        Row objective;
        std::map<int, Tag> constraints;
        std::vector<int> infeasible;
        int nextConstraint = 0;
    } t;
    std::vector<std::string> names;
    std::vector<int> variableSymbol; // variable id -> external symbol
    std::vector<double> values;
    std::map<int, EditInfo> edits; // variable id -> edit
    bool reportedInternal = false;

    int symbol(Kind k) {
        t.kinds.push_back(k);
        return static_cast<int>(t.kinds.size()) - 1;
    }
    Kind kind(int s) const { return t.kinds[static_cast<std::size_t>(s)]; }

    void internalError(const char* what) {
        if (!reportedInternal) print(std::string("Layout solver: ") + what);
        reportedInternal = true;
    }

    Row createRow(const LinearConstraint& c, double weight, Tag& tag) {
        Row row;
        row.constant = c.expression.constant;
        for (const auto& term : c.expression.terms) {
            if (nearZero(term.coefficient)) continue;
            int s = variableSymbol[static_cast<std::size_t>(term.variable.id)];
            if (auto it = t.rows.find(s); it != t.rows.end())
                row.insert(it->second, term.coefficient);
            else
                row.insert(s, term.coefficient);
        }
        if (c.relation != 0) {
            double k = c.relation < 0 ? 1.0 : -1.0;
            int slack = symbol(Kind::slack);
            tag.marker = slack;
            row.insert(slack, k);
            if (weight > 0) {
                int error = symbol(Kind::error);
                tag.other = error;
                row.insert(error, -k);
                t.objective.insert(error, weight);
            }
        } else if (weight > 0) {
            int plus = symbol(Kind::error), minus = symbol(Kind::error);
            tag.marker = plus;
            tag.other = minus;
            row.insert(plus, -1.0);
            row.insert(minus, 1.0);
            t.objective.insert(plus, weight);
            t.objective.insert(minus, weight);
        } else {
            tag.marker = symbol(Kind::dummy);
            row.insert(tag.marker, 1.0);
        }
        if (row.constant < 0) row.reverseSign();
        return row;
    }

    int chooseSubject(const Row& row, const Tag& tag) const {
        for (const auto& [s, c] : row.cells)
            if (kind(s) == Kind::external) return s;
        for (int m : {tag.marker, tag.other})
            if (m >= 0 && (kind(m) == Kind::slack || kind(m) == Kind::error) && row.coefficientFor(m) < 0) return m;
        return -1;
    }

    bool allDummies(const Row& row) const {
        return std::all_of(row.cells.begin(), row.cells.end(), [&](const auto& c) { return kind(c.first) == Kind::dummy; });
    }

    void substitute(int s, const Row& row) {
        for (auto& [basic, r] : t.rows) {
            r.substitute(s, row);
            if (kind(basic) != Kind::external && r.constant < 0) t.infeasible.push_back(basic);
        }
        t.objective.substitute(s, row);
    }

    void pivotIn(int entering, int leaving, Row row) {
        row.solveFor(leaving, entering);
        substitute(entering, row);
        t.rows[entering] = std::move(row);
    }

    // Primal simplex on `objective`: the real one, or an artificial one kept current alongside it.
    bool optimize(Row& objective) {
        for (int guard = 0; guard < 100000; ++guard) {
            int entering = -1;
            for (const auto& [s, c] : objective.cells)
                if (kind(s) != Kind::dummy && c < 0) {
                    entering = s;
                    break;
                }
            if (entering < 0) return true;
            double best = std::numeric_limits<double>::max();
            int leaving = -1;
            for (const auto& [basic, r] : t.rows) {
                if (kind(basic) == Kind::external) continue;
                double c = r.coefficientFor(entering);
                if (c < 0) {
                    double ratio = -r.constant / c;
                    if (ratio < best) {
                        best = ratio;
                        leaving = basic;
                    }
                }
            }
            if (leaving < 0) {
                internalError("the objective is unbounded");
                return false;
            }
            Row row = std::move(t.rows[leaving]);
            t.rows.erase(leaving);
            row.solveFor(leaving, entering);
            substitute(entering, row);
            if (&objective != &t.objective) objective.substitute(entering, row);
            t.rows[entering] = std::move(row);
        }
        internalError("no optimum found");
        return false;
    }

    void dualOptimize() {
        while (!t.infeasible.empty()) {
            int leaving = t.infeasible.back();
            t.infeasible.pop_back();
            auto it = t.rows.find(leaving);
            if (it == t.rows.end() || nearZero(it->second.constant) || it->second.constant >= 0) continue;
            int entering = -1;
            double best = std::numeric_limits<double>::max();
            for (const auto& [s, c] : it->second.cells) {
                if (c > 0 && kind(s) != Kind::dummy) {
                    double ratio = t.objective.coefficientFor(s) / c;
                    if (ratio < best) {
                        best = ratio;
                        entering = s;
                    }
                }
            }
            if (entering < 0) {
                internalError("dual optimisation failed");
                t.infeasible.clear();
                return;
            }
            Row row = std::move(it->second);
            t.rows.erase(it);
            pivotIn(entering, leaving, std::move(row));
        }
    }

    bool addWithArtificialVariable(const Row& row) {
        int art = symbol(Kind::slack);
        t.rows[art] = row;
        Row artificial = row;
        optimize(artificial);
        bool success = nearZero(artificial.constant);
        if (auto it = t.rows.find(art); it != t.rows.end()) {
            Row r = std::move(it->second);
            t.rows.erase(it);
            if (r.cells.empty()) return success;
            int entering = -1;
            for (const auto& [s, c] : r.cells)
                if (kind(s) == Kind::slack || kind(s) == Kind::error) {
                    entering = s;
                    break;
                }
            if (entering < 0) return false;
            pivotIn(entering, art, std::move(r));
        }
        for (auto& [basic, r] : t.rows) r.remove(art);
        t.objective.remove(art);
        return success;
    }

    // The row to pivot out when removing a constraint whose marker is not basic.
    int markerLeavingRow(int marker) const {
        double r1 = std::numeric_limits<double>::max(), r2 = r1;
        int first = -1, second = -1, third = -1;
        for (const auto& [basic, r] : t.rows) {
            double c = r.coefficientFor(marker);
            if (c == 0) continue;
            if (kind(basic) == Kind::external) {
                third = basic;
            } else if (c < 0) {
                double ratio = -r.constant / c;
                if (ratio < r1) {
                    r1 = ratio;
                    first = basic;
                }
            } else {
                double ratio = r.constant / c;
                if (ratio < r2) {
                    r2 = ratio;
                    second = basic;
                }
            }
        }
        return first >= 0 ? first : second >= 0 ? second : third;
    }

    void removeErrorEffect(int s, double weight) {
        if (s < 0 || kind(s) != Kind::error) return;
        if (auto it = t.rows.find(s); it != t.rows.end())
            t.objective.insert(it->second, -weight);
        else
            t.objective.insert(s, -weight);
    }
};

Solver::Solver() : impl_(std::make_unique<Impl>()) {}
Solver::~Solver() = default;

Variable Solver::variable(std::string name) {
    Variable v{static_cast<int>(impl_->names.size())};
    impl_->names.push_back(std::move(name));
    impl_->variableSymbol.push_back(impl_->symbol(Kind::external));
    impl_->values.push_back(0);
    return v;
}

const std::string& Solver::name(Variable v) const { return impl_->names.at(static_cast<std::size_t>(v.id)); }
double Solver::value(Variable v) const { return impl_->values.at(static_cast<std::size_t>(v.id)); }

std::optional<int> Solver::addConstraint(const LinearConstraint& c, Priority priority) {
    auto& m = *impl_;
    const bool required = priority >= priority::required;
    Tag tag;
    tag.weight = required ? 0 : strengthWeight(priority);
    Row row = m.createRow(c, tag.weight, tag);
    int subject = m.chooseSubject(row, tag);
    if (subject < 0 && m.allDummies(row)) {
        // Nothing has changed yet but a few new symbols, which stay unused.
        if (!nearZero(row.constant)) return std::nullopt;
        subject = tag.marker;
    }
    if (subject < 0) {
        // Only this path can fail part-way, and only for a required constraint: keep a copy.
        std::optional<Impl::Tableau> backup;
        if (required) backup = m.t;
        if (!m.addWithArtificialVariable(row)) {
            if (backup) m.t = std::move(*backup);
            return std::nullopt;
        }
    } else {
        row.solveFor(subject);
        m.substitute(subject, row);
        m.t.rows[subject] = std::move(row);
    }
    int id = m.t.nextConstraint++;
    m.t.constraints[id] = tag;
    m.optimize(m.t.objective);
    return id;
}

bool Solver::hasConstraint(int id) const { return impl_->t.constraints.count(id) > 0; }

void Solver::removeConstraint(int id) {
    auto& m = *impl_;
    auto found = m.t.constraints.find(id);
    if (found == m.t.constraints.end()) return;
    Tag tag = found->second;
    m.t.constraints.erase(found);
    m.removeErrorEffect(tag.marker, tag.weight);
    m.removeErrorEffect(tag.other, tag.weight);
    if (auto it = m.t.rows.find(tag.marker); it != m.t.rows.end()) {
        m.t.rows.erase(it);
    } else {
        int leaving = m.markerLeavingRow(tag.marker);
        if (leaving < 0) {
            m.internalError("a removed constraint was not found in the tableau");
            return;
        }
        Row row = std::move(m.t.rows[leaving]);
        m.t.rows.erase(leaving);
        row.solveFor(leaving, tag.marker);
        m.substitute(tag.marker, row);
    }
    m.optimize(m.t.objective);
}

void Solver::addEditVariable(Variable v, Priority priority) {
    auto& m = *impl_;
    if (m.edits.count(v.id)) return;
    priority = std::min(priority, Priority(999));
    auto id = addConstraint(Expression(v) == Expression(0.0), priority);
    if (!id) return; // cannot happen below required
    m.edits[v.id] = EditInfo{m.t.constraints[*id], *id, 0};
}

void Solver::removeEditVariable(Variable v) {
    auto& m = *impl_;
    auto it = m.edits.find(v.id);
    if (it == m.edits.end()) return;
    int constraint = it->second.constraint;
    m.edits.erase(it);
    removeConstraint(constraint);
}

bool Solver::hasEditVariable(Variable v) const { return impl_->edits.count(v.id) > 0; }

void Solver::suggestValue(Variable v, double value) {
    auto& m = *impl_;
    auto it = m.edits.find(v.id);
    if (it == m.edits.end()) return;
    EditInfo& info = it->second;
    double delta = value - info.constant;
    info.constant = value;
    if (auto r = m.t.rows.find(info.tag.marker); r != m.t.rows.end()) {
        r->second.constant -= delta;
        if (r->second.constant < 0) m.t.infeasible.push_back(info.tag.marker);
    } else if (auto r2 = m.t.rows.find(info.tag.other); r2 != m.t.rows.end()) {
        r2->second.constant += delta;
        if (r2->second.constant < 0) m.t.infeasible.push_back(info.tag.other);
    } else {
        for (auto& [basic, row] : m.t.rows) {
            double c = row.coefficientFor(info.tag.marker);
            if (c == 0) continue;
            row.constant += delta * c;
            if (row.constant < 0 && m.kind(basic) != Kind::external) m.t.infeasible.push_back(basic);
        }
    }
    m.dualOptimize();
}

void Solver::updateVariables() {
    auto& m = *impl_;
    for (std::size_t i = 0; i < m.values.size(); ++i) {
        auto it = m.t.rows.find(m.variableSymbol[i]);
        m.values[i] = it == m.t.rows.end() ? 0.0 : it->second.constant;
    }
}

} // namespace kit::layout
