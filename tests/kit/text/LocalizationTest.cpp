#include "kit/text/Localization.h"

#include <gtest/gtest.h>

TEST(Localization, EnglishTextIsTheKeyAndTheFallback) {
    kit::Localization::setTable({});
    EXPECT_EQ(kit::localizedString("Delete", "September"), "Delete");
    kit::Localization::setTable({{"Delete", "Löschen"}, {"Saved", ""}});
    EXPECT_EQ(kit::localizedString("Delete"), "Löschen");
    EXPECT_EQ(kit::localizedString("Saved"), "Saved");  // an empty translation counts as none
    EXPECT_EQ(kit::localizedString("Close"), "Close");
    EXPECT_FALSE(kit::Localization::loadTable("/nonexistent/table.json"));
    EXPECT_EQ(kit::localizedString("Delete"), "Löschen");
    kit::Localization::setTable({});
}
