#include "app/settings/RateAs.h"

#include "app/AppDelegate.h"
#include "app/SavedData.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"
#include "kit/text/Localization.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/ReviewRequest.h"

#include <map>

namespace app {
namespace {

const std::string& localized(const char* english) {
    // Each text is built once, on first use, and kept for the run.
    static std::map<std::string, std::string> cache;
    auto it = cache.find(english);
    if (it == cache.end()) it = cache.emplace(english, kit::localizedString(english, "Friday, September")).first;
    return it->second;
}

void leaveRating() { kit::Defaults::standard().set(true, Keys::userLeaveRating); }

} // namespace

bool RateAs::rateAlertShown = false;

std::string RateAs::feedbackURL() { return "https://tinctura.example.org/feedback"; }

void RateAs::rateIfNeeded(int interval, kit::ViewController& presenter) {
    auto& defaults = kit::Defaults::standard();
    const auto count = defaults.integer(Keys::appOpenTimes);
    if (count == 0) return;
    if (interval == 0) kit::fatal("rateIfNeeded: the interval must not be 0");
    if (count % interval != 0) return;
    if (defaults.boolean(Keys::userLeaveRating)) return;
    if (rateAlertShown) return;
    if (delegate().savedData.disablePolls) return;
    showRateAlert(presenter);
    rateAlertShown = true;
}

void RateAs::showRateAlert(kit::ViewController& presenter) {
    using L = LocalizedStringForRateAs;
    auto alert = kit::AlertController::make(L::doYouLikeOurApp(), L::pleaseRateOurApp());
    alert->addAction(kit::AlertAction::make(L::yes(), kit::AlertActionStyle::defaultStyle, [](kit::AlertAction&) {
        // Recorded before asking: the system alone decides whether a review sheet shows.
        leaveRating();
        kit::ReviewRequest::requestReview();
    }));
    std::weak_ptr<kit::ViewController> weak = presenter.shared_from_this();
    alert->addAction(kit::AlertAction::make(L::no(), kit::AlertActionStyle::defaultStyle, [weak](kit::AlertAction&) {
        if (auto screen = weak.lock()) showFeedbackAlert(*screen);
    }));
    alert->addAction(kit::AlertAction::make(L::notNow()));
    presenter.presentViewController(alert, true);
}

void RateAs::showFeedbackAlert(kit::ViewController& presenter) {
    using L = LocalizedStringForRateAs;
    auto alert = kit::AlertController::make(L::writeUsAMessage(), L::pleaseWriteWhatYouDoNotLike());
    alert->addAction(kit::AlertAction::make(L::notNow()));
    alert->addAction(kit::AlertAction::make(L::write(), kit::AlertActionStyle::defaultStyle, [](kit::AlertAction&) {
        const auto url = feedbackURL();
        if (kit::urlScheme(url).empty()) return;
        kit::Application::shared().openURL(url, [](bool) { leaveRating(); });
    }));
    presenter.presentViewController(alert, true);
}

const std::string& LocalizedStringForRateAs::doYouLikeOurApp() { return localized("Do you like our app?"); }
const std::string& LocalizedStringForRateAs::pleaseRateOurApp() {
    return localized("Please rate our app - good ratings are very motivating for further improvements and the "
                     "introduction of new features.");
}
const std::string& LocalizedStringForRateAs::yes() { return localized("Yes"); }
const std::string& LocalizedStringForRateAs::no() { return localized("No"); }
const std::string& LocalizedStringForRateAs::notNow() { return localized("Not Now"); }
const std::string& LocalizedStringForRateAs::writeUsAMessage() { return localized("Write us a message"); }
const std::string& LocalizedStringForRateAs::pleaseWriteWhatYouDoNotLike() {
    return localized("Please write what you do not like in the app, and we will fix it.");
}
const std::string& LocalizedStringForRateAs::write() { return localized("Write"); }

} // namespace app
