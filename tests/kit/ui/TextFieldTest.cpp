#include "kit/base/Make.h"
#include "kit/graphics/Image.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/Pasteboard.h"
#include "kit/ui/TextField.h"
#include "kit/ui/ViewController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

using host::KeyModifiers;
using host::TextKey;

constexpr KeyModifiers ctrl{true, false};
constexpr KeyModifiers shift{false, true};

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

// A screen with one field being edited, in the headless host.
struct EditedField : ::testing::Test {
    void SetUp() override {
        Application::resetShared();
        host = std::make_unique<host::Headless>();
        auto screen = make<ViewController>();
        screen->view()->setBackgroundColor(Color::whiteColor());
        field = make<TextField>(Rect{20, 100, 160, 34});
        field->setBorderStyle(TextBorderStyle::roundedRect);
        screen->view()->addSubview(field);
        host->setRootViewController(screen);
        host->tap(field);
        ASSERT_TRUE(field->isEditing());
        field->addTarget(nullptr, "", ControlEvent::editingChanged, [this] { ++changes; });
    }
    void TearDown() override {
        Pasteboard::general().setString("");
        host.reset();
        Application::resetShared();
    }
    void press(TextKey key, KeyModifiers modifiers = {}, int times = 1) {
        for (int i = 0; i < times; ++i) EXPECT_TRUE(host->pressTextKey(key, modifiers));
    }

    std::unique_ptr<host::Headless> host;
    std::shared_ptr<TextField> field;
    int changes = 0;
};

TEST_F(EditedField, CaretKeysMoveByWholeCharactersAndTypingGoesAtTheCaret) {
    host->typeText("ae\xCC\x81z");  // an e with a combining accent: one character, three bytes
    press(TextKey::left);
    press(TextKey::left);
    EXPECT_EQ(field->caretPosition(), 1u) << "the accented e is stepped over whole";
    host->typeText("b");
    press(TextKey::home);
    host->typeText(">");
    press(TextKey::end);
    host->typeText("<");
    EXPECT_EQ(field->text(), ">abe\xCC\x81z<");
    press(TextKey::home);
    press(TextKey::deleteKey);
    press(TextKey::right);
    press(TextKey::backspace);
    EXPECT_EQ(field->text(), "be\xCC\x81z<");
    EXPECT_EQ(field->caretPosition(), 0u);
    // Movement alone changes no text and tells nobody.
    changes = 0;
    press(TextKey::right, {}, 3);
    press(TextKey::left);
    EXPECT_EQ(changes, 0);
}

TEST_F(EditedField, SelectionCopyCutPasteAndSelectAll) {
    host->typeText("hello world");
    press(TextKey::home);
    press(TextKey::right, shift, 5);
    EXPECT_EQ(field->selectedText(), "hello");
    press(TextKey::c, ctrl);
    EXPECT_EQ(Pasteboard::general().string(), "hello");
    press(TextKey::end);
    EXPECT_EQ(field->selectedText(), "");
    host->typeText(" ");
    press(TextKey::v, ctrl);
    EXPECT_EQ(field->text(), "hello world hello");

    // Typing replaces a selection; Left collapses one to its start.
    press(TextKey::left, shift, 5);
    host->typeText("there");
    EXPECT_EQ(field->text(), "hello world there");
    press(TextKey::home, shift);
    press(TextKey::left);
    EXPECT_EQ(field->caretPosition(), 0u);

    press(TextKey::a, ctrl);
    EXPECT_EQ(field->selectedText(), "hello world there");
    changes = 0;
    press(TextKey::x, ctrl);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(Pasteboard::general().string(), "hello world there");
    press(TextKey::insert, shift);
    EXPECT_EQ(field->text(), "hello world there");
    EXPECT_EQ(changes, 2);

    // Copying or cutting nothing leaves the pasteboard alone.
    press(TextKey::c, ctrl);
    press(TextKey::x, ctrl);
    EXPECT_EQ(Pasteboard::general().string(), "hello world there");
}

TEST_F(EditedField, PastedTextStaysOneLineAndEditingGoesOn) {
    Pasteboard::general().setString("#1E90FF\r\n\tnext\x07");
    press(TextKey::v, ctrl);
    EXPECT_EQ(field->text(), "#1E90FF  next");
    EXPECT_TRUE(field->isEditing()) << "a pasted line break is no Return";
    field->setText("");
    field->setKeyboardType(KeyboardType::numberPad);
    Pasteboard::general().setString("12a3");
    press(TextKey::v, ctrl);
    EXPECT_EQ(field->text(), "123");
}

TEST_F(EditedField, KeysWithoutAFieldOrMeaningAreLeftToTheScreen) {
    EXPECT_FALSE(host->pressTextKey(TextKey::v)) << "a plain v is typed text, not a command";
    EXPECT_FALSE(host->pressTextKey(TextKey::insert));
    field->resignFirstResponder();
    EXPECT_FALSE(host->pressTextKey(TextKey::v, ctrl));
    EXPECT_FALSE(host->pressTextKey(TextKey::home));
}

TEST_F(EditedField, LongTextScrollsToKeepTheCaretInView) {
    const Rect inside = field->bounds().insetBy(6, 0);
    auto caretInView = [&] {
        const Rect caret = field->caretRect();
        return caret.minX() >= inside.minX() && caret.maxX() <= inside.maxX();
    };
    host->typeText("a name far longer than the field is wide, typed to its end");
    EXPECT_GT(field->textScroll(), 0);
    EXPECT_TRUE(caretInView()) << field->caretRect().minX();
    press(TextKey::home);
    EXPECT_EQ(field->textScroll(), 0);
    EXPECT_TRUE(caretInView());
    // Moving inside the visible part scrolls nothing.
    press(TextKey::right, {}, 3);
    EXPECT_EQ(field->textScroll(), 0);
    press(TextKey::end);
    EXPECT_TRUE(caretInView());

    // What is drawn is the end of the text: clipped inside the border, never spilling past it.
    const Image image = host->render(1);
    auto inkAt = [&](double x) {
        int dark = 0;
        for (int y = 105; y < 130; ++y) dark += image.colorAt(static_cast<int>(x), y).red() < 0.5;
        return dark;
    };
    int inkInside = 0;
    for (double x = 30; x < 170; ++x) inkInside += inkAt(x);
    EXPECT_GT(inkInside, 50);
    for (double x = 182; x < 200; ++x) EXPECT_EQ(inkAt(x), 0) << x;
}

} // namespace
} // namespace kit
