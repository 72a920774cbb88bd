#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/TextField.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

TEST(TextField, TapFocusesTypingEditsReturnEnds) {
    auto root = make<View>(Rect{0, 0, 300, 100});
    auto field = make<TextField>(Rect{10, 10, 200, 34});
    root->addSubview(field);
    std::vector<std::string> log;
    field->addTarget(nullptr, "", ControlEvent::editingDidBegin, [&] { log.push_back("begin"); });
    field->addTarget(nullptr, "", ControlEvent::editingChanged, [&](Control& c) { log.push_back(static_cast<TextField&>(c).text()); });
    field->addTarget(nullptr, "", ControlEvent::editingDidEnd, [&] { log.push_back("end"); });
    EventDispatcher input(root);
    input.touchBegan(1, {50, 20});
    input.touchEnded(1, {50, 20});
    ASSERT_TRUE(field->isFirstResponder());
    auto keys = std::dynamic_pointer_cast<KeyInput>(Responder::currentFirstResponder());
    ASSERT_TRUE(keys);
    keys->insertText("ab");
    keys->insertText("é");
    keys->deleteBackward();
    keys->insertText("\xF0\x9F\x8E\xA8"); // a palette emoji, four bytes
    keys->deleteBackward();
    keys->insertText("c\n");
    EXPECT_EQ(field->text(), "abc");
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "ab", "abé", "ab", "ab\xF0\x9F\x8E\xA8", "ab", "abc", "end"}));

    field->setKeyboardType(KeyboardType::numberPad);
    field->setText("");
    field->insertText("1a2");
    EXPECT_EQ(field->text(), "12");
}

} // namespace
} // namespace kit
