#pragma once
// Starts the app with cloud storage on: on the server given, or on the local stand-in for "".
#include "app/AppDelegate.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/Defaults.h"

#include <cstdlib>
#include <memory>
#include <string>

inline std::shared_ptr<app::AppDelegate> launchWithCloud(const std::string& server) {
    if (server.empty()) unsetenv(kit::CloudConfiguration::environmentVariable);
    else setenv(kit::CloudConfiguration::environmentVariable, server.c_str(), 1);
    kit::Defaults::standard().set(true, "CLOUD_STORAGE");
    auto delegate = std::make_shared<app::AppDelegate>();
    app::setDelegate(delegate);
    delegate->didFinishLaunching();
    return delegate;
}
