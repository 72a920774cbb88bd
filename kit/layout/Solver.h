#pragma once
// An incremental linear constraint solver of the Cassowary family: required constraints always hold;
// the others are met as well as possible, a higher priority far outweighing a lower one. Constraints
// can be added and removed one at a time, and edit variables take suggested values cheaply (for
// dragging). A required constraint that contradicts the ones already added is refused and leaves the
// solver as it was.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/layout/Priority.h"

namespace kit::layout {

struct Variable {
    int id = -1;
    friend bool operator==(Variable, Variable) = default;
};

struct Term {
    Variable variable;
    double coefficient = 1;
};

// sum(coefficient x variable) + constant
struct Expression {
    std::vector<Term> terms;
    double constant = 0;

    Expression() = default;
    Expression(double c) : constant(c) {}
    Expression(Variable v) : terms{{v, 1}} {}
    Expression(Term t) : terms{t} {}
};

Expression operator+(Expression a, const Expression& b);
Expression operator-(Expression a, const Expression& b);
Expression operator*(Expression a, double k);
inline Expression operator*(double k, Expression a) { return std::move(a) * k; }
inline Expression operator-(Expression a) { return std::move(a) * -1.0; }

// expression (relation) 0
struct LinearConstraint {
    Expression expression;
    int relation = 0; // -1: <=, 0: ==, 1: >=
};
LinearConstraint operator==(const Expression& a, const Expression& b);
LinearConstraint operator<=(const Expression& a, const Expression& b);
LinearConstraint operator>=(const Expression& a, const Expression& b);

// How much a violation at `priority` weighs (priorities below 1000).
double strengthWeight(Priority priority);

class Solver {
public:
    Solver();
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    Variable variable(std::string name = {});
    const std::string& name(Variable v) const;
    // The value computed by the last updateVariables().
    double value(Variable v) const;

    // Returns an id for removal, or nothing when `priority` is required and the constraint
    // contradicts the required constraints already added (the solver is then unchanged).
    std::optional<int> addConstraint(const LinearConstraint& constraint, Priority priority = priority::required);
    void removeConstraint(int id);
    bool hasConstraint(int id) const;

    // A variable whose value is suggested from outside, at a priority below required.
    void addEditVariable(Variable v, Priority priority);
    void removeEditVariable(Variable v);
    bool hasEditVariable(Variable v) const;
    void suggestValue(Variable v, double value);

    // Copies the solution into the values read by value().
    void updateVariables();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kit::layout
