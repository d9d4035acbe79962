#include "EngineTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace vbstest;

namespace {

std::vector<std::string> conformanceFiles()
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(ZEP_VBS_CONFORMANCE_DIR))
        if (entry.path().extension() == ".vbs")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Conformance : public ::testing::TestWithParam<std::string>
{
};

// Each script checks itself with ok(condition, message) and must raise no error.
TEST_P(Conformance, AllChecksPass)
{
    QFile file(QString::fromStdString(std::string(ZEP_VBS_CONFORMANCE_DIR) + "/" + GetParam() + ".vbs"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TestEngine test;
    try {
        test.engine.addCode(QString::fromUtf8(file.readAll()).toStdU16String());
    } catch (const vbs::ScriptError &error) {
        FAIL() << "error " << error.number() << " " << utf8(error.description()) << " at line " << error.line();
    }
    for (const std::string &failure : test.failures)
        ADD_FAILURE() << failure;
    EXPECT_GT(test.checks, 0);
    std::cout << GetParam() << ": " << test.checks << " checks\n";
}

INSTANTIATE_TEST_SUITE_P(Scripts, Conformance, ::testing::ValuesIn(conformanceFiles()),
                         [](const ::testing::TestParamInfo<std::string> &info) { return info.param; });

} // namespace
