// The module as a host loads it: dlopen, resolve the factory, use and destroy the checker.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>

#include "host/SteelMember.h"

namespace {

using Arbor::Steel::CSteelMemberGen;
using Factory = CSteelMemberGen* (*)();

struct ModuleHandle {
    void* handle = dlopen(AS4100_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ~ModuleHandle() {
        if (handle) dlclose(handle);
    }
};

TEST(ModuleLoad, FactoryIsExportedAndCreatesAWorkingAS4100Checker) {
    ModuleHandle module;
    ASSERT_NE(module.handle, nullptr) << dlerror();
    auto factory = reinterpret_cast<Factory>(dlsym(module.handle, "NewCode"));
    ASSERT_NE(factory, nullptr) << "NewCode is not exported: " << dlerror();

    std::unique_ptr<CSteelMemberGen> checker(factory());
    ASSERT_NE(checker, nullptr);
    EXPECT_EQ(checker->Name(0), L"AS 4100-1998");
    EXPECT_EQ(checker->Name(7), L"AS 4100-1998");
    EXPECT_EQ(checker->Country(0), L"AU");

    // A clone is a checker of the same code, destroyed through the base's virtual destructor.
    std::unique_ptr<Arbor::Steel::CSteelMember> copy(checker->Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name(0), L"AS 4100-1998");

    // Without a result or any data: false, nothing thrown.
    EXPECT_FALSE(checker->Check());
    EXPECT_FALSE(checker->QuickCheck());
    EXPECT_FALSE(checker->GetMemberEffectiveLengthData().has_value());
}

}  // namespace
