#include "document/textformat.h"
#include "edit/properties.h"

#include <gtest/gtest.h>

TEST(PropertyStates, TensionRoundsHalvesToEvenKindAndWidthOutsideLeaveGroups)
{
    using enum ControlTag;
    struct Case { float tension; std::optional<ControlTag> curve; } cases[] = {
        {0.5f, Curve}, {0.0f, Broken}, {0.1f, Broken}, {0.125f, Broken}, {0.375f, Curve}, {1.0f, std::nullopt},
    };
    for (const Case &c : cases) {
        R_Curve l;
        l.Tension = c.tension;
        EXPECT_EQ(PropertyStatesFor(l).curveTag, c.curve) << c.tension;
    }
    R_Curve odd;
    odd.TypeC = 5;
    odd.Width = 12;
    EXPECT_FALSE(PropertyStatesFor(odd).kindTag);
    EXPECT_FALSE(PropertyStatesFor(odd).widthTag);
    odd.TypeC = 4;
    odd.Width = 16;
    EXPECT_EQ(PropertyStatesFor(odd).kindTag, Dots);
    EXPECT_EQ(PropertyStatesFor(odd).widthTag, Width16);
}

TEST(PropertyStates, TheCurrentLayerOfTheExampleShowsItsKind)
{
    const PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    EXPECT_EQ(PropertyStatesFor(doc.TCurveStruct[1]).kindTag, ControlTag::Blur);  // the white body
}
