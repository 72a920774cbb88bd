#pragma once
// A combination as a picture: equal colour blocks from top to bottom, captioned with their hex
// codes and, at the top left, the combination's name while "Labels" is on; "Save" writes the
// picture (only the blocks) to the photo library.
#include "kit/base/Color.h"
#include "kit/ui/ViewController.h"
#include "wheels/ScreenParts.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {
class Button;
class Label;
class Switch;
class TextField;
class View;
} // namespace kit

namespace combinations {

// "Labels", system 18, black.
std::shared_ptr<kit::Label> makeLabelText();

class CcImageVC : public kit::ViewController, public wheels::ColorsReceiver {
public:
    CcImageVC();

    // Entry fields, set before the view loads. No colours gives an empty picture.
    std::optional<std::vector<kit::Color>> colors;
    std::optional<std::string> name;
    void setColors(const std::vector<kit::Color>& list) override { colors = list; }

    std::shared_ptr<kit::Button> backBtn;
    std::shared_ptr<kit::View> viewForBackSwipe;
    std::shared_ptr<kit::View> imageView;
    std::shared_ptr<kit::TextField> textField;
    std::shared_ptr<kit::Button> saveButton;
    std::shared_ptr<kit::Switch> labelSwitch;
    std::shared_ptr<kit::Label> labelText;
    bool withLabels = true;

    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::darkContent; }

    void labelSwitchTapped();
    void saveImageToPhotos();
    void didFinishSaving(const std::optional<std::string>& error, const std::filesystem::path& file);
    // The name box of the picture, while one is drawn.
    std::shared_ptr<kit::View> nameBox() const { return nameBox_; }
    // The colour blocks of the picture, top to bottom.
    std::vector<std::shared_ptr<kit::Button>> blocks() const { return blocks_; }

private:
    void layoutControls();
    void composeImage();
    std::shared_ptr<kit::View> nameBox_;
    std::vector<std::shared_ptr<kit::Button>> blocks_;
};

} // namespace combinations
