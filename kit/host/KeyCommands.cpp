#include "kit/host/KeyCommands.h"

#include "kit/host/Headless.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Responder.h"
#include "kit/ui/TextField.h"

namespace kit::host {
namespace {

bool moveToNextField(AlertController& alert) {
    const auto& fields = alert.textFields();
    if (fields.empty()) return false;
    auto current = Responder::currentFirstResponder();
    std::size_t next = 0;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i] == current) next = (i + 1) % fields.size();
    fields[next]->becomeFirstResponder();
    return true;
}

bool pickerKey(ImagePicker& picker, Key key) {
    if (key == Key::enter) {
        if (!picker.cropView()) return false;
        picker.confirmCrop();
    } else if (key == Key::escape) {
        if (picker.cropView()) picker.leaveCrop();
        else picker.cancel();
    } else {
        return false;
    }
    return true;
}

// Back one step: pop the innermost stack that can, else close the modal screen it sits on.
bool goBack(const std::shared_ptr<ViewController>& top) {
    for (auto vc = top; vc; vc = vc->parentViewController()) {
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(vc); nav && nav->viewControllers().size() > 1) {
            nav->popViewController(true);
            return true;
        }
        if (vc->presentingViewController()) {
            vc->dismissViewController(true);
            return true;
        }
    }
    return false;
}

} // namespace

bool pressKey(const std::shared_ptr<ViewController>& root, Key key) {
    auto top = topViewControllerOf(root);
    if (!top) return false;
    if (auto alert = std::dynamic_pointer_cast<AlertController>(top)) {
        switch (key) {
        case Key::escape: return alert->cancelFromKeyboard();
        case Key::enter: return alert->confirmFromKeyboard();
        case Key::tab: return moveToNextField(*alert);
        }
    }
    for (auto vc = top; vc; vc = vc->parentViewController())
        if (auto picker = std::dynamic_pointer_cast<ImagePicker>(vc)) return pickerKey(*picker, key);
    return key == Key::escape && goBack(top);
}

} // namespace kit::host
