#pragma once
// One legend item. Every unset form setting (NaN size or width, absent dashes or colour, form
// `default_`) means: take the legend's setting.
#include "charting/model/LegendForm.h"
#include "kit/base/Color.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace charting {

class LegendEntry {
public:
    LegendEntry() = default;
    explicit LegendEntry(std::optional<std::string> label) : label_(std::move(label)) {}

    // Absent marks a member of a group of forms that share the next label.
    const std::optional<std::string>& label() const { return label_; }
    void setLabel(std::optional<std::string> label) { label_ = std::move(label); }
    const std::optional<kit::Color>& labelColor() const { return labelColor_; }
    void setLabelColor(std::optional<kit::Color> color) { labelColor_ = color; }
    LegendForm form() const { return form_; }
    void setForm(LegendForm form) { form_ = form; }
    double formSize() const { return formSize_; }
    void setFormSize(double size) { formSize_ = size; }
    double formLineWidth() const { return formLineWidth_; }
    void setFormLineWidth(double width) { formLineWidth_ = width; }
    double formLineDashPhase() const { return formLineDashPhase_; }
    void setFormLineDashPhase(double phase) { formLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& formLineDashLengths() const { return formLineDashLengths_; }
    void setFormLineDashLengths(std::optional<std::vector<double>> v) { formLineDashLengths_ = std::move(v); }
    // Fill or stroke colour of the form; absent draws no form.
    const std::optional<kit::Color>& formColor() const { return formColor_; }
    void setFormColor(std::optional<kit::Color> color) { formColor_ = color; }

private:
    std::optional<std::string> label_;
    std::optional<kit::Color> labelColor_;
    LegendForm form_ = LegendForm::default_;
    double formSize_ = std::nan("");
    double formLineWidth_ = std::nan("");
    double formLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> formLineDashLengths_;
    std::optional<kit::Color> formColor_;
};

} // namespace charting
