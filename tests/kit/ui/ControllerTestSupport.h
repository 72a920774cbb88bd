#pragma once
// A screen that writes every lifecycle call into a shared log, for order checks.
#include "kit/ui/ViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace kit::testing {

using Log = std::shared_ptr<std::vector<std::string>>;

class RecordingController : public ViewController {
public:
    RecordingController(std::string name, Log log) : name_(std::move(name)), log_(std::move(log)) {}
    void viewDidLoad() override { add("load"); }
    void viewWillAppear(bool) override { add("will-appear"); }
    void viewDidAppear(bool) override { add("did-appear"); }
    void viewWillDisappear(bool) override { add("will-disappear"); }
    void viewDidDisappear(bool) override { add("did-disappear"); }
    void viewWillLayoutSubviews() override { ++layouts; }
    int layouts = 0;
    const std::string& name() const { return name_; }

private:
    void add(const std::string& what) { log_->push_back(name_ + " " + what); }
    std::string name_;
    Log log_;
};

} // namespace kit::testing
