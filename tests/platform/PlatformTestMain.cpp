// The framework's tests run with the probe's resource table.
#include <gtest/gtest.h>

#include "ProbeResources.h"

int main(int argc, char* argv[])
{
    SetApplicationResources(&Probe::Resources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
