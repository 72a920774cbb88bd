#pragma once
// The application delegate: the app-wide state every screen reaches for (colour-code output mode,
// settings record, haptic generator, object-store container) and the application callbacks.
#include "app/SavedData.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/ui/Haptics.h"

#include <memory>

namespace app {

class AppDelegate {
public:
    AppDelegate();
    virtual ~AppDelegate();

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

    bool didFinishLaunching();
    void willEnterForeground();
    void willResignActive() {}
    void didEnterBackground() {}
    void didBecomeActive() {}
    void willTerminate() {}

    static std::unique_ptr<kit::PersistentContainer> makePersistentContainer(bool cloudStorage);

private:
    std::unique_ptr<kit::PersistentContainer> container_;
};

// The process's delegate; asking before one is installed is a programming error.
AppDelegate& delegate();
void setDelegate(std::shared_ptr<AppDelegate> delegate);
bool hasDelegate();

// Toast texts of storage failures.
std::string notSavedText();
std::string storeUnavailableText();
std::string storeMovedAsideText(const std::string& keptPath);

} // namespace app
