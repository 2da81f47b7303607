#include "WinTestSupport.h"

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    int nExitCode = 0;
    if (RunEmitterIfAsked(argc, argv, &nExitCode)) {
        return nExitCode;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
