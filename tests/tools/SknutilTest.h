#pragma once

// Runs the built sknutil as a skin author runs it: its output, its error text
// and its exit status. The program is looked for beside the test program's
// build folder; tests are skipped where it is not there (and under Wine).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/packer/SkinPacker.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace veyra::test {

namespace fs = std::filesystem;

struct RunResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SknutilTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "run natively only";
#else
        std::error_code ec;
        const fs::path self = fs::read_symlink("/proc/self/exe", ec);
        Program_ = self.parent_path().parent_path() / "tools" / "sknutil";
        if (ec || !fs::exists(Program_))
            GTEST_SKIP() << "sknutil is not built beside the tests";
        Dir_ = fs::temp_directory_path() / ("sknutil-test-" + std::to_string(getpid()));
        fs::create_directories(Dir_);
#endif
    }

    void TearDown() override {
        std::error_code ec;
        if (!Dir_.empty())
            fs::remove_all(Dir_, ec);
    }

    // Runs sknutil with arguments that hold no single quote.
    RunResult Run(const std::vector<std::string>& args) {
        std::string command;
        auto quoted = [&command](const std::string& text) {
            command += '\'';
            command += text;
            command += "' ";
        };
        quoted(Program_.string());
        for (const std::string& arg : args)
            quoted(arg);
        command += '>';
        quoted((Dir_ / "out").string());
        command += "2>";
        quoted((Dir_ / "err").string());
        RunResult result;
#ifndef _WIN32
        const int raw = std::system(command.c_str());
        result.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        result.Out = ReadText(Dir_ / "out");
        result.Err = ReadText(Dir_ / "err");
        return result;
    }

    // Writes a packed skin of these members and returns its path.
    fs::path WriteSkin(const std::string& name, const std::vector<tools::PackMember>& members) {
        const std::vector<std::uint8_t> packed = tools::PackSkin(members, 20000);
        const fs::path path = Dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()),
                   static_cast<std::streamsize>(packed.size()));
        return path;
    }

    fs::path Program_;
    fs::path Dir_;
};

} // namespace veyra::test
