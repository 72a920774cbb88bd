#pragma once
// The light tap every button action starts with, through the delegate's generator (nothing when
// the app runs without a delegate, as bare screens in tests do).
#include "app/AppDelegate.h"
#include "kit/ui/Application.h"

namespace app {

inline void lightImpact() {
    if (auto* d = dynamic_cast<AppDelegate*>(kit::Application::shared().delegate().get()))
        d->hapticGenerator.impactOccurred();
}

} // namespace app
