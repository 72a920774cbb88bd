#include "app/settings/SettingsVC.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "app/settings/BackNavigation.h"
#include "app/settings/SettingsScreens.h"
#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Switch.h"
#include "kit/ui/View.h"

namespace app {
namespace {

constexpr double titleTop = 1;
constexpr double firstRowTop = 64;
constexpr double rowHeight = 56;
constexpr double captionLeft = 24;
// The menus sit 10 from the right edge and are 110 wide; switches are centred under them.
constexpr double controlCenterFromRight = 10 + 110.0 / 2;

std::shared_ptr<kit::Label> makeCaption(const std::string& text) {
    auto label = kit::make<kit::Label>();
    label->setText(text);
    label->setFont(kit::Font::system(17));
    label->setTextColor(kit::Color::whiteColor());
    label->setNumberOfLines(2);
    return label;
}

std::shared_ptr<kit::View> makeSeparator() {
    auto line = kit::make<kit::View>();
    line->setBackgroundColor(kit::Color::rgba(1, 1, 1, 0.1));
    line->setUserInteractionEnabled(false);
    return line;
}

std::shared_ptr<kit::Button> makeLinkButton(const std::string& title) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title, kit::ControlState::normal);
    button->setTitleColor(kit::Color::whiteColor(), kit::ControlState::normal);
    button->setTitleColor(kit::Color::rgba(1, 1, 1, 0.5), kit::ControlState::highlighted);
    button->titleLabel()->setFont(kit::Font::system(17));
    button->setContentHorizontalAlignment(kit::ContentHorizontalAlignment::left);
    button->setContentEdgeInsets({0, captionLeft, 0, 0});
    auto chevron = kit::make<kit::Label>();
    chevron->setText("›");
    chevron->setFont(kit::Font::system(24, kit::FontWeight::light));
    chevron->setTextColor(kit::Color::rgba(1, 1, 1, 0.5));
    chevron->setUserInteractionEnabled(false);
    button->addSubview(chevron);
    anchorWithCenter(*chevron, std::nullopt, std::nullopt, std::nullopt, button->rightAnchor(), std::nullopt,
                     button->centerYAnchor(), 0, 0, 0, 20, 14, 30);
    return button;
}

} // namespace

void SettingsVC::loadView() {
    ViewController::loadView();
    buildScene();
}

// The scene: title, one row per setting (caption on the left, its control on the right) and the
// rows that lead to further screens.
void SettingsVC::buildScene() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    auto safeTop = root->safeAreaLayoutGuide().topAnchor();
    std::weak_ptr<SettingsVC> weak = std::static_pointer_cast<SettingsVC>(shared_from_this());

    auto title = kit::make<kit::Label>();
    title->setText("Settings");
    title->setFont(kit::Font::system(23, kit::FontWeight::semibold));
    title->setTextColor(kit::Color::whiteColor());
    title->setTextAlignment(kit::TextAlignment::center);
    root->addSubview(title);
    anchorWithCenter(*title, safeTop, std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(), std::nullopt,
                     titleTop, 0, 0, 0, 250, 40);

    const char* captions[] = {"Output format", "Color names", "Adjustable harmony angle", "No rating requests",
                              "Cloud storage"};
    std::vector<std::shared_ptr<kit::Label>> rows;
    for (int i = 0; i < 5; ++i) {
        auto caption = makeCaption(captions[i]);
        root->addSubview(caption);
        anchor(*caption, safeTop, root->leftAnchor(), std::nullopt, root->rightAnchor(), firstRowTop + i * rowHeight,
               captionLeft, 0, 2 * controlCenterFromRight + 8, 0, rowHeight);
        auto line = makeSeparator();
        root->addSubview(line);
        anchor(*line, caption->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 0, captionLeft,
               0, 0, 0, 1);
        rows.push_back(caption);
    }
    outputTitleLbl = rows[0];
    colorNameFormatLbl = rows[1];

    auto cloudNote = kit::make<kit::Label>();
    cloudNote->setText("Cloud storage takes effect the next time the app starts.");
    cloudNote->setFont(kit::Font::system(13));
    cloudNote->setTextColor(kit::Color::rgba(1, 1, 1, 0.5));
    cloudNote->setNumberOfLines(2);
    root->addSubview(cloudNote);
    anchor(*cloudNote, rows[4]->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 6, captionLeft,
           0, captionLeft, 0, 34);

    using Handler = void (SettingsVC::*)(kit::Switch&);
    const std::pair<int, Handler> switches[] = {{2, &SettingsVC::adjustableSchemasSwitchTapped},
                                                {3, &SettingsVC::disablePollsSwitchTapped},
                                                {4, &SettingsVC::icloudStorageTapped}};
    for (const auto& [row, handler] : switches) {
        auto control = kit::make<kit::Switch>();
        root->addSubview(control);
        control->setTranslatesAutoresizingMaskIntoConstraints(false);
        kit::layout::Constraint::activate(
            {control->centerXAnchor().equalTo(root->rightAnchor(), -controlCenterFromRight),
             control->centerYAnchor().equalTo(rows[static_cast<std::size_t>(row)]->centerYAnchor()),
             control->widthAnchor().equalToConstant(kit::Switch::kSize.width),
             control->heightAnchor().equalToConstant(kit::Switch::kSize.height)});
        control->addTarget(this, "switchTapped:", kit::ControlEvent::valueChanged,
                           [weak, handler](kit::Control& sender) {
                               if (auto self = weak.lock()) ((*self).*handler)(static_cast<kit::Switch&>(sender));
                           });
        if (row == 2) adjustableSchemasSwitch = control;
        if (row == 3) disablePollsSwitch = control;
        if (row == 4) icloudStorage = control;
    }

    privacyButton_ = makeLinkButton("Privacy");
    aboutButton_ = makeLinkButton("About");
    std::shared_ptr<kit::View> above = cloudNote;
    double gap = 28;
    for (const auto& [button, identifier] : {std::pair{privacyButton_, segue::privacy}, std::pair{aboutButton_, segue::about}}) {
        auto line = makeSeparator();
        root->addSubview(line);
        anchor(*line, above->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), gap, captionLeft, 0,
               0, 0, 1);
        root->addSubview(button);
        anchor(*button, line->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 0, 0, 0, 0, 0,
               rowHeight);
        button->addTarget(this, identifier, kit::ControlEvent::touchUpInside, [weak, identifier](kit::Control& sender) {
            if (auto self = weak.lock())
                self->performSegue(identifier, std::static_pointer_cast<kit::Button>(sender.shared_from_this()));
        });
        above = button;
        gap = 0;
    }
    auto last = makeSeparator();
    root->addSubview(last);
    anchor(*last, above->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 0, captionLeft, 0, 0, 0,
           1);
}

void SettingsVC::viewDidLoad() {
    auto root = view();
    std::weak_ptr<SettingsVC> weak = std::static_pointer_cast<SettingsVC>(shared_from_this());
    viewForBackSwipe = addBackSwipeStrip(*root, 0, [weak] {
        if (auto self = weak.lock()) self->backBySwipe();
    });
    backButton_ = addBackButton(*root);
    backButton_->addTarget(this, "backBtnTapped:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->backBtnTapped(static_cast<kit::Button&>(sender));
    });
    buildMenus();

    auto adjustable = adjustableSchemasSwitch.lock();
    auto cloud = icloudStorage.lock();
    auto polls = disablePollsSwitch.lock();
    if (!adjustable || !cloud || !polls) kit::fatal("SettingsVC: a switch outlet is not connected");
    const auto& saved = delegate().savedData;
    adjustable->setOn(saved.isAdjustableSchemas);
    cloud->setOn(saved.icloudStorage);
    polls->setOn(saved.disablePolls);
}

void SettingsVC::buildMenus() {
    auto root = view();
    auto outputTitle = outputTitleLbl.lock();
    auto nameTitle = colorNameFormatLbl.lock();
    if (!outputTitle || !nameTitle) kit::fatal("SettingsVC: a caption outlet is not connected");
    const auto background = kit::Color::rgba(0.32181782, 0.34216052, 0.4125536, 1);

    dropDownMenu = kit::make<DropDownMenu>(root, DropDownMenuStickTo::left, outputTitle, colorFormatTitles(),
                                           delegate().outputMode, background, kit::Color::whiteColor(), true, false, 0,
                                           10, 110, 35, 16, 3);
    formatDelegate_.owner = this;
    dropDownMenu->delegate = std::shared_ptr<DropDownMenuDelegate>(shared_from_this(), &formatDelegate_);

    // The name table is read anew: the shared settings keep their launch value of it.
    const auto current = loadSavedData().colorNameFormat;
    int position = 0;
    for (std::size_t i = 0; i < allColorNameFormats.size(); ++i)
        if (allColorNameFormats[i] == current) position = static_cast<int>(i);
    colorNameFormatDropdownMenu = kit::make<DropDownMenu2>(root, DropDownMenuStickTo::left, nameTitle,
                                                           colorNameFormatTitles(), position, background,
                                                           kit::Color::whiteColor(), true, false, 0, 10, 110, 35, 16, 3);
    nameDelegate_.owner = this;
    colorNameFormatDropdownMenu->delegate = std::shared_ptr<DropDownMenuDelegate2>(shared_from_this(), &nameDelegate_);
}

void SettingsVC::formatSelected(int index) { setColorFormat(index); }

void SettingsVC::colorNameFormatSelected(int index) {
    kit::Defaults::standard().set(index == 0 ? 0 : index == 2 ? 2 : 1, Keys::colorNameFormat);
}

void SettingsVC::adjustableSchemasSwitchTapped(kit::Switch& sender) {
    delegate().savedData.isAdjustableSchemas = sender.isOn();
    kit::Defaults::standard().set(sender.isOn(), Keys::isAdjustableSchemas);
}

void SettingsVC::icloudStorageTapped(kit::Switch& sender) {
    auto& app = delegate();
    // The store's kind is chosen once per run, when it is first opened: open it now, before the
    // setting changes, so that the new value takes effect at the next start and not at a later save.
    (void)app.persistentContainer();
    app.savedData.icloudStorage = sender.isOn();
    kit::Defaults::standard().set(sender.isOn(), Keys::cloudStorage);
    if (sender.isOn()) app.pinQueryGeneration();
}

void SettingsVC::disablePollsSwitchTapped(kit::Switch& sender) {
    delegate().savedData.disablePolls = sender.isOn();
    kit::Defaults::standard().set(sender.isOn(), Keys::disablePolls);
}

void SettingsVC::backBtnTapped(kit::Button&) { app::backBtnTapped(*this); }

void SettingsVC::backBySwipe() { app::backBySwipe(*this); }

void SettingsVC::prepareForSegue(kit::StoryboardSegue&, const std::any&) { tapHaptic(); }

} // namespace app
