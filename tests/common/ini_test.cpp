#include <gtest/gtest.h>
TEST(ini, Placeholder) {}
