#include "charting/core/NSUIAccessibilityElement.h"
#include "charting/core/NSUIShims.h"
#include "charting/core/NSUIView.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/TapGesture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace charting;

namespace {

struct Recording : kit::View {
    std::vector<std::string> seen;
    void touchesMoved(const kit::TouchSet&, const kit::Event&) override { seen.push_back("parent moved"); }
};

struct Chart : NSUIView {
    std::vector<std::string> seen;
    AccessibilityElements children;
    void nsuiTouchesMoved(const kit::TouchSet&, const kit::Event&) override { seen.push_back("nsui moved"); }
    AccessibilityElements accessibilityChildren() const override { return children; }
};

struct NotAView : kit::Responder {};

} // namespace

TEST(NSUIView, TouchesReachTheNsuiHandlers) {
    auto parent = kit::make<Recording>();
    auto chart = kit::make<Chart>();
    auto plain = kit::make<NSUIView>();
    parent->addSubview(chart);
    parent->addSubview(plain);
    const kit::Event event(0, {});

    chart->touchesMoved({}, event);
    EXPECT_EQ(chart->seen, std::vector<std::string>{"nsui moved"});
    EXPECT_TRUE(parent->seen.empty());
    // The base handlers pass touches along the responder chain.
    plain->touchesMoved({}, event);
    EXPECT_EQ(parent->seen, std::vector<std::string>{"parent moved"});
}

TEST(NSUIView, DeliveredTouchesReachTheOverride) {
    kit::Application::resetShared();
    {
        kit::host::Headless host;
        auto screen = kit::make<kit::ViewController>();
        auto chart = kit::make<Chart>();
        chart->setFrame({0, 0, 200, 200});
        screen->view()->addSubview(chart);
        host.setRootViewController(screen);
        host.drag({{50, 50}, {60, 60}, {70, 70}});
        EXPECT_FALSE(chart->seen.empty());
        EXPECT_EQ(chart->seen.front(), "nsui moved");
    }
    kit::Application::resetShared();
}

TEST(NSUIView, AccessibilityContainer) {
    auto plain = kit::make<NSUIView>();
    EXPECT_FALSE(plain->isAccessibilityElement());
    plain->setIsAccessibilityElement(true);
    EXPECT_FALSE(plain->isAccessibilityElement());
    EXPECT_EQ(plain->accessibilityElementCount(), 0u);
    EXPECT_EQ(plain->accessibilityElement(0), nullptr);

    auto chart = kit::make<Chart>();
    auto a = std::make_shared<NSUIAccessibilityElement>(chart);
    auto b = std::make_shared<NSUIAccessibilityElement>(chart);
    chart->children = {a, b, a};
    EXPECT_FALSE(plain->indexOfAccessibilityElement(a.get()).has_value());
    EXPECT_EQ(chart->accessibilityElementCount(), 3u);
    EXPECT_EQ(chart->accessibilityElement(1), b);
    EXPECT_EQ(chart->accessibilityElement(3), nullptr);
    EXPECT_EQ(chart->indexOfAccessibilityElement(a.get()), 0u);
    EXPECT_EQ(chart->indexOfAccessibilityElement(b.get()), 1u);
    EXPECT_FALSE(chart->indexOfAccessibilityElement(nullptr).has_value());
}

TEST(NSUIAccessibilityElement, FrameIsStoredInScreenCoordinates) {
    auto window = kit::make<kit::View>(kit::Rect(0, 0, 400, 400));
    auto chart = kit::make<NSUIView>(kit::Rect(100, 200, 50, 50));
    window->addSubview(chart);

    NSUIAccessibilityElement element(chart);
    EXPECT_EQ(element.containerView(), chart);
    element.setAccessibilityFrame({0, 0, 10, 10});
    EXPECT_EQ(element.accessibilityFrame(), kit::Rect(100, 200, 10, 10));

    chart->removeFromSuperview();
    chart.reset();
    element.setAccessibilityFrame({1, 1, 5, 5});
    EXPECT_EQ(element.accessibilityFrame(), kit::Rect(100, 200, 10, 10));

    auto responder = std::make_shared<NotAView>();
    NSUIAccessibilityElement orphan(responder);
    EXPECT_EQ(orphan.containerView(), nullptr);
    EXPECT_EQ(orphan.accessibilityContainer(), responder);
    orphan.setAccessibilityFrame({1, 1, 5, 5});
    EXPECT_EQ(orphan.accessibilityFrame(), kit::Rect());
}

TEST(NSUIAccessibilityElement, FlagsSetTheirTraits) {
    NSUIAccessibilityElement element(nullptr);
    EXPECT_FALSE(element.isHeader());
    EXPECT_FALSE(element.isSelected());
    element.setIsHeader(true);
    EXPECT_EQ(element.accessibilityTraits(), AccessibilityTraits::header);
    element.setIsSelected(true);
    EXPECT_EQ(element.accessibilityTraits(), AccessibilityTraits::selected);
    EXPECT_TRUE(element.isHeader());
}

TEST(NSUIShims, PassThroughToTheToolkit) {
    kit::TapGesture tap;
    nsuiSetNumberOfTapsRequired(tap, 2);
    EXPECT_EQ(nsuiNumberOfTapsRequired(tap), 2);
    EXPECT_EQ(nsuiNumberOfTouches(tap), 0u);
    kit::PinchGesture pinch;
    nsuiSetScale(pinch, 1.5);
    EXPECT_EQ(nsuiScale(pinch), 1.5);
    auto view = kit::make<kit::View>();
    auto recognizer = std::make_shared<kit::TapGesture>();
    view->addGestureRecognizer(recognizer);
    ASSERT_EQ(nsuiGestureRecognizers(*view).size(), 1u);
    EXPECT_GT(nsuiScreenScale(), 0.0);
    auto scroll = kit::make<kit::ScrollView>();
    nsuiSetScrollEnabled(*scroll, false);
    EXPECT_FALSE(nsuiIsScrollEnabled(*scroll));
    EXPECT_FALSE(scroll->isScrollEnabled());
}
