#include "PolyFactor.h"
#include <gtest/gtest.h>
TEST(PolyFactor, Smoke) {}
