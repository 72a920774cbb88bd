#pragma once
// The rating prompt: now and then asks the user to rate the app, and offers a feedback link to
// those who decline. The main menu runs the check each time it is shown.
#include <string>

namespace kit {
class ViewController;
} // namespace kit

namespace app {

class RateAs {
public:
    // Shows the first alert when the launch count is a positive multiple of `interval`, the user
    // has not rated or written yet, polls are not disabled and no alert was shown in this run.
    // A zero interval is a programming error.
    static void rateIfNeeded(int interval, kit::ViewController& presenter);
    static void showRateAlert(kit::ViewController& presenter);
    static void showFeedbackAlert(kit::ViewController& presenter);

    // Set once the first alert was shown in this run.
    static bool rateAlertShown;
    // The maker's web page that "Write" opens.
    static std::string feedbackURL();
};

// The prompt's texts, looked up once each (English is the key).
struct LocalizedStringForRateAs {
    static const std::string& doYouLikeOurApp();
    static const std::string& pleaseRateOurApp();
    static const std::string& yes();
    static const std::string& no();
    static const std::string& notNow();
    static const std::string& writeUsAMessage();
    static const std::string& pleaseWriteWhatYouDoNotLike();
    static const std::string& write();
};

} // namespace app
