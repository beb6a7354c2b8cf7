#include "document/textformat.h"
#include "edit/properties.h"

#include <gtest/gtest.h>

TEST(PropertyStates, TensionRoundsHalvesToEvenKindAndWidthOutsideLeaveGroups)
{
    struct Case { float tension; std::optional<int> curve; } cases[] = {
        {0.5f, 531}, {0.0f, 530}, {0.1f, 530}, {0.125f, 530}, {0.375f, 531}, {1.0f, std::nullopt},
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
    EXPECT_EQ(PropertyStatesFor(odd).kindTag, 514);
    EXPECT_EQ(PropertyStatesFor(odd).widthTag, 523);
}

TEST(PropertyStates, TheCurrentLayerOfTheExampleShowsItsKind)
{
    const PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    EXPECT_EQ(PropertyStatesFor(doc.TCurveStruct[1]).kindTag, 511);  // the white body
}
