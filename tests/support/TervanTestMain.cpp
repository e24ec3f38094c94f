// The entry point of the tests that run the program: its resources are the
// framework's, as the application object makes them in the real program.
#include <gtest/gtest.h>

#include "res/Resources.h"

int main(int argc, char* argv[])
{
    SetApplicationResources(&TervanResources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
