#pragma once
// What every configurable part of a chart shares: whether it is used, and how far its text keeps
// from the edge it is attached to. Subclasses change the offset defaults in their constructors.
namespace charting {

class ComponentBase {
public:
    ComponentBase() = default;
    virtual ~ComponentBase() = default;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled(); }
    double xOffset() const { return xOffset_; }
    void setXOffset(double offset) { xOffset_ = offset; }
    double yOffset() const { return yOffset_; }
    void setYOffset(double offset) { yOffset_ = offset; }

private:
    bool enabled_ = true;
    double xOffset_ = 5.0;
    double yOffset_ = 5.0;
};

} // namespace charting
