#include "capture/PhotoPicking.h"

#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "kit/base/Make.h"
#include "kit/ui/ActivityIndicator.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/Label.h"

namespace capture {

void openImagePicker(kit::ViewController& screen, const std::shared_ptr<kit::ImagePickerDelegate>& delegate,
                     kit::View& picture, kit::ActivityIndicator& indicator, kit::Label& hint) {
    app::lightImpact();
    auto root = screen.view();
    indicator.removeFromSuperview();
    root->addSubview(indicator.shared_from_this());
    app::anchorWithCenter(indicator, std::nullopt, std::nullopt, std::nullopt, std::nullopt, picture.centerXAnchor(),
                          picture.centerYAnchor());
    indicator.startAnimating();
    hint.setHidden(true);
    auto picker = kit::make<kit::ImagePicker>();
    picker->setDelegate(delegate);
    picker->allowsEditing = true;
    picker->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    screen.presentViewController(picker, true);
}

} // namespace capture
