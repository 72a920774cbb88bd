#include "app/ui/Strings.h"
#include "kit/text/Localization.h"

#include <gtest/gtest.h>

// Texts are looked up once per run, so translation is checked on texts no other test reads.
TEST(Strings, EnglishIsTheFallbackAndCompositesKeepTheirPunctuation) {
    EXPECT_EQ(app::Strings::entryCount(), 145u);
    EXPECT_EQ(app::Strings::comment("Liked"), "Friday, September");
    kit::Localization::setTable({{"Delete", "LÖSCHEN"}, {"Swipe left", "Nach links wischen"}});
    EXPECT_EQ(app::Strings::swipeLeftDelete(), "Nach links wischen - löschen");
    kit::Localization::setTable({});
    EXPECT_EQ(app::Strings::text("Close"), "Close");
    EXPECT_EQ(app::Strings::colorSavedToClipboard(), "Color has been saved to clipboard.");
    EXPECT_EQ(app::Strings::combinationSavedInLiked(), "Combination has been saved in \"Color Combinations > Liked\".");
    EXPECT_EQ(app::Strings::swatchesGestureHelp(),
              "One finger tap - copy color to clipboard.\n\nLong press - add to \"Color Combinations > Single\".\n\n"
              "Swipe right - open in Digital Zovez Aziva");
}
