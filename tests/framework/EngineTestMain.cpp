#include <gtest/gtest.h>

#include "framework/Application.h"

// The framework's tests run on one thread with the application initialised,
// as the program does.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    veyra::Application().Initialize();
    return RUN_ALL_TESTS();
}
