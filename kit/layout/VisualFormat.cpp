#include "kit/layout/VisualFormat.h"

#include "kit/base/Console.h"

namespace kit::layout {

ConstraintList constraintsWithVisualFormat(std::string_view format, const std::map<std::string, LayoutItem*>& views) {
    // Only "H:|[name]|" and "V:|[name]|": the forms the app uses.
    auto reject = [&](std::string_view why) {
        print("Visual format \"" + std::string(format) + "\" not supported: " + std::string(why));
        return ConstraintList{};
    };
    if (format.size() < 7 || (format.substr(0, 2) != "H:" && format.substr(0, 2) != "V:"))
        return reject("it must start with H: or V:");
    bool horizontal = format[0] == 'H';
    std::string_view body = format.substr(2);
    if (body.substr(0, 2) != "|[" || body.substr(body.size() - 2) != "]|")
        return reject("only |[view]| is understood");
    std::string name(body.substr(2, body.size() - 4));
    auto it = views.find(name);
    if (name.empty() || it == views.end() || !it->second) return reject("unknown view \"" + name + "\"");
    LayoutItem& view = *it->second;
    LayoutItem* super = view.layoutSuperitem();
    if (!super) return reject("view \"" + name + "\" has no superview");
    if (horizontal)
        return {view.leadingAnchor().equalTo(super->leadingAnchor()), super->trailingAnchor().equalTo(view.trailingAnchor())};
    return {view.topAnchor().equalTo(super->topAnchor()), super->bottomAnchor().equalTo(view.bottomAnchor())};
}

} // namespace kit::layout
