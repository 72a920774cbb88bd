#include "kit/host/Headless.h"

#include "kit/base/Make.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Responder.h"
#include "kit/ui/TextField.h"

#include <gtest/gtest.h>

namespace kit::host {
namespace {

struct KeyCommandsFixture : ::testing::Test {
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
};

TEST_F(KeyCommandsFixture, EscapePopsTheStackThenClosesTheModalScreenItSitsOn) {
    Headless host;
    auto first = kit::make<ViewController>(), second = kit::make<ViewController>();
    auto nav = kit::make<NavigationController>(first);
    host.setRootViewController(nav);
    nav->pushViewController(second, false);
    host.settle();

    // A modal screen holding a stack of its own, as a settings page opening an about page would.
    auto modalFirst = kit::make<ViewController>(), modalSecond = kit::make<ViewController>();
    auto modalNav = kit::make<NavigationController>(modalFirst);
    second->presentViewController(modalNav, false);
    modalNav->pushViewController(modalSecond, false);
    host.advance(1);

    EXPECT_TRUE(host.pressKey(Key::escape));
    EXPECT_EQ(host.topViewController(), modalFirst);
    EXPECT_TRUE(host.pressKey(Key::escape));
    host.advance(1);
    EXPECT_EQ(host.topViewController(), second);
    EXPECT_TRUE(host.pressKey(Key::escape));
    host.advance(1);
    EXPECT_EQ(host.topViewController(), first);
    EXPECT_FALSE(host.pressKey(Key::escape));  // the first screen has nowhere to go back to
    EXPECT_FALSE(host.pressKey(Key::enter));
    EXPECT_EQ(host.topViewController(), first);

    // A plain modal screen (no stack) closes too.
    auto about = kit::make<ViewController>();
    first->presentViewController(about, false);
    host.advance(1);
    EXPECT_TRUE(host.pressKey(Key::escape));
    host.advance(1);
    EXPECT_EQ(host.topViewController(), first);
}

TEST_F(KeyCommandsFixture, EscapeClosesTheInnermostOpenThingFirstThenTheAlertThenTheScreen) {
    Headless host;
    auto first = kit::make<ViewController>(), screen = kit::make<ViewController>();
    auto nav = kit::make<NavigationController>(first);
    host.setRootViewController(nav);
    nav->pushViewController(screen, false);
    host.settle();

    // A sheet holding an open menu, in front of a hidden overlay and a closed menu behind it.
    std::vector<std::string> closed;
    auto opener = [&closed](const std::shared_ptr<View>& view, std::string name) {
        view->setEscapeAction([&closed, weak = std::weak_ptr<View>(view), name] {
            closed.push_back(name);
            if (auto v = weak.lock()) v->removeFromSuperview();
        });
    };
    auto behind = kit::make<View>(), hidden = kit::make<View>(), sheet = kit::make<View>(), menu = kit::make<View>();
    opener(behind, "behind");
    opener(hidden, "hidden");
    opener(sheet, "sheet");
    opener(menu, "menu");
    hidden->setHidden(true);
    screen->view()->addSubview(behind);
    screen->view()->addSubview(sheet);
    screen->view()->addSubview(hidden);
    sheet->addSubview(kit::make<View>());
    sheet->addSubview(menu);

    EXPECT_TRUE(host.pressKey(Key::escape));
    EXPECT_TRUE(host.pressKey(Key::escape));
    EXPECT_EQ(closed, (std::vector<std::string>{"menu", "sheet"}));
    EXPECT_EQ(host.topViewController(), screen) << "the screen stays while something on it was open";

    // An alert over the screen closes before what lies open under it.
    auto alert = AlertController::make("Title", "");
    alert->addAction(AlertAction::make("Cancel", AlertActionStyle::cancel));
    screen->presentViewController(alert, false);
    host.advance(1);
    EXPECT_TRUE(host.pressKey(Key::escape));
    host.advance(1);
    EXPECT_FALSE(host.presentedAlert());
    EXPECT_EQ(closed.size(), 2u);

    EXPECT_TRUE(host.pressKey(Key::escape));
    EXPECT_TRUE(host.pressKey(Key::escape));
    host.advance(1);
    EXPECT_EQ(closed, (std::vector<std::string>{"menu", "sheet", "behind"}));
    EXPECT_EQ(host.topViewController(), first);
}

TEST_F(KeyCommandsFixture, EscapeCancelsAndReturnConfirmsEveryKindOfAlert) {
    using Style = AlertActionStyle;
    struct Action {
        std::string title;
        Style style;
        bool enabled = true;
    };
    struct Case {
        std::vector<Action> actions;
        AlertControllerStyle style;
        std::string onEscape, onReturn;  // "" when the key chooses nothing
        bool escapeCloses;
    };
    const std::vector<Case> cases = {
        {{{"Cancel", Style::cancel}, {"Save", Style::defaultStyle}}, AlertControllerStyle::alert, "Cancel", "Save", true},
        {{{"Save", Style::defaultStyle}, {"Cancel", Style::cancel}}, AlertControllerStyle::alert, "Cancel", "Save", true},
        // A "Cancel" given the default style still cancels, and is never the default.
        {{{"Cancel", Style::defaultStyle}, {"Add", Style::defaultStyle}}, AlertControllerStyle::alert, "Cancel", "Add", true},
        // Return never destroys: beside a destructive action it keeps what is asked about.
        {{{"Delete", Style::destructive}, {"Cancel", Style::cancel}}, AlertControllerStyle::alert, "Cancel", "Cancel", true},
        {{{"Yes", Style::destructive}, {"No", Style::cancel}}, AlertControllerStyle::alert, "No", "No", true},
        {{{"OK", Style::defaultStyle}}, AlertControllerStyle::alert, "OK", "OK", true},
        {{{"Later", Style::defaultStyle, false}, {"Now", Style::defaultStyle}, {"Never", Style::destructive}},
         AlertControllerStyle::alert, "", "Now", false},
        // An action sheet without a cancel action closes without choosing.
        {{{"Red", Style::defaultStyle}, {"Blue", Style::defaultStyle}}, AlertControllerStyle::actionSheet, "", "Red", true},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        for (Key key : {Key::escape, Key::enter}) {
            Headless host;
            auto screen = kit::make<ViewController>();
            host.setRootViewController(screen);
            auto alert = AlertController::make("Title", "", cases[i].style);
            std::string chosen;
            for (const auto& a : cases[i].actions) {
                auto action = AlertAction::make(a.title, a.style, [&chosen](AlertAction& act) { chosen = act.title(); });
                action->setEnabled(a.enabled);
                alert->addAction(action);
            }
            screen->presentViewController(alert, false);
            host.settle();
            const std::string& expected = key == Key::escape ? cases[i].onEscape : cases[i].onReturn;
            const bool closes = key == Key::escape ? cases[i].escapeCloses : !expected.empty();
            EXPECT_EQ(host.pressKey(key), closes) << "case " << i;
            host.advance(1);
            EXPECT_EQ(chosen, expected) << "case " << i;
            EXPECT_EQ(host.presentedAlert() == nullptr, closes) << "case " << i;
        }
    }
}

TEST_F(KeyCommandsFixture, TabMovesThroughAnAlertsFieldsAndButtonsAndReturnAddsWhatWasTyped) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto alert = AlertController::make("Enter RGB color", "");
    for (int i = 0; i < 3; ++i) alert->addTextField();
    std::string added;
    alert->addAction(AlertAction::make("Cancel", AlertActionStyle::cancel));
    alert->addAction(AlertAction::make("Add", AlertActionStyle::defaultStyle, [&](AlertAction&) {
        for (const auto& field : alert->textFields()) added += field->text() + ";";
    }));
    screen->presentViewController(alert, false);
    host.advance(1);
    // The first field has the keyboard when the alert appears.
    host.typeText("12");
    ASSERT_TRUE(host.pressKey(Key::tab));
    host.typeText("34");
    ASSERT_TRUE(host.pressKey(Key::tab));
    host.typeText("56");
    // On from the last field through the alert's two buttons, and round to the first field.
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_EQ(Responder::currentFirstResponder(), nullptr);
    ASSERT_TRUE(host.pressKey(Key::tab));
    ASSERT_TRUE(host.pressKey(Key::tab));
    EXPECT_EQ(Responder::currentFirstResponder(), alert->textFields().front());
    ASSERT_TRUE(host.pressKey(Key::enter));
    host.advance(1);
    EXPECT_EQ(added, "12;34;56;");
}

} // namespace
} // namespace kit::host
