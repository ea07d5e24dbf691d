#include <gtest/gtest.h>

#include "ui/framework/application.h"

// One application object for all tests, as the program has; named as the program is.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char name[] = "/usr/bin/colvexa";
    char* appArgv[] = {name, nullptr};
    colvexa::ui::TApplication application(appArgc, appArgv);
    return RUN_ALL_TESTS();
}
