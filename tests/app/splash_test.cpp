#include "app/splash.h"
#include "appfixture.h"

// The splash fades by 2 a tick from 255 and hides on the 127th tick; hidden, it does nothing more.
TEST(Splash, FadesOutOverOneHundredTwentySevenTicks)
{
    widgetApp();
    T_Ue splash;
    splash.t_UE.stop();  // ticks are driven by hand here
    EXPECT_EQ(splash.t_UE.interval(), 20);
    splash.show();
    for (int tick = 1; tick <= 126; ++tick)
        splash.t_UETimer();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.Opacity(), 3);
    splash.t_UETimer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.Opacity(), 1);
    splash.t_UETimer();
    EXPECT_EQ(splash.Opacity(), 1);
}
