#pragma once
// The application delegate: the app-wide state every screen reaches for (colour-code output mode,
// settings record, haptic generator, object-store container) and the application callbacks.
#include "app/SavedData.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/ui/Application.h"
#include "kit/ui/Haptics.h"

#include <memory>

namespace app {

class AppDelegate : public kit::ApplicationDelegate {
public:
    AppDelegate();
    ~AppDelegate() override;

    int outputMode = 0;
    SavedData savedData;
    kit::ImpactFeedbackGenerator hapticGenerator{kit::ImpactFeedbackStyle::light};

    // Built at first use and kept: mirrored to the cloud when "CLOUD_STORAGE" was on at that moment.
    kit::PersistentContainer& persistentContainer();
    bool hasPersistentContainer() const { return container_ != nullptr; }

    // Saves the view context if it has changes. A failure is logged ("Unresolved error ..."), the pending
    // changes are rolled back, the user is told by a toast, and false is returned; the app keeps running.
    bool saveContext();
    // Deletes the records of every entity; false (with "Can't delete all local core data.") on failure.
    bool deleteAllLocalData();
    void pinQueryGeneration();

    bool didFinishLaunching() override;
    void willEnterForeground() override;
    // Nothing is saved on the way out: every save happens when it is made.
    void willResignActive() override {}
    void didEnterBackground() override {}
    void didBecomeActive() override {}
    void willTerminate() override {}

    static std::unique_ptr<kit::PersistentContainer> makePersistentContainer(bool cloudStorage);

private:
    std::unique_ptr<kit::PersistentContainer> container_;
};

// The application's delegate as an AppDelegate; none, or another type, is a programming error.
AppDelegate& delegate();
// Installs the delegate on the application object (nullptr removes it).
void setDelegate(std::shared_ptr<AppDelegate> delegate);

// Toast texts of storage failures.
std::string notSavedText();
std::string storeUnavailableText();
std::string storeMovedAsideText(const std::string& keptPath);

} // namespace app
