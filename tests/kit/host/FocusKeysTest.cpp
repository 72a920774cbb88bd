#include "kit/host/Headless.h"

#include "kit/base/Make.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/FocusNavigator.h"
#include "kit/ui/FocusRing.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Switch.h"
#include "kit/ui/ViewController.h"

#include <gtest/gtest.h>

#include <map>

namespace kit::host {
namespace {

struct FocusKeysFixture : ::testing::Test {
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
};

bool ringed(const std::shared_ptr<View>& view) {
    const Color color = view->layer()->borderColor();
    return view->layer()->borderWidth() == FocusRing::width &&
           (color == FocusRing::lightColor() || color == FocusRing::darkColor());
}

// Counts the events each control sent, by the control's tag.
struct Events {
    std::map<std::pair<int, ControlEvent>, int> counts;
    void watch(const std::shared_ptr<Control>& control) {
        for (auto event : {ControlEvent::touchDown, ControlEvent::touchUpInside, ControlEvent::valueChanged})
            control->addTarget(this, "count", event, [this, event](Control& sender) { ++counts[{sender.tag(), event}]; });
    }
    int operator()(int tag, ControlEvent event) const {
        auto it = counts.find({tag, event});
        return it == counts.end() ? 0 : it->second;
    }
};

template <class T> std::shared_ptr<T> place(View& parent, Rect frame, int tag) {
    auto view = kit::make<T>();
    view->setFrame(frame);
    view->setTag(tag);
    parent.addSubview(view);
    return view;
}

TEST_F(FocusKeysFixture, TabVisitsTheShownControlsInReadingOrderAndTheKeysUseTheOneWithTheRing) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    View& root = *screen->view();
    // Added out of order: the ring goes by where they show, rows from the top, each from the left.
    auto slider = place<Slider>(root, {20, 200, 200, 31}, 3);
    auto right = place<Button>(root, {200, 100, 100, 44}, 2);
    auto left = place<Button>(root, {20, 104, 100, 40}, 1);
    auto toggle = place<Switch>(root, {260, 205, 51, 31}, 4);
    auto segments = place<SegmentedControl>(root, {20, 300, 300, 32}, 5);
    for (const char* title : {"a", "b", "c"}) segments->insertSegment(title, segments->numberOfSegments());
    segments->setSelectedSegmentIndex(0);
    auto plus = place<Button>(root, {20, 400, 44, 44}, 6);
    place<Button>(root, {100, 400, 44, 44}, 7)->setHidden(true);
    place<Button>(root, {200, 400, 44, 44}, 8)->setEnabled(false);
    place<Button>(root, {900, 400, 44, 44}, 9);  // off the window, with nothing to scroll it in
    left->setBackgroundColor(Color::gray(0.95));
    right->layer()->setBorderWidth(1);
    right->layer()->setBorderColor(Color::redColor());
    slider->setValue(0.5f);
    int stepped = 0;
    plus->setKeyboardStep([&stepped](int direction) { stepped += direction; });
    Events events;
    for (const auto& control : std::vector<std::shared_ptr<Control>>{left, right, slider, toggle, segments, plus})
        events.watch(control);
    host.settle();

    std::vector<int> visited;
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(host.pressKey(Key::tab));
        visited.push_back(FocusNavigator::focused(root)->tag());
        if (i == 0) {
            EXPECT_EQ(left->layer()->borderColor(), FocusRing::darkColor()) << "dark over a light button";
        }
    }
    EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 4, 5, 6, 1}));
    ASSERT_TRUE(host.pressKey(Key::backTab));
    EXPECT_EQ(FocusNavigator::focused(root), plus) << "Shift+Tab goes round backwards";
    ASSERT_TRUE(host.pressKey(Key::backTab));
    ASSERT_TRUE(host.pressKey(Key::backTab));
    ASSERT_TRUE(host.pressKey(Key::backTab));
    ASSERT_TRUE(host.pressKey(Key::backTab));
    EXPECT_EQ(FocusNavigator::focused(root), right);
    EXPECT_TRUE(ringed(right));
    EXPECT_EQ(right->layer()->borderColor(), FocusRing::lightColor()) << "light over the dark screen";
    EXPECT_FALSE(ringed(left));

    // Return and Space press a button as a tap does.
    EXPECT_TRUE(host.pressKey(Key::enter));
    EXPECT_TRUE(host.pressKey(Key::space));
    EXPECT_EQ(events(2, ControlEvent::touchDown), 2);
    EXPECT_EQ(events(2, ControlEvent::touchUpInside), 2);
    EXPECT_FALSE(host.pressKey(Key::left)) << "a plain button does nothing with the arrows";

    // The slider steps by a twentieth of its range, and stops at its ends.
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_FALSE(ringed(right));
    EXPECT_EQ(right->layer()->borderWidth(), 1) << "the button's own border comes back";
    EXPECT_EQ(right->layer()->borderColor(), Color::redColor());
    EXPECT_TRUE(host.pressKey(Key::right));
    EXPECT_TRUE(host.pressKey(Key::up));
    EXPECT_FLOAT_EQ(slider->value(), 0.6f);
    EXPECT_TRUE(host.pressKey(Key::down));
    EXPECT_FLOAT_EQ(slider->value(), 0.55f);
    EXPECT_EQ(events(3, ControlEvent::valueChanged), 3);
    for (int i = 0; i < 12; ++i) host.pressKey(Key::right);
    EXPECT_FLOAT_EQ(slider->value(), 1.0f);
    const int changes = events(3, ControlEvent::valueChanged);
    EXPECT_TRUE(host.pressKey(Key::right));
    EXPECT_EQ(events(3, ControlEvent::valueChanged), changes) << "no change at the end of the range";

    // Space turns the switch over.
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_TRUE(host.pressKey(Key::space));
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(events(4, ControlEvent::valueChanged), 1);

    // The arrows choose the neighbouring segment; a stepper's button steps its value.
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_TRUE(host.pressKey(Key::right));
    EXPECT_TRUE(host.pressKey(Key::right));
    EXPECT_TRUE(host.pressKey(Key::right));
    EXPECT_EQ(segments->selectedSegmentIndex(), 2);
    EXPECT_EQ(events(5, ControlEvent::valueChanged), 2);
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_TRUE(host.pressKey(Key::up));
    EXPECT_TRUE(host.pressKey(Key::up));
    EXPECT_TRUE(host.pressKey(Key::left));
    EXPECT_EQ(stepped, 1);
}

TEST_F(FocusKeysFixture, AnOpenAlertTakesTheRingAndReturnPressesTheButtonWithIt) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto under = place<Button>(*screen->view(), {20, 100, 100, 44}, 1);
    Events events;
    events.watch(under);
    std::string chosen;
    auto alert = AlertController::make("Delete?", "");
    alert->addAction(AlertAction::make("Cancel", AlertActionStyle::cancel, [&](AlertAction&) { chosen = "Cancel"; }));
    alert->addAction(AlertAction::make("Delete", AlertActionStyle::destructive, [&](AlertAction&) { chosen = "Delete"; }));
    screen->presentViewController(alert, false);
    host.advance(1);

    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(host.pressKey(Key::tab));
        EXPECT_TRUE(FocusNavigator::focused(*alert->view())) << "the ring stays in the alert";
    }
    ASSERT_TRUE(host.pressKey(Key::backTab));  // the first button, then the second, twice round
    EXPECT_TRUE(host.pressKey(Key::enter));
    host.advance(1);
    EXPECT_FALSE(host.presentedAlert());
    EXPECT_EQ(chosen, "Cancel") << "Return presses the button with the ring, not the alert's default";
    EXPECT_EQ(events(1, ControlEvent::touchUpInside), 0);
}

TEST_F(FocusKeysFixture, ADestructiveQuestionStartsOnItsSafeAnswerAndTheRingGoesBackToItsOpener) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto other = place<Button>(*screen->view(), {20, 100, 100, 44}, 1);
    auto opener = place<Button>(*screen->view(), {140, 100, 100, 44}, 2);
    std::string chosen;
    opener->addTarget(nullptr, "ask", ControlEvent::touchUpInside, [&](Control&) {
        // As the app asks before deleting a saved combination: "Yes" first, and destructive.
        auto alert = AlertController::make("Delete", "Do you want to delete this combination?");
        alert->addAction(AlertAction::make("Yes", AlertActionStyle::destructive, [&](AlertAction&) { chosen = "Yes"; }));
        alert->addAction(AlertAction::make("No", AlertActionStyle::cancel, [&](AlertAction&) { chosen = "No"; }));
        screen->presentViewController(alert, false);
    });
    const auto titleWithRing = [&] {
        auto alert = host.presentedAlert();
        auto button = alert ? std::dynamic_pointer_cast<Button>(FocusNavigator::focused(*alert->view())) : nullptr;
        return button && ringed(button) ? button->currentTitle().value_or("") : "";
    };

    for (Key answer : {Key::tab, Key::enter}) {
        SCOPED_TRACE(answer == Key::tab ? "Tab, then Return" : "Return at once");
        ASSERT_TRUE(host.pressKey(Key::tab));
        ASSERT_TRUE(host.pressKey(Key::tab));
        ASSERT_TRUE(ringed(opener));
        ASSERT_TRUE(host.pressKey(Key::enter));
        host.advance(1);
        ASSERT_TRUE(host.presentedAlert());
        if (answer == Key::tab) {
            ASSERT_TRUE(host.pressKey(Key::tab));
            EXPECT_EQ(titleWithRing(), "No") << "the first Tab lands on the safe answer";
            ASSERT_TRUE(host.pressKey(Key::tab));
            EXPECT_EQ(titleWithRing(), "Yes") << "the destructive one is reached on purpose";
            ASSERT_TRUE(host.pressKey(Key::backTab));
            EXPECT_EQ(titleWithRing(), "No");
        }
        EXPECT_TRUE(host.pressKey(Key::enter));
        host.advance(1);
        EXPECT_FALSE(host.presentedAlert());
        EXPECT_EQ(chosen, "No");
        // The ring is back on the control that asked, and Tab goes on from there.
        EXPECT_TRUE(ringed(opener));
        EXPECT_EQ(FocusNavigator::focused(*screen->view()), opener);
        EXPECT_FALSE(ringed(other));
        chosen.clear();  // two Tabs go round to the opener again
    }
}

struct Items : CollectionViewDataSource, CollectionViewDelegate {
    int count = 0;
    std::vector<IndexPath> chosen;
    int numberOfItemsInSection(CollectionView&, int) override { return count; }
    std::shared_ptr<CollectionViewCell> cellForItemAt(CollectionView& view, const IndexPath& path) override {
        auto cell = view.dequeueReusableCell("cell", path);
        cell->setTag(path.item);
        return cell;
    }
    void didSelectItemAt(CollectionView&, const IndexPath& path) override { chosen.push_back(path); }
};

TEST_F(FocusKeysFixture, ArrowsMoveTheSelectionOfAFocusedGridIntoViewAndReturnChoosesIt) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    // Three items of 100 x 100 to a row, rows 110 apart; 30 items, 4 rows showing.
    FlowLayout layout;
    layout.itemSize = {100, 100};
    auto grid = kit::make<CollectionView>(Rect{0, 100, 320, 430}, layout);
    auto items = std::make_shared<Items>();
    items->count = 30;
    grid->registerCell("cell", [] { return kit::make<CollectionViewCell>(); });
    grid->setDelegate(items);
    grid->setDataSource(items);
    screen->view()->addSubview(grid);
    host.settle();

    ASSERT_TRUE(host.pressKey(Key::tab));
    ASSERT_EQ(FocusNavigator::focused(*screen->view()), grid);
    EXPECT_FALSE(host.pressKey(Key::enter)) << "nothing chosen yet";
    struct Step {
        Key key;
        int item;
    };
    const Step steps[] = {{Key::right, 0}, {Key::right, 1}, {Key::down, 4}, {Key::down, 7}, {Key::left, 6},
                          {Key::up, 3},    {Key::left, 2},  {Key::up, 2}};
    for (const auto& step : steps) {
        host.pressKey(step.key);
        ASSERT_EQ(grid->indexPathForSelectedItem(), IndexPath::forItem(step.item, 0));
        EXPECT_TRUE(ringed(grid->cellForItemAt(IndexPath::forItem(step.item, 0))));
    }
    EXPECT_FALSE(host.pressKey(Key::up)) << "no row above the first";
    EXPECT_TRUE(items->chosen.empty()) << "moving the selection chooses nothing";
    for (int i = 0; i < 9; ++i) host.pressKey(Key::down);
    EXPECT_EQ(grid->indexPathForSelectedItem(), IndexPath::forItem(29, 0));
    const Rect last = *grid->frameForItemAt(IndexPath::forItem(29, 0));
    EXPECT_GE(grid->contentOffset().y, last.maxY() - grid->bounds().height() - 0.5) << "scrolled into view";
    EXPECT_TRUE(ringed(grid->cellForItemAt(IndexPath::forItem(29, 0))));
    EXPECT_TRUE(host.pressKey(Key::enter));
    EXPECT_EQ(items->chosen, (std::vector<IndexPath>{IndexPath::forItem(29, 0)}));

    // Off the grid, its cells lose the ring.
    auto after = place<Button>(*screen->view(), {20, 600, 100, 40}, 1);
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_EQ(FocusNavigator::focused(*screen->view()), after);
    for (const auto& cell : grid->visibleCells()) EXPECT_FALSE(ringed(cell));
}

} // namespace
} // namespace kit::host
