// SPDX-License-Identifier: GPL-2.0-or-later
// Test entry: a QApplication for every test run, none when ctest only lists
// the tests (listing runs without the offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!::testing::GTEST_FLAG(list_tests))
        app = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
